// SPDX-License-Identifier: MIT
// The selection procedures on the window: result grids 520 and 540, the fields of the
// selection page, the balance point. First on a small catalogue of the tests' own whose
// capacities are known exactly, then on the shipped catalogue after a full start-up.
#include "select/capacity.h"
#include "support/installation.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace tw::test {
namespace {

// A window without start-up: constants, the "no choice" text and a catalogue in memory.
class SmallCatalogue : public ::testing::Test {
protected:
    SmallCatalogue() : installation(true), w(installation.NewWindow()) {
        w->Constants["CONDENSER50HZFACTOR"] = 0.83f;
        w->Constants["CONDENSER60HZFACTOR"] = 1.0f;
        w->Constants["COOLER50HZFACTOR"] = 0.92f;
        w->Constants["COOLER60HZFACTOR"] = 1.0f;
        w->Constants["UNDERRANGE"] = 10.0f;
        w->StringTable.assign(30, "");
        w->StringTable[14] = "(none)";
        // Room 30 °F, TD 10 °F: suction 20 °F; 90 °F at an outdoor unit; one of each.
        Set(501, "30");
        Set(502, "10");
        Set(500, "90");
        Set(503, "10000");
        Set(530, "Aa");
        Set(514, "4");
        Set(510, "O");
        Set(531, "3S");
        Set(522, "1");
        Set(550, "M");
        Set(551, "ES");
        Set(542, "1");
    }

    void Set(int field, const std::string& value) { w->TEXTBOX[field].Tag = value; }
    std::string Field(int field) { return w->GetFieldValue(field); }

    // A condensing unit rated at suction 30, 20 and 10 °F and ambients 80, 90 and 100 °F,
    // with `at20` at 20/90 °F and `at10` at 10/90 °F; offered under `key`.
    void AddUnit(const std::string& key, const std::string& name, int at20, int at10) {
        CModel m;
        m.firstRating = static_cast<std::int32_t>(cRatings.size());
        m.ratingCount = 9;
        m.pointsPerBlock = 3;
        m.key = FixedKey(name);
        m.minAmbient = 80;
        m.maxAmbient = 100;
        m.minSuction = 10;
        m.maxSuction = 30;
        m.minCapacity = 0;
        m.maxCapacity = 1000000;
        const int at30 = at20 + (at20 - at10);
        const std::pair<std::int16_t, int> blocks[] = {{30, at30}, {20, at20}, {10, at10}};
        for (const auto& [sst, capacity] : blocks) {
            cRatings.push_back({0, sst, 80, capacity + 1000});
            cRatings.push_back({0, sst, 90, capacity});
            cRatings.push_back({0, sst, 100, capacity - 1000});
        }
        cModels.push_back(m);
        ProductRow row;
        row.fields = {key, name, name, name + ".pdf"};
        row.link = static_cast<int>(cModels.size()) - 1;
        cProducts.push_back(row);
    }
    void AddCooler(const std::string& key, const std::string& name, int rated, int roomLimit) {
        eRatings.push_back({FixedKey(name), rated, roomLimit});
        ProductRow row;
        row.fields = {key, name, name, name + ".pdf"};
        row.link = static_cast<int>(eRatings.size()) - 1;
        eProducts.push_back(row);
    }
    // Closes the catalogue with the empty records after the last and hands it to the window.
    void Close() {
        cRatings.push_back({});
        cModels.push_back({});
        eRatings.push_back({});
        w->Catalog.SetCondensingRatings(cRatings);
        w->Catalog.SetCondensingModels(cModels);
        w->Catalog.SetCoolerRatings(eRatings);
        w->Catalog.SetCondensingProducts(cProducts);
        w->Catalog.SetCoolerProducts(eProducts);
    }

    std::vector<std::string> Column(int grid, int col) {
        std::vector<std::string> cells;
        for (int r = 0; r < w->MSFlexGrid[grid].Rows(); ++r)
            cells.push_back(w->MSFlexGrid[grid].TextMatrix(r, col));
        return cells;
    }
    bool Logged(const std::string& line) {
        auto lines = w->Log.DumpLines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(line) != std::string::npos; });
    }

    Installation installation;
    std::unique_ptr<FrmMain> w;
    // The catalogue being built: record 0 and product row 0 unused.
    std::vector<CRating> cRatings{1};
    std::vector<CModel> cModels{1};
    std::vector<ERating> eRatings{1};
    std::vector<ProductRow> cProducts{1};
    std::vector<ProductRow> eProducts{1};
};

using Cells = std::vector<std::string>;

TEST_F(SmallCatalogue, EqualCondensingUnitsAreListedLaterProductFirst) {
    AddUnit("A4O3S", "TCU-A", 12000, 8000);
    AddUnit("A4O3S", "TCU-B", 15000, 10000);
    AddUnit("A4O3", "TCU-X", 11000, 8000); // another key
    AddUnit("A4O3S", "TCU-C", 12000, 8000);
    Close();
    w->SelectCondensingUnit();
    EXPECT_EQ(Column(520, 0), (Cells{"", "4", "1", "2"}));
    EXPECT_EQ(Column(520, 1), (Cells{"", "12000", "12000", "15000"}));
    EXPECT_EQ(Column(520, 2), (Cells{"", "TCU-C", "TCU-A", "TCU-B"}));
    EXPECT_EQ(Column(520, 4), (Cells{"", "TCU-C.pdf", "TCU-A.pdf", "TCU-B.pdf"}));
    EXPECT_EQ(Column(520, 5), (Cells{"", "4", "1", "2"}));
    EXPECT_EQ(Field(533), "1");
    EXPECT_EQ(Field(523), "TCU-C");
    EXPECT_EQ(Field(524), "12000");
}

TEST_F(SmallCatalogue, ACondensingUnitOfExactlyTheLoadIsOnlyTheUndersizedCandidate) {
    AddUnit("A4O3S", "TCU-10", 10000, 7000);
    AddUnit("A4O3S", "TCU-12", 12000, 8000);
    Close();
    w->SelectCondensingUnit();
    EXPECT_EQ(Column(520, 2), (Cells{"TCU-10", "TCU-12"}));
    // Above 9,000 and nearer to the load than 12,000: the undersized row is chosen.
    EXPECT_EQ(Field(533), "0");
    EXPECT_EQ(Field(524), "10000");
}

TEST_F(SmallCatalogue, UnderRangeDecidesBetweenUndersizedAndSuitable) {
    AddUnit("A4O3S", "TCU-085", 8500, 6000);
    AddUnit("A4O3S", "TCU-120", 12000, 8000);
    AddUnit("A4O3S", "TCU-150", 15000, 10000);
    Close();
    w->SelectCondensingUnit();
    EXPECT_EQ(Field(533), "1");
    EXPECT_EQ(Field(523), "TCU-120");

    // With two units of 5,000 Btu/h sharing the load, 8,500 is too small even alone.
    Set(522, "2");
    w->SelectCondensingUnit();
    EXPECT_EQ(Column(520, 2), (Cells{"", "TCU-085", "TCU-120", "TCU-150"}));
    EXPECT_EQ(Field(523), "TCU-085");
}

TEST_F(SmallCatalogue, AFinalSInEitherCaseSelectsTheSixtyHertzFactor) {
    AddUnit("A4O3s", "TCU-60", 12000, 8000);
    AddUnit("A4O3", "TCU-50", 12000, 8000);
    Close();
    Set(531, "3s");
    w->SelectCondensingUnit();
    EXPECT_EQ(Field(524), "12000");
    Set(531, "3");
    w->SelectCondensingUnit();
    EXPECT_EQ(Field(524), "9960"); // 0.83 × 12,000
    EXPECT_EQ(w->CondenserFrequencyFactor, 0.83f);
}

TEST_F(SmallCatalogue, NothingSuitableLeavesTheNoChoiceValuesAndAnEmptyCoolerList) {
    AddUnit("A4O3S", "TCU-05", 5000, 3000);
    AddCooler("MES", "TEM-100E", 10000, -40);
    Close();
    w->OPTIONLIST[523].Clear();
    w->SelectCondensingUnit();
    EXPECT_EQ(Field(533), "-1");
    EXPECT_EQ(Field(523), "(none)");
    EXPECT_EQ(Field(524), "0");
    // The undersized unit is offered in the list, though not chosen.
    ASSERT_EQ(w->OPTIONLIST[523].ListCount(), 1);
    EXPECT_EQ(w->OPTIONLIST[523].List(0), "TCU-05");

    w->SelectCooler();
    EXPECT_EQ(Field(543), "(none)");
    EXPECT_EQ(Field(544), "0");
    EXPECT_EQ(w->MSFlexGrid[540].Rows(), 1);

    w->UpdateBalancePoint();
    EXPECT_EQ(Field(560), "0");
    EXPECT_EQ(Field(561), "0");
    EXPECT_EQ(Field(562), "0");
}

TEST_F(SmallCatalogue, NoUnitsMeansNoDivisionAndNoChoice) {
    AddUnit("A4O3S", "TCU-12", 12000, 8000);
    Close();
    Set(522, "0");
    w->SelectCondensingUnit();
    EXPECT_EQ(Field(533), "-1");
    EXPECT_EQ(w->MSFlexGrid[520].Rows(), 1);
}

TEST_F(SmallCatalogue, ACoolerOfExactlyTheRequirementIsSuitable) {
    // At 20 °F suction, K = 1.0009516: 10,000 Btu/h rated give 10,010 at 10 °F TD.
    AddCooler("MES", "TEM-120E", 12000, -40);
    AddCooler("MES", "TEM-100E", 10000, -40);
    AddCooler("MAS", "TEM-100A", 9000, 34); // another key
    AddCooler("MES", "TEM-090E", 9000, -40);
    Close();
    ASSERT_EQ(CoolerCapacity(20, 10, 10000, 1.0f), 10010.0f);
    Set(524, "10010");
    w->SelectCooler();
    EXPECT_EQ(Column(540, 2), (Cells{"TEM-090E", "TEM-100E", "TEM-120E"}));
    EXPECT_EQ(Column(540, 0), (Cells{"4", "2", "1"}));
    EXPECT_EQ(Field(553), "1");
    EXPECT_EQ(Field(543), "TEM-100E");
    EXPECT_EQ(Field(544), "10010");
    EXPECT_TRUE(Logged("Key MES has 3 matches"));

    Set(551, "GS");
    w->SelectCooler();
    EXPECT_TRUE(Logged("********************** KEY MGS NOT FOUND IN PRODUCT LIST"));
    EXPECT_EQ(Field(553), "-1");
}

TEST_F(SmallCatalogue, AirDefrostCoolersOnlyAboveTheirRoomLimit) {
    AddCooler("MAS", "TEM-120A", 12000, 34);
    Close();
    Set(551, "AS");
    Set(524, "10000");
    Set(501, "34");
    w->SelectCooler();
    EXPECT_EQ(Field(553), "-1");
    Set(501, "35");
    w->SelectCooler();
    EXPECT_EQ(Field(543), "TEM-120A");
}

TEST_F(SmallCatalogue, BalancePointOfAHandComputedPair) {
    // The unit gives 12,000 Btu/h at 20 °F and 10,000 at 15 °F (halfway to 8,000 at 10 °F):
    //   SST = Q / 400 - 10.
    // The cooler is rated 15,000 and gives 15,014 at 20 °F suction and 10 °F TD; in a 30 °F
    // room its line is SST = 30 - Q / 1501.4. They meet at
    //   Q = 40 · 1501.4 · 400 / 1901.4 = 12,634.06, SST = 21.5851 °F, TD = 8.4149 °F.
    AddUnit("A4O3S", "TCU-12", 12000, 8000);
    AddCooler("MES", "TEM-150E", 15000, -40);
    Close();
    Set(503, "11000");
    w->SelectCondensingUnit();
    ASSERT_EQ(Field(524), "12000");
    w->SelectCooler();
    ASSERT_EQ(Field(544), "15014");
    w->UpdateBalancePoint();
    EXPECT_EQ(Field(560), "12634");
    EXPECT_NEAR(w->FieldNumber(561), 21.5851, 0.0005);
    EXPECT_NEAR(w->FieldNumber(562), 8.4149, 0.0005);

    // Two coolers of the same kind: the cooler line is half as steep.
    Set(542, "2");
    w->SelectCooler(); // 6,000 each: the smallest suitable is still the 15,000 model
    w->UpdateBalancePoint();
    // Q = 40 / (1 / 3002.8 + 1 / 400) = 14,119.24
    EXPECT_EQ(Field(560), "14119");
}

TEST_F(SmallCatalogue, AFlatCondensingUnitHasNoBalancePointAndNoCrash) {
    AddUnit("A4O3S", "TCU-FLAT", 12000, 12000);
    AddCooler("MES", "TEM-150E", 15000, -40);
    Close();
    w->SelectCondensingUnit();
    w->SelectCooler();
    ASSERT_EQ(Field(553), "1");
    w->UpdateBalancePoint();
    EXPECT_EQ(Field(560), "0");
    EXPECT_EQ(Field(561), "0");
    EXPECT_EQ(Field(562), "0");

    // A chosen row that the grid does not hold (a stale job) gives the same.
    Set(553, "7");
    w->UpdateBalancePoint();
    EXPECT_EQ(Field(560), "0");
}

// The shipped catalogue after a full start-up: a 35 °F room of about 12,000 Btu/h with an
// outdoor R404A unit on 400 V 50 Hz and a medium-profile air-defrost cooler.
TEST(ShippedCatalogue, ATypicalCoolerFindsUnitCoolerAndBalancePoint) {
    Installation installation;
    if (!std::filesystem::exists(installation.OpData() / "default.fil"))
        installation.WriteFile("opdata/default.fil", "\"# \",\"Tarnwell\",1,0,0\r\n");
    auto w = installation.Start();
    ASSERT_GT(w->Catalog.ModelCount(), 60);
    auto set = [&](int n, const std::string& v) { w->TEXTBOX[n].Tag = v; };
    set(501, "35");
    set(502, "10");
    set(503, "12000");
    set(500, "90");
    set(514, "4");
    set(530, "Aa");
    set(510, "O");
    set(531, "3");
    set(522, "1");
    set(550, "M");
    set(551, "A");
    set(542, "1");

    w->SelectCondensingUnit();
    const int unitRow = std::stoi(w->GetFieldValue(533));
    ASSERT_GE(unitRow, 0);
    const float unitCapacity = w->FieldNumber(524);
    EXPECT_GT(unitCapacity, 10800.0f); // at most 10 % below the load
    EXPECT_LT(unitCapacity, 16000.0f);
    const Grid& units = w->MSFlexGrid[520];
    EXPECT_EQ(units.Cols(), 6);
    EXPECT_EQ(units.TextMatrix(unitRow, 2), w->GetFieldValue(523));
    EXPECT_NE(w->GetFieldValue(523).find("TCU-4M-"), std::string::npos);
    for (int r = 2; r < units.Rows(); ++r)
        EXPECT_LE(w->ToSingle(units.TextMatrix(r - 1, 1)), w->ToSingle(units.TextMatrix(r, 1)));

    // The list shows each model with its capacity in the unit of the capacity field; the field
    // takes the model's name alone.
    w->Raise(EventType::Click, w->TEXTBOX[523].ref);
    const ListBox& offered = w->OPTIONLIST[523];
    ASSERT_EQ(offered.ListCount(), units.Rows());
    EXPECT_EQ(offered.List(unitRow),
              units.TextMatrix(unitRow, 2) + "  (" + w->TEXTBOX[524].Text() + " Btu/h)");
    const int other = unitRow + 1 < units.Rows() ? unitRow + 1 : unitRow - 1;
    w->OPTIONLIST[523].SetListIndex(other);
    EXPECT_EQ(w->GetFieldValue(523), units.TextMatrix(other, 2));
    w->RADIO[847].SetValue(true);
    w->Raise(EventType::Click, w->TEXTBOX[523].ref);
    EXPECT_NE(offered.List(other).find(" W)"), std::string::npos) << offered.List(other);
    w->RADIO[846].SetValue(true);
    w->OPTIONLIST[523].SetListIndex(unitRow);

    w->SelectCooler();
    const int coolerRow = std::stoi(w->GetFieldValue(553));
    ASSERT_GE(coolerRow, 0);
    EXPECT_GE(w->FieldNumber(544), 0.9f * unitCapacity);
    EXPECT_NE(w->GetFieldValue(543).find("TEM-"), std::string::npos);
    EXPECT_NE(w->GetFieldValue(543).find("50 Hz"), std::string::npos);

    w->UpdateBalancePoint();
    const float balance = w->FieldNumber(560);
    EXPECT_GT(balance, 0.85f * unitCapacity);
    EXPECT_LT(balance, 1.15f * unitCapacity);
    EXPECT_GT(w->FieldNumber(561), 15.0f);
    EXPECT_LT(w->FieldNumber(561), 35.0f);
    EXPECT_GT(w->FieldNumber(562), 0.0f);
    EXPECT_LT(w->FieldNumber(562), 20.0f);
}

} // namespace
} // namespace tw::test
