// SPDX-License-Identifier: MIT
// The generated data sheets and catalogue: complete for the product lists, and opened by the
// equipment page's links without asking where they are.
#include "select/catalogue.h"
#include "support/installation.h"

#include <fstream>
#include <gtest/gtest.h>
#include <set>

namespace fs = std::filesystem;

namespace tw {
namespace {

const fs::path kBuilt = TW_BUILT_PRODDATA;

// True when the file starts as a PDF and ends with the end-of-file marker a finished
// writer leaves.
bool IsCompletePdf(const fs::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) return false;
    return bytes->rfind("%PDF-", 0) == 0 &&
           bytes->find("%%EOF", bytes->size() > 64 ? bytes->size() - 64 : 0) != std::string::npos;
}

TEST(DataSheets, EverySheetTheProductListsNameIsAPdf) {
    std::set<std::string> sheets;
    for (const char* list : {"CProdList.data", "EProdList.data"}) {
        auto file = OpenTextFile(test::SourceDir() / "proddata" / list);
        ASSERT_TRUE(file) << list;
        const auto rows = ReadProductList(*file, {});
        EXPECT_GT(rows.size(), 1u) << list;
        for (std::size_t r = 1; r < rows.size(); ++r)
            sheets.insert(rows[r].fields[3]);
    }
    for (const std::string& sheet : sheets)
        EXPECT_TRUE(IsCompletePdf(kBuilt / "specs" / sheet)) << sheet;
    EXPECT_TRUE(IsCompletePdf(kBuilt / "catalogue.pdf"));
}

TEST(DataSheets, TheEquipmentPageOpensTheGeneratedDocuments) {
    test::Installation install;
    fs::copy(kBuilt / "specs", install.Folder() / "proddata" / "specs",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy_file(kBuilt / "catalogue.pdf", install.Folder() / "proddata" / "catalogue.pdf",
                  fs::copy_options::overwrite_existing);
    auto w = install.Start();
    Headless& machine = install.Machine();

    const std::string unit =
        w->MSFlexGrid[520].TextMatrix(static_cast<int>(w->FieldNumber(533)), 4);
    const std::string cooler =
        w->MSFlexGrid[540].TextMatrix(static_cast<int>(w->FieldNumber(553)), 4);
    ASSERT_FALSE(unit.empty());
    ASSERT_FALSE(cooler.empty());
    w->SPECLINK_Click(0);
    w->SPECLINK_Click(1);
    w->Raise(EventType::Click, w->ThumbNailLogo.ref);

    EXPECT_TRUE(machine.InputPrompts().empty());
    const fs::path specs = install.Folder() / "proddata" / "specs";
    const std::vector<std::string> opened{(specs / unit).string(), (specs / cooler).string(),
                                          (install.Folder() / "proddata/catalogue.pdf").string()};
    EXPECT_EQ(machine.OpenedDocuments(), opened);
    for (const std::string& path : opened)
        EXPECT_TRUE(IsCompletePdf(path)) << path;
}

} // namespace
} // namespace tw
