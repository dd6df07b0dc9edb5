// SPDX-License-Identifier: MIT
#include "jobs/relocalise.h"

#include "base/flag_scope.h"
#include "calc/data_table.h"
#include "frm/frm_main.h"
#include "names/grids.h"
#include "names/lists.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/parse.h"

#include <filesystem>

namespace tw {

std::optional<std::size_t> PositionInAnyLanguage(const std::vector<std::vector<std::string>>& lists,
                                                 const std::string& text) {
    if (text.empty()) return std::nullopt;
    for (const auto& list : lists)
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == text) return i;
    return std::nullopt;
}

std::vector<std::string> ListItemsOfResource(const std::vector<std::string>& lines, int list) {
    std::vector<std::string> items;
    const std::string index = std::to_string(list);
    for (const auto& line : lines) {
        auto fields = SplitInputLine(line);
        if (UpperBound(fields) < 5) continue;
        if (UpperCase(fields[1]) != "OPTIONLIST" || Trim(fields[2]) != index ||
            UpperCase(fields[3]) != "ITEM")
            continue;
        std::string value = fields[4];
        if (!value.empty() && value[0] == '"') value = StripQuotes(value);
        items.push_back(value);
    }
    return items;
}

namespace {

Vocabulary ReadVocabulary(const std::string& folder, const std::vector<std::string>& languages,
                          char decimal) {
    Vocabulary v;
    for (const auto& file : languages) {
        auto lines = OpenTextFile(folder + file);
        if (!lines) continue;
        std::vector<std::string> all;
        while (!lines->Eof())
            all.push_back(lines->ReadLine());
        v.surfaceTypes.push_back(ListItemsOfResource(all, list::SurfaceType));

        const std::string prefix = Left(file, CharCount(file) - 3);
        DataTable d, c;
        if (auto table = OpenTextFile(folder + prefix + DataTables::FileName(TableId::D))) {
            ReadDataTable(*table, decimal, d);
            std::vector<std::string> names;
            for (int r = 1; r <= d.Rows(); ++r)
                names.push_back(d.Cell(kConstructionName, r));
            v.constructions.push_back(names);
        }
        if (auto table = OpenTextFile(folder + prefix + DataTables::FileName(TableId::C))) {
            ReadDataTable(*table, decimal, c);
            std::vector<std::pair<std::string, std::string>> rows;
            for (int r = 1; r <= c.Rows(); ++r)
                rows.emplace_back(c.Cell(kProductGroup, r), c.Cell(kProductName, r));
            v.products.push_back(rows);
        }
    }
    return v;
}

// What the vocabulary was read from: every resource file and its two tables, each with its
// time and size, so that an update of the data is seen at the next load.
std::string SourcesStamp(const std::string& folder, const std::vector<std::string>& languages,
                         char decimal) {
    std::string stamp = folder + '\n' + decimal;
    for (const auto& file : languages) {
        const std::string prefix = Left(file, CharCount(file) - 3);
        for (const std::string& name : {file, prefix + "TableD.data", prefix + "TableC.data"}) {
            std::error_code ec;
            const std::filesystem::path path = std::filesystem::path(folder) / name;
            const auto time = std::filesystem::last_write_time(path, ec).time_since_epoch().count();
            const auto size = ec ? 0 : std::filesystem::file_size(path, ec);
            stamp += '\n' + name + ' ' + std::to_string(time) + ' ' + std::to_string(size);
        }
    }
    return stamp;
}

// Reading every language's files takes far longer than the job itself, and a session opens
// many jobs over the same files: the vocabulary is read again only when those files change.
const Vocabulary& InstalledVocabulary(const std::string& folder, char decimal) {
    static std::string readFrom;
    static Vocabulary vocabulary;
    const std::vector<std::string> languages = FindFiles(folder, "*.lng");
    std::string stamp = SourcesStamp(folder, languages, decimal);
    if (stamp != readFrom) {
        vocabulary = ReadVocabulary(folder, languages, decimal);
        readFrom = std::move(stamp);
    }
    return vocabulary;
}

} // namespace

void FrmMain::RelocaliseJob() {
    LogWrite(">RelocaliseJob()");
    const Vocabulary& v = InstalledVocabulary(OpDataFolder, Decimal());
    FlagScope loading(IsLoading);

    // Surface types and constructions of the surface grid.
    Grid& surfaces = MSFlexGrid[grid::Surfaces];
    ListBox& types = OPTIONLIST[list::SurfaceType];
    for (int c = grid::FirstItemCol; c < surfaces.Cols(); ++c) {
        const std::string& type = surfaces.TextMatrix(grid::surface::Type, c);
        bool known = false;
        for (const auto& item : types.Items())
            known = known || item == type;
        if (!known)
            if (auto k = PositionInAnyLanguage(v.surfaceTypes, type);
                k && *k < static_cast<std::size_t>(types.ListCount()))
                surfaces.SetTextMatrix(grid::surface::Type, c, types.List(static_cast<int>(*k)));
        if (surfaces.Rows() > grid::surface::Construction)
            if (auto k = PositionInAnyLanguage(v.constructions,
                                               surfaces.TextMatrix(grid::surface::Construction, c));
                k && static_cast<int>(*k) < Tables.Constructions().Rows())
                surfaces.SetTextMatrix(
                    grid::surface::Construction, c,
                    Tables.Constructions().Cell(kConstructionName, static_cast<int>(*k) + 1));
    }

    // Product groups and names, by their row in the product tables.
    Grid& products = MSFlexGrid[grid::Products];
    for (int c = grid::FirstItemCol; c < products.Cols() && products.Rows() > grid::product::Name;
         ++c) {
        const std::string group = products.TextMatrix(grid::product::Group, c);
        const std::string name = products.TextMatrix(grid::product::Name, c);
        if (group.empty()) continue;
        for (const auto& rows : v.products) {
            std::optional<std::size_t> match;
            for (std::size_t r = 0; r < rows.size() && !match; ++r)
                if (rows[r].first == group && (name.empty() || rows[r].second == name)) match = r;
            if (!match || static_cast<int>(*match) >= Tables.Products().Rows()) continue;
            const int row = static_cast<int>(*match) + 1;
            products.SetTextMatrix(grid::product::Group, c,
                                   Tables.Products().Cell(kProductGroup, row));
            if (!name.empty())
                products.SetTextMatrix(grid::product::Name, c,
                                       Tables.Products().Cell(kProductName, row));
            break;
        }
    }

    // List fields show the item of the code they stand for.
    for (int n : {list::Refrigerant, list::UnitType, list::UnitSupply, list::CoolerType,
                  list::CoolerSupply}) {
        ListBox& items = OPTIONLIST[n];
        ListBox& codes = OPTIONVALUE[n];
        const std::string code = GetFieldValue(n + 10);
        for (int i = 0; i < codes.ListCount() && i < items.ListCount(); ++i)
            if (codes.List(i) == code) {
                TEXTBOX[n].SetText(items.List(i));
                TEXTBOX[n].Tag = items.List(i);
            }
    }
}

} // namespace tw
