// SPDX-License-Identifier: MIT
// Saving a job: every text field with its unit, every option button and every grid cell as one
// line of the job notation each. The file is written whole beside the target and renamed over
// it, so a failed save never leaves a half-written job where a good one was.
#include "frm/frm_main.h"
#include "jobs/job_notation.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/text_file.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace tw {

namespace {

const char* MarkText(bool overridden) {
    return overridden ? "True" : "False";
}

class JobWriter {
public:
    explicit JobWriter(FrmMain& w) : w_(w) {}

    std::string Text(const std::string& path) {
        Line({NotationText("# "), NotationText("Tarnwell"), Version(0), Version(1), Version(2)});
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        Line({NotationText("* "), NotationText(path),
              NotationDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
              NotationTime(local.tm_hour, local.tm_min, local.tm_sec), NotationText("")});
        Fields();
        Radios();
        Grids();
        return text_;
    }

    // The characters of the texts a load gives back that the file cannot keep.
    const std::vector<std::string>& Lost() const { return lost_; }

private:
    void Line(const std::vector<NotationValue>& fields) {
        text_ += Utf8ToAnsi(WriteNotationLine(fields));
        text_ += "\r\n";
    }

    NotationValue Version(std::size_t i) const {
        return NotationWhole(i < w_.Version.size() ? w_.Version[i] : 0);
    }

    // Fields 720 and 721 and the settings page (800s) belong to the user, not to the job.
    void Fields() {
        for (auto& [n, unit] : w_.UNITS) {
            if (n == field::Licensee || n == field::LicenceCode || field::OfSettings(n)) continue;
            const Label& label = w_.LABEL[n];
            Line({NotationText("C"), NotationWhole(n), NotationText(HideQuotes(label.Tag)),
                  NotationText(HideQuotes(label.Caption())), NotationText("")});
            const NotationValue mark = NotationTruth(w_.IsUserEntered(n));
            if (UpperCase(label.Tag) == "SELECTLIST") {
                Line({NotationText("T"), NotationWhole(n), NotationText("SELECTLIST"),
                      NotationWhole(w_.OPTIONLIST[n].ListIndex()), mark});
            } else {
                const TextBox& box = w_.TEXTBOX[n];
                CharactersAJobCannotKeep(box.Tag, lost_);
                CharactersAJobCannotKeep(box.Text(), lost_);
                Line({NotationText("T"), NotationWhole(n), NotationText(HideQuotes(box.Tag)),
                      NotationText(HideQuotes(box.Text())), mark});
            }
            Line({NotationText("U"), NotationWhole(n), NotationText(HideQuotes(unit.Tag)),
                  NotationWhole(w_.FieldUnitSystem(n)), NotationText("")});
        }
    }

    void Radios() {
        for (auto& [n, radio] : w_.RADIO) {
            const bool overridden = w_.Marks.Group(radio.container);
            Line({NotationText("R"), NotationWhole(n), NotationText(HideQuotes(radio.Caption)),
                  NotationTruth(radio.Value()), NotationText(MarkText(overridden))});
        }
    }

    // Column by column; column 1 of the input grids holds the row's unit, written as its
    // unit system.
    void Grids() {
        for (auto& [g, grid] : w_.MSFlexGrid) {
            Line({NotationText("G"), NotationWhole(g), NotationWhole(grid.Rows()),
                  NotationWhole(grid.Cols()), NotationText("")});
            for (int c = 0; c < grid.Cols(); ++c) {
                for (int r = 0; r < grid.Rows(); ++r) {
                    if (c == tw::grid::UnitCol && tw::grid::IsInput(g)) {
                        Line({NotationWhole(g), NotationWhole(r), NotationWhole(1),
                              NotationWhole(w_.GridRowUnitSystem(g, r)), NotationText("")});
                        continue;
                    }
                    const GridCell& cell = grid.Cell(r, c);
                    // Column 0 of the input grids holds row captions, never read back.
                    if (c > tw::grid::UnitCol || !tw::grid::IsInput(g))
                        CharactersAJobCannotKeep(cell.text, lost_);
                    Line({NotationWhole(g), NotationWhole(r), NotationWhole(c),
                          NotationText(HideQuotes(cell.text)),
                          NotationText(MarkText(cell.entered))});
                }
            }
        }
    }

    FrmMain& w_;
    std::string text_;
    std::vector<std::string> lost_;
};

// Tells the user which characters of the job's texts the file cannot keep; true when the
// job is to be saved all the same.
bool AcceptLostCharacters(FrmMain& w, const std::vector<std::string>& lost) {
    if (lost.empty()) return true;
    std::string list;
    for (const std::string& c : lost)
        list += (list.empty() ? "" : "  ") + c;
    w.LogWrite("JobFileSave: characters a job file cannot keep: " + list);
    const auto& message = w.MessageTable.at(23);
    return w.MessageBox(message[0], message[1] + "\n\n" + list, mb::YesNo + 48) == mb::Yes;
}

int UnitSystemOf(const FrmMain& w, const std::string& kind, const std::string& shown) {
    const int u = w.FindUnit(kind);
    if (u < 0) return 0;
    return shown == w.UnitTable[static_cast<std::size_t>(u)][2] ? 1 : 2;
}

} // namespace

int FrmMain::FieldUnitSystem(int n) {
    return UnitSystemOf(*this, UNITS[n].Tag, UNITS[n].Caption());
}

int FrmMain::GridRowUnitSystem(int grid, int row) {
    return UnitSystemOf(*this, RowUnitKind(grid, row), MSFlexGrid[grid].TextMatrix(row, 1));
}

bool FrmMain::JobFileSave(const std::string& path) {
    LogWrite(">JobFileSave");
    std::string text;
    std::string failure;
    try {
        JobWriter writer(*this);
        text = writer.Text(path);
        if (!AcceptLostCharacters(*this, writer.Lost())) {
            LogWrite("JobFileSave: not saved");
            return false;
        }
        errno = 0;
        if (!WriteFileAtomically(path, text)) {
            const int error = errno ? errno : EIO;
            failure = std::to_string(error) + ", " + std::strerror(error);
        }
    } catch (const std::exception& e) {
        failure = "0, " + std::string(e.what());
    }
    if (!failure.empty()) {
        LogWrite("*** JobFileSave *** " + failure);
        MessageError(3);
        return false;
    }
    HINTBOX.SetCaption(StringTable.size() > 7 ? StringTable[7] : std::string());
    HINTBOX.Visible = true;
    JobModified = false;
    CurrentJobFile = path;
    SaveFileHistory();
    // The title names the file, as after opening it.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    Window.Caption = BaseCaption + "    \"" + (ec ? path : full.string()) + "\"";
    CFRAME[frame::CurrentJob].Visible = true;
    return true;
}

} // namespace tw
