// SPDX-License-Identifier: MIT
// The pages of a report. Each print form gives one page; the items its ROWS blocks cannot
// hold (surfaces and products beyond the rows of the page) flow onto continuation pages laid
// out by the form's CONTINUATION part, right after the form's own page, so that every item
// is printed and the page footer counts the real number of pages.
#pragma once

#include "report/print_form.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tw {

// The items one ROWS block draws on a page: positions in the item list of its grid.
struct PageRows {
    std::size_t first = 0;
    std::size_t count = 0;
};

struct ReportPage {
    // Which form lays the page out, and whether it is one of its continuation pages.
    std::size_t form = 0;
    bool continuation = false;
    // By the step index of a ROWS block: the items it draws on this page.
    std::map<std::size_t, PageRows> rows;
    // By the step index of a SECTION: how far it is moved down from where it was designed.
    std::map<std::size_t, int> sectionShift;
    // Items are left over for the following page.
    bool continues = false;
};

// The grid columns a ROWS block prints: every column from the block's column on whose
// key-row cell holds a text.
using ItemsOfRows = std::function<std::vector<int>(const RowsCommand&)>;

// The pages of the forms in order, each form's continuation pages after its own page.
std::vector<ReportPage> PlanReport(const std::vector<PrintForm>& forms, const ItemsOfRows& items);

// The report of a window: the forms read for it, its pages, and the page being drawn, which
// the page codes print.
class ReportState {
public:
    // Plans the report anew from the forms.
    void Plan(std::vector<PrintForm> forms, const ItemsOfRows& items);
    std::size_t Pages() const { return pages_.size(); }
    const ReportPage& Page(std::size_t index) const { return pages_.at(index); }
    const PrintForm& FormOf(const ReportPage& page) const { return forms_.at(page.form); }
    // The items of a ROWS block (as planned), by its grid.
    const std::vector<int>& Items(std::size_t form, int grid) const;

    // The page number and count the footer prints ("Page 1 of 3").
    void SetPage(int current, int count);
    const std::string& CurrentPage() const { return current_; }
    const std::string& PageCount() const { return count_; }
    // The page being drawn has items left for the next page.
    bool Continues() const { return continues_; }
    void SetContinues(bool continues) { continues_ = continues; }

private:
    std::vector<PrintForm> forms_;
    std::vector<ReportPage> pages_;
    std::map<std::pair<std::size_t, int>, std::vector<int>> items_;
    std::string current_ = "1";
    std::string count_ = "2";
    bool continues_ = false;
};

} // namespace tw
