// SPDX-License-Identifier: MIT
// Helpers of the job-file tests: the typical new job as a user would enter it, the state a job
// file must carry over, and the records of a job file.
#pragma once

#include "jobs/job_notation.h"
#include "shell/ansi.h"
#include "shell/text_file.h"
#include "support/installation.h"
#include "support/typing.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tw::test {

// The index of a list item, failing the test when the list does not hold it.
inline int ItemIndex(const ListBox& list, const std::string& item) {
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == item) return i;
    ADD_FAILURE() << "no list item '" << item << "'";
    return -1;
}

inline void Choose(FrmMain& w, int list, const std::string& item) {
    int i = ItemIndex(w.OPTIONLIST[list], item);
    if (i >= 0) w.OPTIONLIST[list].SetListIndex(i);
}

// Fields set in the order given, as if the user filled them one after the other.
inline void SetFields(FrmMain& w, std::initializer_list<std::pair<int, const char*>> values) {
    for (const auto& [n, value] : values)
        w.SetFieldValue(n, value);
}

// A product column filled from its product-table row, as choosing group and product does.
inline void SetProduct(FrmMain& w, int col, const std::string& group, const std::string& name,
                       const std::string& weightPerDay) {
    Grid& g = w.MSFlexGrid[300];
    if (g.Cols() <= col) g.SetCols(col + 1);
    w.SetCellValue(300, 0, col, std::to_string(col - 1));
    const DataTable& table = w.Tables.Products();
    for (int r = 1; r <= table.Rows(); ++r) {
        if (table.Cell(1, r) != group || table.Cell(2, r) != name) continue;
        const int rows[] = {1, 2, 10, 7, 8, 9, 11};
        for (int k = 0; k < 7; ++k)
            w.SetCellValue(300, rows[k], col, table.Cell(k + 1, r));
    }
    EXPECT_EQ(g.TextMatrix(2, col), name) << "no product " << group << " / " << name;
    w.SetCellValue(300, 3, col, weightPerDay);
    const float room = w.FieldNumber(312);
    w.SetCellValue(300, 4, col, w.NumberText(room + 10, 7));
    w.SetCellValue(300, 5, col, w.NumberText(room, 7));
    w.SetCellValue(300, 6, col, "24");
    w.SetCellValue(300, 12, col, "1");
}

// The typical new job: a 4-wall cooler at 35 °F, 20 × 10 × 8 ft, 95 °F outside, inside a
// building, apples brought in at 45 °F, an outdoor R404A condensing unit on 400 V 50 Hz and
// a low-profile cooler with electric defrost. Entered the way a user would, then calculated.
inline void EnterTypicalCooler(FrmMain& w) {
    SetFields(w, {{0, "New job"}, {101, "Cooler"}});
    for (int n : {1, 2, 3, 4, 5, 105, 106, 110, 410, 413, 416, 419})
        w.SetFieldValue(n, "");

    w.RADIO[100].SetValue(true);
    TypeInto(w, 102, "95");
    TypeInto(w, 103, "35");
    w.BUTT_Click(2);
    w.RADIO[200].SetValue(true);
    TypeInto(w, 13, "20");
    TypeInto(w, 14, "10");
    TypeInto(w, 15, "8");

    // One product and the free column after it that a further product goes into.
    w.MSFlexGrid[300].SetCols(4);
    SetProduct(w, 2, "Fruit", "Apples", "1500");
    w.SetCellValue(300, 0, 3, "2");

    // Lighting, motors, people and further heat sources.
    SetFields(
        w, {{400, "1"}, {402, "6"}, {405, "24"}, {406, "1"}, {407, "2"}, {408, "0"}, {409, "0"}});
    for (int n : {411, 412, 414, 415, 417, 418, 420, 421})
        w.SetFieldValue(n, "0");

    // Infiltration by air changes in normal use; door and ventilation data ready for the
    // other two methods.
    w.RADIO[600].SetValue(true);
    w.RADIO[603].SetValue(true);
    SetFields(w, {{641, "50"}, {659, "0"}, {669, "0"}, {619, "1"}});
    SetFields(w, {{620, "3"}, {621, "7"}, {622, "0.8"}, {623, "50"}});
    Choose(w, 625, "Strip curtains, average condition");
    w.SetFieldValue(640, "0");

    // Equipment.
    SetFields(w, {{506, "10"}, {502, "10"}, {500, "95"}, {525, "105"}});
    Choose(w, 504, "R404A (GWP 3922, AR4)");
    Choose(w, 520, "Air-cooled, outdoors");
    Choose(w, 521, "400 V 3~ 50 Hz");
    w.SetFieldValue(522, "1");
    Choose(w, 540, "Low-profile cooler");
    Choose(w, 541, "Electric defrost, 50 Hz");
    w.SetFieldValue(542, "1");
    // The calculation writes the room volume as the shown text of its field, whose change
    // handling stores it; starting from an empty field makes sure it is stored.
    w.TEXTBOX[213].SetText("");
    w.Calculate();
}

// A job as a user makes it: another box type, other units, a typed-over result, a typed outer
// temperature, list choices, several products and quotes in texts.
inline void ChangeTheJob(FrmMain& w, int boxType) {
    if (boxType == 204) {
        w.BUTT_Click(2);
        w.BUTT_Click(17);
    } else {
        w.BUTT_Click(2);
        w.RADIO[boxType].SetValue(true);
    }
    if (boxType == 201) {
        TypeCell(w, 200, 2, 2, "30");
        TypeCell(w, 200, 2, 3, "12");
        TypeCell(w, 200, 3, 2, "9");
        TypeCell(w, 200, 8, 4, "70");
    }
    if (boxType == 203) {
        TypeCell(w, 200, 2, 2, "12");
    }
    TypeInto(w, 0, "Store \"North\" 2");
    TypeInto(w, 1, "O\"Brien & Sons, Ltd.");
    w.UNITS_Click(103);
    w.UNITS_Click(13);
    w.BUTT_Click(8);
    w.RADIO[845].SetValue(true);
    TypeInto(w, 503, "12000");
    w.BUTT_Click(5);
    w.RADIO[501].SetValue(true);
    Choose(w, 504, "R449A (GWP 1397, AR4)");
    w.BUTT_Click(6);
    w.RADIO[601].SetValue(true);
    Choose(w, 625, "Air curtain");
    SetProduct(w, 3, "Fruit", "Pears", "800");
    SetProduct(w, 4, "Fruit", "Apples", "250.5");
    w.MSFlexGrid[300].SetCols(6);
    w.SetCellValue(300, 0, 5, "4");
}

// What a job file carries over, as the user sees it: values, shown texts, list selections,
// unit labels, option buttons, the override marks, grid sizes and cells.
struct JobState {
    std::map<int, std::string> stored, shown, unit;
    std::map<int, int> listIndex;
    std::map<int, bool> fieldMark, radio, radioMark;
    std::map<int, std::pair<int, int>> gridSize;
    std::map<std::string, std::string> cells;
    std::map<std::string, bool> cellMark;
};

inline JobState Snapshot(FrmMain& w) {
    JobState s;
    for (auto& [n, unit] : w.UNITS) {
        if (n == 720 || n == 721 || n >= 800) continue;
        if (UpperCase(w.LABEL[n].Tag) == "SELECTLIST")
            s.listIndex[n] = w.OPTIONLIST[n].ListIndex();
        else
            s.stored[n] = w.TEXTBOX[n].Tag;
        s.shown[n] = w.TEXTBOX[n].Text();
        s.unit[n] = unit.Caption();
        s.fieldMark[n] = w.IsUserEntered(n);
    }
    for (auto& [n, radio] : w.RADIO) {
        s.radio[n] = radio.Value();
        s.radioMark[n] = w.Marks.Group(radio.container);
    }
    for (auto& [g, grid] : w.MSFlexGrid) {
        s.gridSize[g] = {grid.Rows(), grid.Cols()};
        // Row captions come from the resource file, not from the job.
        for (int c = g < 500 ? 1 : 0; c < grid.Cols(); ++c)
            for (int r = 0; r < grid.Rows(); ++r) {
                const std::string key =
                    std::to_string(g) + ":" + std::to_string(r) + ":" + std::to_string(c);
                const GridCell& cell = grid.Cell(r, c);
                s.cells[key] = cell.text;
                s.cellMark[key] = cell.entered;
            }
    }
    return s;
}

template <class K, class V>
void ExpectSameMap(const std::map<K, V>& before, const std::map<K, V>& after, const char* what) {
    EXPECT_EQ(before.size(), after.size()) << what;
    for (const auto& [key, value] : before) {
        auto it = after.find(key);
        if (it == after.end()) {
            ADD_FAILURE() << what << " " << key << " missing";
            continue;
        }
        EXPECT_EQ(value, it->second) << what << " " << key;
    }
}

inline void ExpectSameState(const JobState& before, const JobState& after) {
    ExpectSameMap(before.stored, after.stored, "stored value of field");
    ExpectSameMap(before.shown, after.shown, "shown text of field");
    ExpectSameMap(before.unit, after.unit, "unit of field");
    ExpectSameMap(before.listIndex, after.listIndex, "list selection of field");
    ExpectSameMap(before.fieldMark, after.fieldMark, "override mark of field");
    ExpectSameMap(before.radio, after.radio, "option button");
    ExpectSameMap(before.radioMark, after.radioMark, "override mark of option button");
    ExpectSameMap(before.gridSize, after.gridSize, "size of grid");
    ExpectSameMap(before.cells, after.cells, "cell");
    ExpectSameMap(before.cellMark, after.cellMark, "override mark of cell");
}

using JobRecord = std::array<std::string, 5>;

// The records of a job file, five fields each.
inline std::vector<JobRecord> ReadJobRecords(const std::filesystem::path& path) {
    std::vector<JobRecord> records;
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        ADD_FAILURE() << "cannot read " << path;
        return records;
    }
    auto fields = ReadNotationFields(AnsiToUtf8(*bytes));
    EXPECT_EQ(fields.size() % 5, 0u) << path;
    for (std::size_t i = 0; i + 5 <= fields.size(); i += 5)
        records.push_back({fields[i].text, fields[i + 1].text, fields[i + 2].text,
                           fields[i + 3].text, fields[i + 4].text});
    return records;
}

// One window on a scratch installation, with the helpers the job, history and report tests
// share.
class JobFixture : public ::testing::Test {
protected:
    Installation installation;
    std::unique_ptr<FrmMain> w = installation.Start();
    Headless& machine = installation.Machine();

    std::string Path(const std::string& name) { return (installation.Folder() / name).string(); }
    // A job file of the given records after a header.
    std::string WriteJob(const std::string& name, const std::string& records) {
        installation.WriteFile(name, "\"# \",\"Tarnwell\",1,0,0\r\n" + records);
        return Path(name);
    }
    // A job file that holds only its job name.
    std::string Job(const std::string& name, const std::string& jobName) {
        return WriteJob(name, "\"T\",0,\"" + jobName + "\",\"" + jobName + "\",#FALSE#\r\n");
    }
    // A job file in the jobs folder named after itself.
    std::string Job(const std::string& name) { return Job("jobs/" + name, name); }
    bool Saved(const JobRecord& wanted, const std::string& path) {
        for (const auto& r : ReadJobRecords(path))
            if (r == wanted) return true;
        return false;
    }
    void Modify() {
        TypeInto(*w, 101, "Changed room");
        ASSERT_TRUE(w->JobModified);
    }
    // The last message shown was message n with these buttons.
    void ExpectAsked(int n, int buttons) {
        ASSERT_FALSE(machine.Messages().empty());
        EXPECT_EQ(machine.Messages().back().title, w->MessageTable[static_cast<std::size_t>(n)][0]);
        EXPECT_EQ(machine.Messages().back().prompt,
                  w->MessageTable[static_cast<std::size_t>(n)][1]);
        EXPECT_EQ(machine.Messages().back().buttons, buttons);
    }
    std::string Setting(const std::string& key) { return w->GetSetting(key, "<absent>"); }
    // Entry i of the recent files in the settings store.
    std::string Key(int i) {
        return w->platform.GetSetting(w->RegistryAppName, w->FileHistorySection,
                                      std::to_string(i) + "File", "<absent>");
    }
    void SetKey(int i, const std::string& value) {
        w->platform.SaveSetting(w->RegistryAppName, w->FileHistorySection,
                                std::to_string(i) + "File", value);
    }
    static bool Holds(const std::vector<std::string>& lines, const std::string& text) {
        for (const std::string& line : lines)
            if (line.find(text) != std::string::npos) return true;
        return false;
    }
    static std::string Read(const std::string& path) {
        auto bytes = ReadFileBytes(path);
        return bytes ? *bytes : std::string();
    }
};

} // namespace tw::test
