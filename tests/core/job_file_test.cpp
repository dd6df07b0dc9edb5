// SPDX-License-Identifier: MIT
// Saving and loading job files: the whole job comes back for every box type, the records the
// loader reads and the ones it passes over, the user's own fields, the door-protection default,
// job files against the template, and jobs exchanged between decimal-comma and decimal-point
// machines.
#include "job_support.h"
#include "shell/numbers.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

using JobFile = JobFixture;

TEST_F(JobFile, CharactersTheFileCannotKeepAreNamedBeforeSaving) {
    Headless& machine = installation.Machine();
    const std::string path = Path("cities.wic");
    w->SetFieldValue(0, "Łódź Žilina Łeba");
    w->JobModified = true;
    const std::size_t shown = machine.Messages().size();
    machine.QueueAnswer(mb::No);
    EXPECT_FALSE(w->JobFileSave(path));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(w->JobModified);
    ASSERT_EQ(machine.Messages().size(), shown + 1);
    EXPECT_EQ(machine.Messages().back().prompt, w->MessageTable[23][1] + "\n\nŁ  ź  Ž");

    // Saved all the same, everything else of the text comes back exact.
    ASSERT_TRUE(w->JobFileSave(path));
    auto reopened = installation.Start();
    ASSERT_TRUE(reopened->JobFileLoad(path, false));
    EXPECT_EQ(reopened->TEXTBOX[0].Text(), "?ód? \"ilina ?eba");

    // Texts the file keeps ask nothing.
    w->SetFieldValue(0, "Köln \"Süd\" € – Øresund");
    ASSERT_TRUE(w->JobFileSave(path));
    EXPECT_EQ(machine.Messages().size(), shown + 2);
}

TEST_F(JobFile, SavedAndLoadedAgainTheJobIsTheSameForEveryBoxType) {
    for (int boxType : {200, 201, 202, 203, 204}) {
        SCOPED_TRACE("box type " + std::to_string(boxType));
        auto job = installation.Start();
        ChangeTheJob(*job, boxType);
        const JobState before = Snapshot(*job);
        // What the job carries beyond the template's values.
        EXPECT_TRUE(before.fieldMark.at(503));
        EXPECT_TRUE(before.radioMark.at(501));
        EXPECT_EQ(before.unit.at(103), "°C");
        EXPECT_EQ(before.unit.at(313), "kg");
        EXPECT_EQ(before.listIndex.at(625), 3);
        EXPECT_EQ(before.shown.at(1), "O\"Brien & Sons, Ltd.");
        EXPECT_EQ(before.gridSize.at(300).second, 6);
        if (boxType == 201) {
            EXPECT_TRUE(before.cellMark.at("200:8:4"));
        }
        const std::string path = Path("round trip " + std::to_string(boxType) + ".wic");
        ASSERT_TRUE(job->JobFileSave(path));

        auto reopened = installation.Start();
        ASSERT_TRUE(reopened->JobFileLoad(path, false));
        ExpectSameState(before, Snapshot(*reopened));
        EXPECT_EQ(reopened->MSFlexGrid[200].FixedRows, boxType == 203 ? 1 : 2);
        EXPECT_FALSE(reopened->JobModified);
    }
    EXPECT_TRUE(installation.Machine().Messages().empty());
}

TEST_F(JobFile, TheFileShowsCharacter142ForQuotesAndLeavesOutTheUsersOwnFields) {
    TypeInto(*w, 0, "12\" door");
    w->SetFieldValue(720, "licensee");
    const std::string path = Path("quotes.wic");
    ASSERT_TRUE(w->JobFileSave(path));
    const std::string bytes = *ReadFileBytes(path);
    EXPECT_NE(bytes.find("\"T\",0,\"12\x8E door\",\"12\x8E door\",#FALSE#\r\n"), std::string::npos);
    for (const auto& r : ReadJobRecords(path)) {
        const int n = std::atoi(r[1].c_str());
        if (r[0] == "C" || r[0] == "T" || r[0] == "U") {
            EXPECT_TRUE(n != 720 && n != 721 && (n < 800 || n > 899)) << r[0] << " " << n;
        }
    }
    // The header and the information record come first.
    auto records = ReadJobRecords(path);
    ASSERT_GE(records.size(), 2u);
    EXPECT_EQ(records[0][0], "# ");
    EXPECT_EQ(records[0][1], "Tarnwell");
    EXPECT_EQ(records[1][0], "* ");
    EXPECT_EQ(records[1][1], path);
    EXPECT_EQ(records[1][2].size(), 12u);
    EXPECT_EQ(records[1][3].size(), 10u);
}

TEST_F(JobFile, UnitSystemsAreWrittenForFieldsAndGridRows) {
    w->UNITS_Click(103);
    w->UNITS_Click(213);
    EXPECT_EQ(w->FieldUnitSystem(103), 2);
    EXPECT_EQ(w->FieldUnitSystem(102), 1);
    EXPECT_EQ(w->FieldUnitSystem(0), 0);
    EXPECT_EQ(w->GridRowUnitSystem(200, 2), 2);
    EXPECT_EQ(w->GridRowUnitSystem(200, 8), 1);
    EXPECT_EQ(w->GridRowUnitSystem(200, 1), 0);
    const std::string path = Path("units.wic");
    ASSERT_TRUE(w->JobFileSave(path));
    EXPECT_TRUE(Saved({"U", "103", "TEMPERATURE", "2", ""}, path));
    EXPECT_TRUE(Saved({"U", "0", "NONE", "0", ""}, path));
    EXPECT_TRUE(Saved({"200", "2", "1", "2", ""}, path));
    EXPECT_TRUE(Saved({"200", "1", "1", "0", ""}, path));
    EXPECT_TRUE(Saved({"T", "625", "SELECTLIST", "1", "#FALSE#"}, path));
    EXPECT_TRUE(Saved({"R", "200", w->RADIO[200].Caption, "#TRUE#", "False"}, path));
}

// Metric throughout: every kind measured in Btu or horsepower follows the load units, areas show
// two decimals, and the job keeps its imperial values whatever is shown.
TEST_F(JobFile, MetricKindsConvertBothWaysAndTheJobKeepsItsImperialValues) {
    Grid& walls = w->MSFlexGrid[200];
    Grid& products = w->MSFlexGrid[300];
    w->SetCellValue(200, 7, 2, "0.16");
    w->SetCellValue(300, 8, 2, "0.9");
    w->SetCellValue(300, 11, 2, "2");
    TypeInto(*w, 412, "1000");
    TypeInto(*w, 403, "0.5");
    const std::string lighting = w->UNITS[401].Caption();
    w->RADIO[841].SetValue(true);
    w->RADIO[847].SetValue(true);

    // 0.16 × 0.1442279 = 0.0231; 0.9 × 4.1868 = 3.77; 2 × 2.326 = 4.65; 1000 × 0.2930711 =
    // 293.07; 0.5 × 0.7456999 = 0.373.
    EXPECT_EQ(walls.TextMatrix(7, 1), "W/(m·K)");
    EXPECT_EQ(walls.TextMatrix(7, 2), "0.0231");
    EXPECT_EQ(products.TextMatrix(8, 1), "kJ/(kg·K)");
    EXPECT_EQ(products.TextMatrix(8, 2), "3.77");
    EXPECT_EQ(products.TextMatrix(11, 1), "kJ/kg");
    EXPECT_EQ(products.TextMatrix(11, 2), "4.65");
    EXPECT_EQ(w->UNITS[412].Caption(), "W");
    EXPECT_EQ(w->TEXTBOX[412].Text(), "293.07");
    EXPECT_EQ(w->UNITS[403].Caption(), "kW");
    EXPECT_EQ(w->TEXTBOX[403].Text(), "0.373");
    EXPECT_EQ(w->UNITS[401].Caption(), lighting); // lamps are rated in watts either way
    EXPECT_EQ(w->UNITS[400].Caption(), "W/m²");   // lighting per floor area follows the lengths
    // Read back in the internal unit: 0.0231 / 0.1442279 = 0.1601632.
    EXPECT_EQ(w->GetCellValue(200, 7, 2), "0.1601632");

    const std::string path = Path("metric.wic");
    ASSERT_TRUE(w->JobFileSave(path));
    auto again = installation.Start();
    ASSERT_TRUE(again->JobFileLoad(path, false));
    EXPECT_EQ(again->GetFieldValue(403), "0.5");
    EXPECT_EQ(again->GetFieldValue(412), "1000");
    EXPECT_EQ(again->UNITS[403].Caption(), "kW");
    EXPECT_EQ(again->MSFlexGrid[200].TextMatrix(7, 2), "0.0231");
    EXPECT_EQ(again->MSFlexGrid[300].TextMatrix(8, 1), "kJ/(kg·K)");

    // A metric job saved while K-factors still showed imperial opens with them metric.
    std::string older = *ReadFileBytes(path);
    for (auto [shown, before] : {std::pair<std::string, std::string>{"200,7,1,2,", "200,7,1,1,"},
                                 {"200,7,2,\"0.0231\"", "200,7,2,\"0.16\""}}) {
        ASSERT_NE(older.find(shown), std::string::npos) << shown;
        older.replace(older.find(shown), shown.size(), before);
    }
    installation.WriteFile("older.wic", older);
    ASSERT_TRUE(again->JobFileLoad(Path("older.wic"), false));
    EXPECT_EQ(again->MSFlexGrid[200].TextMatrix(7, 1), "W/(m·K)");
    EXPECT_EQ(again->MSFlexGrid[200].TextMatrix(7, 2), "0.0231");
    EXPECT_FALSE(again->JobModified);

    w->RADIO[846].SetValue(true);
    EXPECT_EQ(walls.TextMatrix(7, 2), "0.16");
    EXPECT_EQ(products.TextMatrix(8, 2), "0.9");
    EXPECT_EQ(products.TextMatrix(11, 2), "2");
    EXPECT_EQ(w->UNITS[403].Caption(), "hp");
    EXPECT_EQ(w->TEXTBOX[412].Text(), "1000");
}

TEST_F(JobFile, RecordsTheLoaderPassesOver) {
    const std::string caption = w->LABEL[103].Caption();
    const std::string path =
        WriteJob("skipped.wic",
                 // A foreign header, captions, letters without a meaning, a unit system 0.
                 "\"# \",\"Other program\",9,9,9\r\n"
                 "\"C\",103,\"Number\",\"Changed caption\",\"\"\r\n"
                 "\"X\",103,\"1\",\"2\",\"\"\r\n"
                 "\"U\",103,\"TEMPERATURE\",0,\"\"\r\n"
                 "\"U\",102,\"TEMPERATURE\",2,\"\"\r\n"
                 // Row captions of the input grids are not read back; their unit cells are.
                 "\"G\",200,10,8,\"\"\r\n"
                 "200,2,0,\"Not the caption\",\"False\"\r\n"
                 "200,2,1,2,\"\"\r\n"
                 "200,3,1,0,\"\"\r\n"
                 // A field the window does not have: its steps are skipped.
                 "\"T\",999,\"1\",\"1\",#TRUE#\r\n"
                 "\"T\",0,\"kept\",\"kept\",#FALSE#\r\n");
    ASSERT_TRUE(w->JobFileLoad(path, false));
    EXPECT_EQ(w->LABEL[103].Caption(), caption);
    EXPECT_EQ(w->UNITS[103].Caption(), "°F");
    EXPECT_EQ(w->UNITS[102].Caption(), "°C");
    EXPECT_NE(w->MSFlexGrid[200].TextMatrix(2, 0), "Not the caption");
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(2, 1), "m");
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(3, 1), "ft");
    EXPECT_EQ(w->GetFieldValue(0), "kept");
    EXPECT_TRUE(installation.Machine().Messages().empty());
}

TEST_F(JobFile, TheDoorProtectionListKeepsOnlyAValidPositionOrGetsAverageCurtains) {
    const std::string average = "Strip curtains, average condition";
    struct Case {
        const char* record;
        int expected;
    } cases[] = {
        {"\"T\",625,\"SELECTLIST\",3,#FALSE#\r\n", 3},
        {"\"T\",625,\"SELECTLIST\",-1,#FALSE#\r\n", 1},
        {"\"T\",625,\"SELECTLIST\",5,#FALSE#\r\n", 1},
        {"\"T\",625,\"SELECTLIST\",\"none\",#FALSE#\r\n", 1},
        {"", 1},
    };
    for (const auto& c : cases) {
        w->OPTIONLIST[625].SetListIndex(4);
        ASSERT_TRUE(w->JobFileLoad(WriteJob("door.wic", c.record), false)) << c.record;
        EXPECT_EQ(w->OPTIONLIST[625].ListIndex(), c.expected) << c.record;
        EXPECT_EQ(w->TEXTBOX[625].Text(), w->OPTIONLIST[625].List(c.expected)) << c.record;
        EXPECT_FALSE(w->JobModified) << c.record;
    }
    EXPECT_EQ(w->OPTIONLIST[625].List(1), average);
}

TEST_F(JobFile, TheTemplateTakesTheUsersDetailsAJobFileItsOwn) {
    w->SaveSetting("TextBox701", "Glacier Refrigeration");
    w->SaveSetting("TextBox716", "");
    const std::string records = "\"T\",701,\"Job company\",\"Job company\",#FALSE#\r\n"
                                "\"T\",716,\"Job remark\",\"Job remark\",#FALSE#\r\n";
    ASSERT_TRUE(w->JobFileLoad(WriteJob("own.wic", records), false));
    EXPECT_EQ(w->GetFieldValue(701), "Job company");
    EXPECT_EQ(w->TEXTBOX[716].Text(), "Job remark");

    ASSERT_TRUE(w->JobFileLoad(WriteJob("opdata/other.fil", records), true));
    EXPECT_EQ(w->GetFieldValue(701), "Glacier Refrigeration");
    EXPECT_EQ(w->TEXTBOX[701].Text(), "Glacier Refrigeration");
    EXPECT_EQ(w->GetFieldValue(716), "");
}

TEST_F(JobFile, AJobFileBecomesTheCurrentJobTheTemplateANewOne) {
    const std::string path = WriteJob("Jobs/cold room.wic", "\"T\",0,\"x\",\"x\",#FALSE#\r\n");
    // Warnings of the job before.
    w->Banner.AddError("old");
    w->Banner.SetNotes({"notes"});
    w->EFRAME.Visible = true;
    w->Timer1.Enabled = true;
    ASSERT_TRUE(w->JobFileLoad(path, false));
    EXPECT_EQ(w->Banner.LineCount(), 0);
    EXPECT_FALSE(w->EFRAME.Visible);
    EXPECT_FALSE(w->Timer1.Enabled);
    EXPECT_EQ(w->CurrentJobFile, path);
    EXPECT_EQ(w->Window.Caption, w->BaseCaption + "    \"" + path + "\"");
    EXPECT_TRUE(w->CFRAME[2].Visible);
    EXPECT_TRUE(w->FRAME[1].Visible) << "the first page is shown";
    EXPECT_EQ(w->platform.GetSetting(w->RegistryAppName, w->FileHistorySection, "0File", ""), path);
    EXPECT_FALSE(w->JobModified);

    // The extension alone decides: any other one is a template.
    ASSERT_TRUE(w->JobFileLoad(w->DefaultJobFile, true));
    EXPECT_TRUE(w->CurrentJobFile.empty());
    EXPECT_EQ(w->Window.Caption, w->BaseCaption);
    EXPECT_FALSE(w->CFRAME[2].Visible);
    EXPECT_EQ(w->HINTBOX.Caption(), "");
}

TEST_F(JobFile, AFirstProductWithoutANumberIsTheDefaultProduct) {
    ASSERT_TRUE(w->JobFileLoad(WriteJob("p.wic", "300,0,2,\"\",\"False\"\r\n"), false));
    EXPECT_EQ(w->MSFlexGrid[300].TextMatrix(0, 2), w->StringTable[11]);
    ASSERT_TRUE(w->JobFileLoad(WriteJob("p.wic", "300,0,2,\"7\",\"False\"\r\n"), false));
    EXPECT_EQ(w->MSFlexGrid[300].TextMatrix(0, 2), "7");
}

TEST_F(JobFile, TheOptionButtonsGovernWhatIsShownAfterLoading) {
    ASSERT_TRUE(w->JobFileLoad(WriteJob("v.wic", "\"R\",204,\"\",#TRUE#,\"False\"\r\n"
                                                 "\"R\",602,\"\",#TRUE#,\"True\"\r\n"),
                               false));
    EXPECT_FALSE(w->MSFlexGrid[200].Visible);
    EXPECT_EQ(w->MSFlexGrid[200].Cols(), 2);
    EXPECT_TRUE(w->CFRAME[200].Visible);
    EXPECT_FALSE(w->CFRAME[4].Visible);
    EXPECT_FALSE(w->BUTT[17].Visible);
    for (int n : {13, 14, 15})
        EXPECT_TRUE(w->TEXTBOX[n].Visible) << n;
    EXPECT_TRUE(w->CFRAME[603].Visible);
    EXPECT_FALSE(w->CFRAME[601].Visible);
    EXPECT_EQ(w->CFRAME[600].ForeColor, w->Colours.Override);

    ASSERT_TRUE(w->JobFileLoad(WriteJob("v.wic", "\"R\",202,\"\",#TRUE#,\"False\"\r\n"), false));
    EXPECT_TRUE(w->MSFlexGrid[200].Visible);
    EXPECT_TRUE(w->Geometry[2].Visible);
    EXPECT_FALSE(w->Geometry[0].Visible);
    for (int n : {13, 14, 15})
        EXPECT_FALSE(w->TEXTBOX[n].Visible) << n;
}

TEST(JobFileExchange, DecimalCommaAndDecimalPointMachinesReadEachOthersJobs) {
    for (char saver : {',', '.'}) {
        const char reader = saver == ',' ? '.' : ',';
        Installation from;
        from.Machine().SetDecimalSeparator(saver);
        auto a = from.Start();
        a->UNITS_Click(103);
        a->SetCellValue(300, 3, 2, "1234.5");
        const std::string path = (from.Folder() / "exchange.wic").string();
        ASSERT_TRUE(a->JobFileSave(path));

        Installation to;
        to.Machine().SetDecimalSeparator(reader);
        auto b = to.Start();
        ASSERT_TRUE(b->JobFileLoad(path, false));
        int compared = 0;
        for (auto& [n, box] : a->TEXTBOX) {
            if (n >= 700 || !a->IsNumeric(box.Tag) || box.Tag.empty()) continue;
            ++compared;
            EXPECT_EQ(ParseNumber(b->TEXTBOX[n].Tag, reader), ParseNumber(box.Tag, saver)) << n;
            EXPECT_EQ(ParseNumber(b->TEXTBOX[n].Text(), reader), ParseNumber(box.Text(), saver))
                << n;
        }
        EXPECT_GT(compared, 50);
        EXPECT_NE(b->TEXTBOX[561].Text().find(reader), std::string::npos);
        EXPECT_EQ(*ParseNumber(b->GetCellValue(300, 3, 2), reader), 1234.5);
        EXPECT_EQ(b->UNITS[103].Caption(), "°C");
        EXPECT_TRUE(to.Machine().Messages().empty());
    }
}

} // namespace
} // namespace tw::test
