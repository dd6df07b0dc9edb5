// SPDX-License-Identifier: MIT
// Loading a job file (or the template job) into the window: each line is one record of five
// fields; the records put back the fields' values and units, the option buttons, the grid sizes
// and cells. Afterwards the first product, the visibility that follows the option buttons and
// the caption are put right, and a job file becomes the current job.
#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "jobs/job_notation.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/text_file.h"

#include <array>
#include <climits>
#include <filesystem>
#include <optional>

namespace tw {

namespace {

// Why a load stops, with the classic error number and description for the log.
struct LoadError {
    int number;
    std::string description;
};

// Grid sizes beyond these are damage, not a job: a grid this large would only exhaust memory.
constexpr int kMaxGridLines = 10000;
constexpr long long kMaxGridCells = 350000;

// The input grids have a row for every caption and their caption and unit columns; the
// result grids every result column. A job with less is damaged: the window would reach past its
// end.
int MinimumRows(int g) {
    if (g == grid::Surfaces) return grid::surface::Load + 1;
    if (g == grid::Products) return grid::product::Load + 1;
    return 0;
}
int MinimumCols(int g) {
    return grid::IsInput(g) ? grid::FirstItemCol : grid::result::CatalogueRecord + 1;
}

// The five-field records of the file; a record is one line of exactly five fields.
std::vector<std::array<std::string, 5>> ReadRecords(const std::string& bytes) {
    const std::vector<NotationField> fields = ReadNotationFields(AnsiToUtf8(bytes));
    if (fields.empty()) throw LoadError{62, "Input past end of file"};
    std::vector<std::array<std::string, 5>> records;
    for (std::size_t i = 0; i < fields.size(); i += 5) {
        if (i + 5 > fields.size()) throw LoadError{62, "Input past end of file"};
        std::array<std::string, 5> record;
        for (std::size_t k = 0; k < 5; ++k) {
            const NotationField& f = fields[i + k];
            const bool last = k == 4;
            if (!f.closed || (f.end == NotationField::End::Comma) == last)
                throw LoadError{62, "Bad record on line " + std::to_string(fields[i].line)};
            record[k] = f.text;
        }
        records.push_back(std::move(record));
    }
    return records;
}

class JobReader {
public:
    JobReader(FrmMain& w, bool isTemplate) : w_(w), template_(isTemplate) {}

    void Apply(std::array<std::string, 5> f) {
        f[2] = RestoreQuotes(f[2]);
        f[3] = RestoreQuotes(f[3]);
        if (IsNumber(f[1])) n_ = Whole(f[1]);
        // The template takes the user's own details as last entered, not its own.
        if (template_ && n_ >= field::UserFieldsFirst && n_ <= field::UserFieldsLast) {
            f[2] = w_.GetSetting("TextBox" + std::to_string(n_), "");
            f[3] = f[2];
        }
        const char kind = f[0].empty() ? '\0' : f[0][0];
        // The settings page belongs to the user: its fields are not part of a job, and the
        // template leaves the user's unit systems alone.
        if ((kind == 'C' || kind == 'T' || kind == 'U') && field::OfSettings(n_)) return;
        if (kind == 'R' && template_ && n_ >= option::ImperialLength && n_ <= option::Watts) return;
        if (kind == 'U')
            Unit(f[3]);
        else if (kind == 'T')
            Text(f[2], f[3], f[4]);
        else if (kind == 'R')
            Radio(f[3], f[4]);
        else if (kind == 'G')
            GridSize(f[2], f[3]);
        else if (kind >= '0' && kind <= '9')
            Cell(Whole(f[0]), Whole(f[1]), Whole(f[2]), f[3], f[4]);
        // "#" header, "*" information, "C" captions and anything else: nothing to apply.
    }

private:
    // A step on a control the window does not have is skipped; the record goes on.
    template <class Step> void Try(Step step) {
        try {
            step();
        } catch (const NoSuchControl&) {
        }
    }

    bool IsNumber(const std::string& text) const { return w_.IsNumeric(w_.NormalizeDecimal(text)); }

    int Whole(const std::string& text) const {
        auto value = ParseNumber(w_.NormalizeDecimal(text), w_.Decimal());
        if (!value) throw LoadError{13, "Type mismatch: '" + text + "'"};
        const double rounded = RoundHalfEven(*value);
        if (rounded < INT_MIN || rounded > INT_MAX) throw LoadError{6, "Overflow: '" + text + "'"};
        return static_cast<int>(rounded);
    }

    // 1 or 2 when the text names a unit system, else 0.
    int UnitSystem(const std::string& text) const {
        if (!IsNumber(text)) return 0;
        const int system = Whole(text);
        return system == 1 || system == 2 ? system : 0;
    }

    void Unit(const std::string& system) {
        Try([&] {
            Label& unit = w_.UNITS[n_];
            if (UpperCase(unit.Tag) == "NONE") return;
            const int s = UnitSystem(system);
            if (s) unit.SetCaption(w_.UnitText(unit.Tag, s == 2));
        });
    }

    void Text(const std::string& stored, const std::string& shown, const std::string& mark) {
        Try([&] { w_.TEXTBOX[n_].Tag = w_.NormalizeDecimal(stored); });
        Try([&] { w_.TEXTBOX[n_].SetText(w_.NormalizeDecimal(shown)); });
        Try([&] { w_.MarkField(n_, mark == "#TRUE#"); });
        if (stored != "SELECTLIST" || !IsNumber(shown)) return;
        Try([&] {
            ListBox& list = w_.OPTIONLIST[n_];
            const double position = *ParseNumber(w_.NormalizeDecimal(shown), w_.Decimal());
            if (position > -1 && position < list.ListCount()) list.SetListIndex(Whole(shown));
        });
    }

    void Radio(const std::string& value, const std::string& mark) {
        Try([&] { w_.RADIO[n_].SetValue(value == "#TRUE#"); });
        Try([&] { w_.MarkGroup(w_.RADIO[n_].container, UpperCase(mark) == "TRUE"); });
    }

    void GridSize(const std::string& rows, const std::string& cols) {
        Try([&] {
            Grid& grid = w_.MSFlexGrid[n_];
            const int r = Whole(rows);
            const int c = Whole(cols);
            if (r < MinimumRows(n_) || c < MinimumCols(n_) || r > kMaxGridLines ||
                c > kMaxGridLines || static_cast<long long>(r) * c > kMaxGridCells)
                throw LoadError{380, "Invalid grid size " + rows + " x " + cols};
            grid.SetRows(r);
            grid.SetCols(c);
        });
    }

    void Cell(int g, int r, int c, const std::string& text, const std::string& mark) {
        Try([&] {
            Grid& grid = w_.MSFlexGrid[g];
            GridCell& cell = grid.Cell(r, c);
            if (c > tw::grid::UnitCol || !tw::grid::IsInput(g)) {
                cell.text = w_.NormalizeDecimal(text);
            } else if (c == 1) {
                // The row's unit comes back as the label of its unit system.
                if (const int s = UnitSystem(text))
                    cell.text = w_.UnitText(w_.RowUnitKind(g, r), s == 2);
            }
            // Column 0 holds the row captions of the resource file; the file's are not used.
            grid.Row = r;
            grid.Col = c;
            // The grid's own colours, whatever the scheme; a typed-over cell is marked.
            cell.fore = kNoColour;
            w_.MarkCell(g, r, c, UpperCase(mark) == "TRUE");
        });
    }

    FrmMain& w_;
    const bool template_;
    int n_ = 0;
};

// Runs a step that belongs to the load: whatever it changes, the job counts as unchanged.
template <class Step> void AsPartOfTheLoad(FrmMain& w, Step step) {
    const bool modified = w.JobModified;
    const bool saveShown = w.BUTT[button::SaveJob].Visible;
    const bool jobShown = w.CFRAME[frame::CurrentJob].Visible;
    step();
    w.JobModified = modified;
    w.BUTT[button::SaveJob].Visible = saveShown;
    w.CFRAME[frame::CurrentJob].Visible = jobShown;
}

bool LoadFailed(FrmMain& w, const std::string& reason) {
    w.LogWrite("*** JobFilePrint *** " + reason);
    w.MessageError(16);
    return false;
}

// A job without a door protection of its own gets the average strip curtains: every entry
// whose value is AVERAGECURTAINS is chosen in turn, the last one stays. Part of the load, so
// the choice neither recalculates nor counts as a change.
void SelectAverageCurtains(FrmMain& w) {
    if (!w.OPTIONLIST.Exists(list::DoorProtection) ||
        w.OPTIONLIST[list::DoorProtection].ListIndex() >= 0)
        return;
    ListBox& list = w.OPTIONLIST[list::DoorProtection];
    const ListBox& values = w.OPTIONVALUE[list::DoorProtection];
    auto average = w.Constants.find("AVERAGECURTAINS");
    const float wanted = average == w.Constants.end() ? 0.0f : average->second;
    AsPartOfTheLoad(w, [&] {
        FlagScope loading(w.IsLoading);
        for (int i = 0; i < values.ListCount() && i < list.ListCount(); ++i) {
            auto value = ParseNumber(w.NormalizeDecimal(values.List(i)), w.Decimal());
            if (value && static_cast<float>(*value) == wanted) list.SetListIndex(i);
        }
        const int chosen = list.ListIndex();
        w.TEXTBOX[field::DoorProtection].SetText(chosen >= 0 ? list.List(chosen) : std::string());
    });
}

// Reads the records of a job file into the window; the reason when that failed.
std::string ReadJobInto(FrmMain& w, const std::string& bytes, bool templateFile) {
    try {
        if (w.OPTIONLIST.Exists(list::DoorProtection))
            w.OPTIONLIST[list::DoorProtection].SetListIndex(-1);
        JobReader reader(w, templateFile);
        for (const auto& record : ReadRecords(bytes))
            reader.Apply(record);

        // A job saved in another language shows its lists' texts in this one.
        w.RelocaliseJob();

        // A first product column without a number is the default product.
        const std::string& first =
            w.MSFlexGrid[grid::Products].TextMatrix(grid::product::Number, grid::FirstItemCol);
        if (first.empty() || !w.IsNumeric(first))
            w.SetCellValue(grid::Products, grid::product::Number, grid::FirstItemCol,
                           w.StringText(11));
    } catch (const LoadError& e) {
        return std::to_string(e.number) + ", " + e.description;
    } catch (const SubscriptOutOfRange& e) {
        return "9, " + std::string(e.what());
    } catch (const std::exception& e) {
        return "5, " + std::string(e.what());
    }
    return std::string();
}

} // namespace

bool FrmMain::JobFileLoad(const std::string& path, bool isTemplate) {
    LogWrite(">JobFileLoad(" + path + ", " + (isTemplate ? "True" : "False") + ")");
    std::optional<std::string> bytes;
    if (RegularFileExists(path)) bytes = ReadFileBytes(path);
    if (!bytes) return LoadFailed(*this, "53, File not found: " + path);
    return JobFileLoadBytes(*bytes, path);
}

bool FrmMain::JobFileLoadBytes(const std::string& bytes, const std::string& path) {
    // The kind of file follows from its extension alone.
    const bool templateFile = LowerCase(Right(path, 4)) != "." + JobFileExtension;
    std::string failure;
    {
        FlagScope loading(IsLoading);
        failure = ReadJobInto(*this, bytes, templateFile);
    }
    if (!failure.empty()) return LoadFailed(*this, failure);
    JobModified = false;
    Banner.Active = false;
    // The warnings of the previous job no longer apply.
    Banner.Clear();
    Banner.Scroll = 0;
    EFRAME.Visible = false;
    Timer1.Enabled = false;
    AutoSizeTable(grid::Surfaces);
    AutoSizeTable(grid::Products);

    // What the option buttons govern: dimension fields, drawings, method frames, the grid.
    ApplyRadioVisibility();
    MSFlexGrid[grid::Surfaces].FixedRows = RADIO[option::SurfaceList].Value() ? 1 : 2;
    // A new job shows its values in the units the user chose on the settings page.
    if (templateFile)
        AsPartOfTheLoad(*this, [this] {
            for (int n :
                 {option::ImperialLength, option::Fahrenheit, option::Pounds, option::BtuPerHour})
                ApplyUnitSystem(n);
        });
    else
        AsPartOfTheLoad(*this, [this] { AlignRowsWithoutMaster(); });
    // The banner notes what the job's own equipment choice leaves open.
    AsPartOfTheLoad(*this, [this] { UpdateEquipmentNotes(); });

    // The focused field now shows the job's own text: leaving it is no edit of the user's.
    if (HasFocus() && ActiveControl().array == ArrayId::TEXTBOX) {
        LastText = TEXTBOX[ActiveControl().index].Text();
        FocusValue = TEXTBOX[ActiveControl().index].Tag;
    }

    if (LowerCase(Right(path, 3)) == JobFileExtension) {
        std::error_code ec;
        std::filesystem::path full = std::filesystem::absolute(path, ec);
        const std::string job = ec ? path : full.string();
        HINTBOX.SetCaption(StringText(6));
        CFRAME[frame::CurrentJob].Visible = true;
        CurrentJobFile = job;
        SaveFileHistory();
        Window.Caption = BaseCaption + "    \"" + job + "\"";
        BUTT_Click(button::JobData);
    } else {
        HINTBOX.SetCaption("");
        CFRAME[frame::CurrentJob].Visible = false;
        CurrentJobFile.clear();
        Window.Caption = BaseCaption;
    }

    SelectAverageCurtains(*this);
    return true;
}

} // namespace tw
