// SPDX-License-Identifier: MIT
// The colour scheme file: one colour of one group of controls per line, and the colours the
// field code and the layout consult.
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "ui/scheme_files.h"

#include <iostream>

namespace tw {

namespace {

int ColourComponent(const std::string& text, char decimal) {
    auto v = ParseNumber(text, decimal);
    if (!v || *v < 0 || *v > 255) throw std::out_of_range("colour component");
    return static_cast<int>(RoundHalfEven(*v));
}

template <class Array, class Apply> void Each(Array& array, Apply apply) {
    for (auto& entry : array)
        apply(entry.second);
}

// Field k of a line, or "" past its end.
std::string FieldOf(const std::vector<std::string>& fields, int k) {
    return k < UpperBound(fields) ? fields[static_cast<std::size_t>(k)] : std::string();
}

} // namespace

void FrmMain::ReadColourFile() {
    LogWrite(">ReadColourFile()");
    std::string name = GetSetting("Colour_File", "");
    if (name.empty()) {
        name = "default.col";
        SaveSetting("Colour_File", name);
    }
    std::string path = OpDataFolder + name;
    if (!FileExists(path, false)) {
        if (name == "default.col") {
            std::cerr << "FILE ERROR ! missing '" << path << "'\n";
            throw ProgramEnd{2};
        }
        name = "default.col";
        SaveSetting("Colour_File", name);
        path = OpDataFolder + name;
    }
    LogWrite(path);
    const std::string shortName = ListName(name);
    TEXTBOX[field::ColourScheme].SetText(shortName);
    TEXTBOX[field::ColourScheme].Tag = shortName;

    // Cells coloured as fields to fill keep that meaning in the new scheme.
    const Colour toFillBefore = Colours.TextBackSel;
    LineReader file = OpenDataFile(path);
    ApplyColourLines(file);
    for (auto& [g, grid] : MSFlexGrid)
        for (int r = 0; r < grid.Rows(); ++r)
            for (int c = 0; c < grid.Cols(); ++c)
                if (grid.Cell(r, c).back == toFillBefore)
                    grid.Cell(r, c).back = Colours.TextBackSel;
    // The scheme painted every label in its normal colour: the user's marks show again.
    ShowUserMarks();
}

void FrmMain::ApplyColourLines(LineReader& file) {
    while (!file.Eof()) {
        auto fields = ParseInput(file);
        if (UpperBound(fields) < 5) continue;
        try {
            ApplyColourLine(fields);
        } catch (const std::exception& e) {
            LogWrite("colour ignored: " + fields[1] + " " + fields[2] + " (" + e.what() + ")");
        }
    }
}

void ColourScheme::Take(const std::string& group, const std::string& property, Colour c) {
    // An empty property stands for any property of the group.
    static const struct {
        const char* group;
        const char* property;
        Colour ColourScheme::*colour;
    } kKept[] = {
        {"BUTTON", "FORECOLOR", &ColourScheme::ButtonText},
        {"BUTTON", "HIGHLIGHT", &ColourScheme::Hover},
        {"BUTTON", "SHADOW", &ColourScheme::ShadowText},
        {"BUTTON", "SHADOWBOX", &ColourScheme::ShadowBack},
        {"BUTTON", "SHADOWSELECT", &ColourScheme::ShadowSelect},
        {"TEXTBOX", "BACKCOLOR", &ColourScheme::TextBack},
        {"TEXTBOX", "FORECOLOR", &ColourScheme::TextFore},
        {"TEXTBOX", "BACKCOLORSEL", &ColourScheme::TextBackSel},
        {"TEXTBOX", "FORECOLORSEL", &ColourScheme::TextForeSel},
        {"TEXTBOX", "OVERRIDE", &ColourScheme::Override},
        {"BORDER", "", &ColourScheme::PageBorder},
        {"SHAPEBOX", "LINE", &ColourScheme::Line},
        {"SHAPEBOX", "LINESEL", &ColourScheme::LineSel},
        {"HYPERLINK", "VISITED", &ColourScheme::Visited},
    };
    for (const auto& kept : kKept)
        if (group == kept.group && (!*kept.property || property == kept.property))
            this->*kept.colour = c;
}

namespace {

// The window's background gradient: its bases and the increments per band.
void ApplyGradientLine(FrmMain& w, const std::string& property,
                       const std::vector<std::string>& fields) {
    float* target = property == "PERCENT" ? w.Window.GradientIncrement
                    : property == "BIAS"  ? w.Window.GradientBase
                                          : nullptr;
    float values[3];
    for (int k = 0; k < 3; ++k)
        values[k] = w.ToSingle(FieldOf(fields, 4 + k));
    if (target)
        for (int k = 0; k < 3; ++k)
            target[k] = values[k];
}

// Pages, frames and the labels on them.
void PaintPages(FrmMain& w, const std::string& group, const std::string& property, Colour c) {
    auto back = [c](Control& x) { x.BackColor = c; };
    auto fore = [c](Control& x) { x.ForeColor = c; };
    if (group == "FRAMES") {
        if (property == "BACKCOLOR") {
            Each(w.FRAME, back);
            Each(w.CFRAME, back);
            Each(w.RADIO, back);
            Each(w.CHECK, back);
            Each(w.TABFPIC, back);
            Each(w.TABBPIC, back);
            Each(w.SPECLINK, back);
            auto trap = [c](Control& x) {
                x.BackColor = c;
                x.Width = 0;
            };
            Each(w.TabBack, trap);
            Each(w.TabForward, trap);
        } else if (property == "FORECOLOR") {
            Each(w.FRAME, fore);
            Each(w.CFRAME, fore);
        }
    } else if (group == "LABELS") {
        if (property == "BACKCOLOR") {
            Each(w.LABEL, back);
            Each(w.UNITS, back);
        } else if (property == "FORECOLOR") {
            Each(w.LABEL, fore);
            Each(w.UNITS, fore);
            Each(w.RADIO, fore);
            Each(w.CHECK, fore);
        } else {
            return;
        }
        auto bold = [](Control& x) { x.FontBold = true; };
        Each(w.LABEL, bold);
        Each(w.UNITS, bold);
        Each(w.RADIO, bold);
        Each(w.CHECK, bold);
    }
}

// Every other group: the controls that take the line's colour.
void PaintControls(FrmMain& w, const std::string& group, const std::string& property, Colour c) {
    auto back = [c](Control& x) { x.BackColor = c; };
    auto fore = [c](Control& x) { x.ForeColor = c; };
    auto border = [c](Shape& s) { s.BorderColor = c; };
    const std::string line = group + " " + property;
    if (line == "LOGO BACKCOLOR") {
        w.FRAME[button::PageArea].BackColor = c;
    } else if (line == "HINTBOX FORECOLOR") {
        w.HINTBOX.ForeColor = c;
        w.HintBoxCaption.ForeColor = c;
    } else if (line == "BUTTON FORECOLOR") {
        Each(w.BUTT, fore);
    } else if (line == "BUTTON SHADOW") {
        Each(w.SHADOW, fore);
    } else if (line == "BUTTON SHADOWBOX") {
        Each(w.SHADOW, back);
    } else if (line == "TEXTBOX BACKCOLOR") {
        Each(w.TEXTBOX, back);
        w.FileHistoryList.BackColor = c;
    } else if (line == "TEXTBOX FORECOLOR") {
        Each(w.TEXTBOX, fore);
        w.FileHistoryList.ForeColor = c;
    } else if (line == "OPTIONLIST BACKCOLOR") {
        Each(w.OPTIONLIST, back);
    } else if (line == "OPTIONLIST FORECOLOR") {
        Each(w.OPTIONLIST, fore);
    } else if (line == "UNDERLINE FORECOLOR") {
        Each(w.MLINE, border);
    } else if (group == "TABLE") {
        w.ApplyGridColour(property, c);
    } else if (group == "BORDER") {
        Each(w.PageBorder, border);
    } else if (line == "SHAPEBOX BACKCOLOR") {
        w.EBannerBorder.BorderColor = c;
        Each(w.ULabel, fore);
        Each(w.Geometry, back);
    } else if (line == "HYPERLINK FORECOLOR") {
        Each(w.HYPERLINK, fore);
    }
}

} // namespace

void FrmMain::ApplyColourLine(const std::vector<std::string>& fields) {
    const std::string group = UpperCase(fields[1]);
    const std::string property = UpperCase(fields[2]);
    if (group == "FORM") {
        ApplyGradientLine(*this, property, fields);
        return;
    }
    const char decimal = Decimal();
    const Colour c = Rgb(ColourComponent(FieldOf(fields, 4), decimal),
                         ColourComponent(FieldOf(fields, 5), decimal),
                         ColourComponent(FieldOf(fields, 6), decimal));
    Colours.Take(group, property, c);
    PaintPages(*this, group, property, c);
    PaintControls(*this, group, property, c);
}

void FrmMain::ApplyGridColour(const std::string& property, Colour c) {
    for (auto& [g, grid] : MSFlexGrid) {
        if (property == "BACKCOLOR")
            grid.BackColor = c;
        else if (property == "BACKCOLORBKG")
            grid.BackColorBkg = c;
        else if (property == "BACKCOLORFIXED")
            grid.BackColorFixed = c;
        else if (property == "BACKCOLORSEL")
            grid.BackColorSel = c;
        else if (property == "FORECOLOR")
            grid.ForeColor = c;
        else if (property == "FORECOLORFIXED")
            grid.ForeColorFixed = c;
        else if (property == "FORECOLORSEL")
            grid.ForeColorSel = c;
        else if (property == "GRIDCOLOR")
            grid.GridColor = c;
        else if (property == "GRIDCOLORFIXED")
            grid.GridColorFixed = c;
    }
    if (property == "BACKCOLOR") Each(MSFlexText, [c](Control& x) { x.BackColor = c; });
    if (property == "FORECOLOR") Each(MSFlexText, [c](Control& x) { x.ForeColor = c; });
}

void FrmMain::LoadColourList(const std::string& text, int index) {
    LogWrite(">LoadColourList(" + text + ", " + std::to_string(index) + ")");
    ListBox& list = OPTIONLIST[index];
    list.Clear();
    for (const auto& file : FindFiles(OpDataFolder, "*.col"))
        list.AddItem(ListName(file));
}

} // namespace tw
