// SPDX-License-Identifier: MIT
// The resource (language) file: every text the user reads, the unit table and the
// engineering constants. Each line is one record; a record that fails is skipped and reading
// goes on, so a damaged file never stops the program.
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "ui/pictures.h"
#include "ui/scheme_files.h"

#include <cmath>
#include <set>

namespace tw {

namespace {

const std::set<std::string> kConstantNames = {"HEAVYUSAGE",
                                              "LONGSTORAGE",
                                              "NORMALUSE",
                                              "DOCKPOWER",
                                              "ENTHALPYCONSTANT",
                                              "VENTCONSTANT",
                                              "INTERNALRH",
                                              "ESTIMATEDRH",
                                              "PEOPLEPOWER",
                                              "FORKLIFTPOWER",
                                              "LATENTCONSTANT",
                                              "DEFAULTWEIGHTT",
                                              "DEFAULTWEIGHTK1",
                                              "DEFAULTWEIGHTK2",
                                              "MINBOXTEMP",
                                              "MINAMBIENT",
                                              "MAXAMBIENT",
                                              "MAXDOORS",
                                              "MAXMOTORHP",
                                              "FACTOROFSAFETY",
                                              "MININFILTTEMP",
                                              "MAXINFILTTEMP",
                                              "PLAUSIBLEMINOUTSIDE",
                                              "PLAUSIBLEMAXOUTSIDE",
                                              "PLAUSIBLEMAXDIMENSION",
                                              "PLAUSIBLEMINRUNTIME",
                                              "PLAUSIBLEMAXDOORS",
                                              "RUNTIMETEMP1",
                                              "RUNTIMETEMP2",
                                              "RUNTIME1",
                                              "RUNTIME2",
                                              "RUNTIME3",
                                              "CONDENSER50HZFACTOR",
                                              "CONDENSER60HZFACTOR",
                                              "COOLER50HZFACTOR",
                                              "COOLER60HZFACTOR",
                                              "UNDERRANGE",
                                              "DEFAULTWALLK",
                                              "DEFAULTFLOORK",
                                              "DEFAULTCEILINGK",
                                              "MOTORTEMP",
                                              "AVERAGECURTAINS",
                                              "LIGHTPOWER",
                                              "MAXCOLUMNWIDTH",
                                              "GWPLIMIT"};

// A 16-bit whole number, halves to even, as the toolkit converts; out of range is an error.
int ToInteger16(double value) {
    double r = RoundHalfEven(value);
    if (r < -32768 || r > 32767) throw std::range_error("overflow");
    return static_cast<int>(r);
}

} // namespace

double Val(const std::string& text) {
    // The leading number of a text, read with a decimal point; 0 when there is none.
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9')
            number += c;
        else if (c == '.' && !point) {
            point = true;
            number += c;
        } else if (c != ' ')
            break;
    }
    auto v = ParseNumber(number, '.');
    return v ? *v : 0.0;
}

void FrmMain::ReadResourceFile() {
    // Messages 0 to 49: the classic 0 to 25 and those added since.
    MessageTable.assign(50, {});
    LanguageLocale.clear();
    ErrorTexts.assign(101, "");
    LogWrite(">ReadResourceFile()");
    std::string name = GetSetting("Language_File", "");
    if (name.empty()) {
        name = "default.lng";
        SaveSetting("Language_File", name);
    }
    const std::string path = OpDataFolder + name;
    LogWrite(path);
    const std::string shortName = ListName(name);
    TEXTBOX[field::Language].SetText(shortName);
    TEXTBOX[field::Language].Tag = shortName;

    ClearResourceLists();

    LineReader file = OpenDataFile(path);
    ApplyResourceLines(file);

    const std::pair<int, const char*> systems[] = {{option::ImperialLength, "ImperialLength"},
                                                   {option::Fahrenheit, "ImperialTemperature"},
                                                   {option::Pounds, "ImperialMass"},
                                                   {option::BtuPerHour, "ImperialPower"}};
    for (const auto& [n, key] : systems) {
        bool imperial = ParseBool(GetSetting(key, "True"), true);
        RADIO[n].SetValue(imperial);
        RADIO[n + 1].SetValue(!imperial);
    }
    // The regional GWP limit: the user's own figure, or the resource file's until there is one.
    if (TEXTBOX.Exists(field::GwpLimit)) {
        const std::string limit = GetSetting("TextBox806", NumberText(Constant("GWPLIMIT"), 7));
        TEXTBOX[field::GwpLimit].Tag = limit;
        TEXTBOX[field::GwpLimit].SetText(limit);
    }
    CFRAME[frame::CurrentJob].Visible = !CurrentJobFile.empty();
    // A settings save that failed before the messages were read is told now.
    ReportSettingsFailure();
    ThumbNailLogo.ToolTipText = StringTable[20];
    SPECLINK[0].ToolTipText = StringTable[21];
    SPECLINK[1].ToolTipText = StringTable[22];
    const std::string title = GetCellValue(grid::Products, grid::product::Number, 2);
    if (title.empty() || !IsNumeric(title))
        SetCellValue(grid::Products, grid::product::Number, 2, StringTable[11]);
}

void FrmMain::ClearResourceLists() {
    for (auto& [i, list] : OPTIONLIST)
        list.Clear();
    for (auto& [i, list] : OPTIONVALUE)
        list.Clear();
    for (auto& [i, list] : UnitGrid)
        list.Clear();
    // The row hints and row types are filled by position; a second read starts them afresh
    // so that they never hold the rows twice.
    for (auto& [i, list] : MSFlexHints)
        list.Clear();
    for (auto& [i, list] : MSFlexRowType)
        list.Clear();
}

void FrmMain::ApplyResourceLines(LineReader& file) {
    while (!file.Eof()) {
        auto fields = ParseInput(file);
        if (UpperBound(fields) < 5) continue;
        try {
            if (Val(fields[2]) < 0) continue;
            ApplyResourceRecord(fields);
        } catch (const std::exception& e) {
            LogWrite("record ignored: " + fields[1] + " " + fields[2] + " " + fields[3] + " (" +
                     e.what() + ")");
        }
    }
}

namespace {

// A record of the installation's own settings: files, addresses, the job file extension.
bool ApplySettingRecord(FrmMain& w, const std::string& type, int n, const std::string& value) {
    if (type == "FEXT")
        w.JobFileExtension = LowerCase(value);
    else if (type == "HELPFILE")
        w.HelpFilePath = w.OpDataFolder + value;
    else if (type == "HINTCAPTION")
        w.HintBoxCaption.SetCaption(value);
    else if (type == "CATALOG")
        w.CatalogPath = w.GetSetting("CatalogPath", value);
    else if (type == "CSPECS")
        w.CSpecPath = w.GetSetting("CSpecPath", value);
    else if (type == "ESPECS")
        w.ESpecPath = w.GetSetting("ESpecPath", value);
    else if (type == "EMAILTO")
        w.EmailTo = w.GetSetting("EmailTo", value);
    else if (type == "UPDATEURL")
        w.UpdateUrl = value;
    else if (type == "PFORM")
        (n == 1 ? w.PrintFormFile1 : w.PrintFormFile2) = value;
    else
        return false;
    return true;
}

// A record of the program's tables: constants, units, strings, messages and error texts.
bool ApplyTextRecord(FrmMain& w, const std::vector<std::string>& fields, const std::string& type,
                     int n, const std::string& property, const std::string& value) {
    if (type == "ACONST") {
        const std::string keyword = Trim(property);
        if (!kConstantNames.count(keyword)) return true;
        float number = w.ToSingle(w.NormalizeDecimal(value));
        if (keyword == "MAXCOLUMNWIDTH") number = static_cast<float>(ToInteger16(number));
        w.Constants[keyword] = number;
    } else if (type == "UNIT") {
        auto& row = w.UnitTable.at(static_cast<std::size_t>(n));
        std::string factor = UpperBound(fields) > 6 ? fields[6] : "";
        if (factor != "FTOC") factor = FormatSingle(w.ToSingle(factor), w.Decimal());
        row[1] = fields[3];
        row[2] = value;
        row[3] = UpperBound(fields) > 5 ? fields[5] : "";
        row[4] = factor;
    } else if (type == "STRING") {
        w.StringTable.at(static_cast<std::size_t>(n)) = value;
    } else if (type == "MSGBOX") {
        auto& message = w.MessageTable.at(static_cast<std::size_t>(n));
        if (property == "CAPTION")
            message[0] = value;
        else if (property == "MESSAGE")
            message[1] = value;
    } else if (type == "ERROR") {
        w.ErrorTexts.at(static_cast<std::size_t>(n)) = value;
    } else {
        return false;
    }
    return true;
}

// The caption, tooltip, visibility and hint (or tag) every kind of control takes alike.
template <class C, class SetCaption>
void ApplyControlProperty(C& control, const std::string& property, const std::string& value,
                          const char* hintProperty, SetCaption setCaption) {
    if (property == "CAPTION")
        setCaption(control, value);
    else if (property == "TOOLTIP")
        control.ToolTipText = value;
    else if (property == "VISIBLE")
        control.Visible = UpperCase(value) == "TRUE";
    else if (hintProperty && property == hintProperty)
        control.Tag = value;
}

void SetLabelCaption(Label& label, const std::string& value) {
    label.SetCaption(value);
}

template <class C> void SetCaptionMember(C& control, const std::string& value) {
    control.Caption = value;
}

// The menu buttons: the justification of the column, and each button's caption, tooltip and
// visibility (its shadow follows).
void ApplyButtonRecord(FrmMain& w, const std::string& type, const std::string& sub, int n,
                       const std::string& property, const std::string& value) {
    if (type == "BUTTONS") {
        if (sub != "MENU" || property != "JUSTIFY") return;
        const std::string how = UpperCase(value);
        int alignment = how == "LEFT"     ? 0
                        : how == "CENTRE" ? 2
                        : how == "RIGHT"  ? 1
                                          : ToInteger16(w.ToSingle(value));
        for (int i = 0; i <= button::Mail; ++i) {
            w.BUTT[i].Alignment = alignment;
            w.SHADOW[i].Alignment = alignment;
        }
    } else if (property == "CAPTION") {
        w.BUTT[n].SetCaption(value);
        w.SHADOW[n].SetCaption(value);
    } else if (property == "TOOLTIP") {
        w.BUTT[n].ToolTipText = value;
    } else if (property == "VISIBLE") {
        const bool visible = UpperCase(value) == "TRUE";
        Label& button = w.BUTT[n];
        // A menu-column shadow marks the open page, so showing a button leaves it as it is.
        Label& shadow = w.SHADOW[n];
        shadow.Visible = visible && (n > button::Mail || shadow.Visible);
        button.Visible = visible;
        if (visible) w.BringToFront(button.ref);
    }
}

// A record of one control of the window.
bool ApplyControlRecord(FrmMain& w, const std::string& type, const std::string& sub, int n,
                        const std::string& property, const std::string& value) {
    if (type == "HINTBOX") {
        if (property != "DEFAULT") return true;
        w.HINTBOX.SetCaption(value);
        w.HINTBOX.Visible = true;
    } else if (type == "BUTTONS" || type == "BUTT") {
        ApplyButtonRecord(w, type, sub, n, property, value);
    } else if (type == "TEXTBOX") {
        w.ApplyTextBoxRecord(n, property, value);
    } else if (type == "HYPERLINK") {
        ApplyControlProperty(w.HYPERLINK[n], property, value, "TAG", SetLabelCaption);
    } else if (type == "OPTIONLIST") {
        if (property == "ITEM")
            w.OPTIONLIST[n].AddItem(value);
        else if (property == "VALUE")
            w.OPTIONVALUE[n].AddItem(value);
        else if (property == "TOOLTIP")
            w.OPTIONLIST[n].ToolTipText = value;
    } else if (type == "CHECK") {
        ApplyControlProperty(w.CHECK[n], property, value, "HINT", SetCaptionMember<CheckBox>);
    } else if (type == "RADIO") {
        ApplyControlProperty(w.RADIO[n], property, value, "HINT", SetCaptionMember<OptionButton>);
    } else if (type == "CFRAME") {
        ApplyControlProperty(w.CFRAME[n], property, value, nullptr, SetCaptionMember<Frame>);
    } else {
        return false;
    }
    return true;
}

} // namespace

void FrmMain::ApplyResourceRecord(const std::vector<std::string>& fields) {
    const std::string type = UpperCase(fields[1]);
    const std::string sub = UpperCase(fields[2]);
    const int n = ToInteger16(Val(fields[2]));
    const std::string property = UpperCase(fields[3]);
    std::string value = fields[4];
    if (!value.empty() && value[0] == '"') value = StripQuotes(value);
    auto picture = [&](const std::string& file) {
        std::string full = OpDataFolder + file;
        if (!PictureSize(full)) throw std::runtime_error("picture cannot be loaded: " + full);
        return full;
    };

    if (ApplySettingRecord(*this, type, n, value) ||
        ApplyTextRecord(*this, fields, type, n, property, value) ||
        ApplyControlRecord(*this, type, sub, n, property, value))
        return;
    if (type == "TABLE") {
        ApplyTableRecord(sub, property, value);
    } else if (type == "FORM") {
        if (property == "CAPTION") {
            Window.Caption = value;
            BaseCaption = value;
        } else if (property == "ICON") {
            Window.Icon = picture(value);
        } else if (property == "LOCALE") {
            LanguageLocale = value;
        }
    } else if (type == "ICON") {
        Window.Icon = picture(value);
    } else if (type == "PICTURE") {
        ApplyPictureRecord(property, picture(value));
    }
}

void FrmMain::ApplyTableRecord(const std::string& code, const std::string& property,
                               const std::string& value) {
    if (CharCount(code) != 3) throw std::invalid_argument("grid code");
    const int grid = 100 * ToInteger16(ToSingle(Left(code, 1)));
    const int row = ToInteger16(ToSingle(Right(code, 2)));
    if (property == "CAPTION") {
        SetCellValue(grid, row, 0, value);
    } else if (property == "UNITS") {
        MSFlexGrid[grid].SetTextMatrix(row, 1, UnitText(value, false));
        UnitGrid[grid].AddItem(value);
    } else if (property == "HINT") {
        MSFlexHints[grid].AddItem(value, row);
    } else if (property == "TYPE") {
        MSFlexRowType[grid].AddItem(value, row);
    }
}

void FrmMain::ApplyTextBoxRecord(int n, const std::string& property, const std::string& value) {
    if (property == "CAPTION") {
        Label& label = LABEL[n];
        label.SetCaption(value);
        label.Visible = !value.empty();
    } else if (property == "UNITS") {
        Label& unit = UNITS[n];
        unit.Tag = value;
        std::string caption = UnitText(value, false);
        const std::string alternate = UnitText(value, true);
        if (n == field::LightingPower && UpperCase(Left(alternate, 1)) == "W") caption = alternate;
        unit.SetCaption(caption);
        unit.Visible = !caption.empty();
    } else if (property == "VISIBLE") {
        bool visible = UpperCase(value) == "TRUE";
        TEXTBOX[n].Visible = visible;
        LABEL[n].Visible = visible;
        UNITS[n].Visible = visible;
    } else if (property == "TOOLTIP") {
        TEXTBOX[n].ToolTipText = value;
    } else if (property == "DEFAULT") {
        if (n >= field::UserFieldsFirst && n <= field::UserFieldsLast && !CurrentJobFile.empty())
            return;
        TextBox& box = TEXTBOX[n];
        const std::string key = "TextBox" + std::to_string(n);
        std::string remembered = GetSetting(key, value);
        SaveSetting(key, remembered);
        box.SetText(remembered);
        box.Tag = remembered;
    } else if (property == "HINT") {
        TEXTBOX[n].LinkItem = value;
        // The field's list shows the same hint while it is open.
        if (OPTIONLIST.Exists(n)) OPTIONLIST[n].Tag = value;
    }
}

void FrmMain::ApplyPictureRecord(const std::string& property, const std::string& file) {
    auto size = PictureSize(file);
    const ScreenInfo screen = platform.Screen();
    if (property == "PICTURE") {
        Logo.Picture = file;
        Logo.Width = size->width * screen.twipsPerPixelX;
        Logo.Height = size->height * screen.twipsPerPixelY;
        Form_Resize();
    } else if (property == "THUMBNAILLOGO") {
        ThumbNailLogo.Picture = file;
        ThumbNailLogo.Width = size->width * screen.twipsPerPixelX;
        ThumbNailLogo.Height = size->height * screen.twipsPerPixelY;
        LayoutLowerLeft();
    } else if (property == "PRINTLOGO") {
        PrintLogoFile = file;
    }
}

void FrmMain::LoadLanguageList(const std::string& text, int index) {
    LogWrite(">LoadLanguageList(" + text + ", " + std::to_string(index) + ")");
    ListBox& list = OPTIONLIST[index];
    list.Clear();
    for (const auto& file : FindFiles(OpDataFolder, "*.lng"))
        list.AddItem(ListName(file));
}

} // namespace tw
