// SPDX-License-Identifier: MIT
#include "report/report_plan.h"

#include <algorithm>

namespace tw {

namespace {

using Items = std::map<int, std::vector<int>>;

// The first ROWS block inside steps [begin, end).
const PrintStep* FirstRows(const PrintForm& form, std::size_t begin, std::size_t end,
                           std::size_t* at) {
    for (std::size_t i = begin; i < end && i < form.steps.size(); ++i)
        if (form.steps[i].kind == PrintStep::Kind::Rows) {
            *at = i;
            return &form.steps[i];
        }
    return nullptr;
}

// The continuation pages of one form, while its sections' grids have items left.
void PlanContinuation(const PrintForm& form, std::size_t formIndex, const Items& items,
                      std::map<int, std::size_t>& cursor, std::vector<ReportPage>& pages) {
    struct Part {
        std::size_t section;
        std::size_t rowsAt;
        const PrintStep* step;
        const RowsCommand* rows;
    };
    std::vector<Part> parts;
    for (std::size_t i = form.continuation; i < form.steps.size(); ++i) {
        const PrintStep& step = form.steps[i];
        if (step.kind != PrintStep::Kind::Section) continue;
        std::size_t at = 0;
        const PrintStep* rows = FirstRows(form, i + 1, step.blockEnd, &at);
        if (rows && rows->rows.grid == step.section.grid)
            parts.push_back({i, at, &step, &rows->rows});
    }
    if (parts.empty()) return;
    auto left = [&](const Part& p) {
        const auto found = items.find(p.rows->grid);
        const std::size_t total = found == items.end() ? 0 : found->second.size();
        return total - std::min(total, cursor[p.rows->grid]);
    };
    const int top = parts.front().step->section.top;
    const int bottom = form.continuationBottom;
    while (std::any_of(parts.begin(), parts.end(), [&](const Part& p) { return left(p) > 0; })) {
        ReportPage page;
        page.form = formIndex;
        page.continuation = true;
        int y = top;
        bool placed = false;
        for (const Part& p : parts) {
            const std::size_t remaining = left(p);
            if (remaining == 0) continue;
            const SectionCommand& s = p.step->section;
            const int room = bottom - y - s.height;
            if (room < 0 && placed) break;
            std::size_t n = remaining;
            if (p.rows->pitch > 0)
                n = std::min<std::size_t>(
                    n, 1 + static_cast<std::size_t>(std::max(0, room) / p.rows->pitch));
            n = std::min<std::size_t>(n, static_cast<std::size_t>(p.rows->rows));
            page.rows[p.rowsAt] = {cursor[p.rows->grid], n};
            page.sectionShift[p.section] = y - s.top;
            cursor[p.rows->grid] += n;
            y += s.height + static_cast<int>(n - 1) * p.rows->pitch;
            placed = true;
            if (n < remaining) break;
        }
        pages.push_back(page);
    }
}

} // namespace

std::vector<ReportPage> PlanReport(const std::vector<PrintForm>& forms, const ItemsOfRows& items) {
    std::vector<ReportPage> pages;
    for (std::size_t f = 0; f < forms.size(); ++f) {
        const PrintForm& form = forms[f];
        Items gridItems;
        for (const PrintStep& step : form.steps)
            if (step.kind == PrintStep::Kind::Rows && !gridItems.count(step.rows.grid))
                gridItems[step.rows.grid] = items(step.rows);
        std::map<int, std::size_t> cursor;
        ReportPage page;
        page.form = f;
        for (std::size_t i = 0; i < form.continuation && i < form.steps.size(); ++i) {
            const PrintStep& step = form.steps[i];
            if (step.kind != PrintStep::Kind::Rows) continue;
            const std::size_t total = gridItems[step.rows.grid].size();
            std::size_t& at = cursor[step.rows.grid];
            const std::size_t n =
                std::min(total - std::min(total, at), static_cast<std::size_t>(step.rows.rows));
            page.rows[i] = {at, n};
            at += n;
        }
        const std::size_t before = pages.size();
        pages.push_back(page);
        PlanContinuation(form, f, gridItems, cursor, pages);
        for (std::size_t p = before; p + 1 < pages.size(); ++p)
            pages[p].continues = true;
    }
    return pages;
}

void ReportState::Plan(std::vector<PrintForm> forms, const ItemsOfRows& items) {
    forms_ = std::move(forms);
    items_.clear();
    for (std::size_t f = 0; f < forms_.size(); ++f)
        for (const PrintStep& step : forms_[f].steps)
            if (step.kind == PrintStep::Kind::Rows && !items_.count({f, step.rows.grid}))
                items_[{f, step.rows.grid}] = items(step.rows);
    pages_ = PlanReport(forms_, items);
}

const std::vector<int>& ReportState::Items(std::size_t form, int grid) const {
    static const std::vector<int> none;
    const auto found = items_.find({form, grid});
    return found == items_.end() ? none : found->second;
}

void ReportState::SetPage(int current, int count) {
    current_ = std::to_string(current);
    count_ = std::to_string(count);
}

} // namespace tw
