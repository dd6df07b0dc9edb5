// SPDX-License-Identifier: MIT
// The colour scheme file: one colour of one group of controls per line, and the colours the
// field code and the layout consult.
#include "frm/frm_main.h"
#include "names/fields.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

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
    const std::string shortName = Left(name, CharCount(name) - 3);
    TEXTBOX[field::ColourScheme].SetText(shortName);
    TEXTBOX[field::ColourScheme].Tag = shortName;

    LineReader file = OpenDataFile(path);
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

void FrmMain::ApplyColourLine(const std::vector<std::string>& fields) {
    const std::string group = UpperCase(fields[1]);
    const std::string property = UpperCase(fields[2]);
    auto field = [&](int k) {
        return k < UpperBound(fields) ? fields[static_cast<std::size_t>(k)] : std::string();
    };

    if (group == "FORM") {
        float values[3];
        for (int k = 0; k < 3; ++k)
            values[k] = ToSingle(field(4 + k));
        float* target = property == "PERCENT" ? Window.GradientIncrement
                        : property == "BIAS"  ? Window.GradientBase
                                              : nullptr;
        if (target)
            for (int k = 0; k < 3; ++k)
                target[k] = values[k];
        return;
    }
    const Colour c = Rgb(ColourComponent(field(4), Decimal()), ColourComponent(field(5), Decimal()),
                         ColourComponent(field(6), Decimal()));
    auto back = [c](Control& x) { x.BackColor = c; };
    auto fore = [c](Control& x) { x.ForeColor = c; };

    if (group == "LOGO") {
        if (property == "BACKCOLOR") FRAME[0].BackColor = c;
    } else if (group == "HINTBOX") {
        if (property == "FORECOLOR") {
            HINTBOX.ForeColor = c;
            HintBoxCaption.ForeColor = c;
        }
    } else if (group == "FRAMES") {
        if (property == "BACKCOLOR") {
            Each(FRAME, back);
            Each(CFRAME, back);
            Each(RADIO, back);
            Each(CHECK, back);
            Each(TABFPIC, back);
            Each(TABBPIC, back);
            Each(SPECLINK, back);
            auto trap = [c](Control& x) {
                x.BackColor = c;
                x.Width = 0;
            };
            Each(TabBack, trap);
            Each(TabForward, trap);
        } else if (property == "FORECOLOR") {
            Each(FRAME, fore);
            Each(CFRAME, fore);
        }
    } else if (group == "LABELS") {
        auto bold = [](Control& x) { x.FontBold = true; };
        if (property == "BACKCOLOR") {
            Each(LABEL, back);
            Each(UNITS, back);
        } else if (property == "FORECOLOR") {
            Each(LABEL, fore);
            Each(UNITS, fore);
            Each(RADIO, fore);
            Each(CHECK, fore);
        } else {
            return;
        }
        Each(LABEL, bold);
        Each(UNITS, bold);
        Each(RADIO, bold);
        Each(CHECK, bold);
    } else if (group == "BUTTON") {
        if (property == "FORECOLOR") {
            ButtonTextColour = c;
            Each(BUTT, fore);
        } else if (property == "HIGHLIGHT") {
            HoverColour = c;
        } else if (property == "SHADOW") {
            ShadowTextColour = c;
            Each(SHADOW, fore);
        } else if (property == "SHADOWBOX") {
            ShadowBackColour = c;
            Each(SHADOW, back);
        } else if (property == "SHADOWSELECT") {
            ShadowSelectColour = c;
        }
    } else if (group == "TEXTBOX") {
        if (property == "BACKCOLOR") {
            TextBackColour = c;
            Each(TEXTBOX, back);
            FileHistoryList.BackColor = c;
        } else if (property == "FORECOLOR") {
            TextForeColour = c;
            Each(TEXTBOX, fore);
            FileHistoryList.ForeColor = c;
        } else if (property == "BACKCOLORSEL") {
            TextBackColourSel = c;
        } else if (property == "FORECOLORSEL") {
            TextForeColourSel = c;
        } else if (property == "OVERRIDE") {
            OverrideColour = c;
        }
    } else if (group == "OPTIONLIST") {
        if (property == "BACKCOLOR")
            Each(OPTIONLIST, back);
        else if (property == "FORECOLOR")
            Each(OPTIONLIST, fore);
    } else if (group == "UNDERLINE") {
        if (property == "FORECOLOR") Each(MLINE, [c](Shape& s) { s.BorderColor = c; });
    } else if (group == "TABLE") {
        ApplyGridColour(property, c);
    } else if (group == "BORDER") {
        PageBorderColour = c;
        Each(PageBorder, [c](Shape& s) { s.BorderColor = c; });
    } else if (group == "SHAPEBOX") {
        if (property == "BACKCOLOR") {
            EBannerBorder.BorderColor = c;
            Each(ULabel, fore);
            Each(Geometry, back);
        } else if (property == "LINE") {
            LineColour = c;
        } else if (property == "LINESEL") {
            LineSelColour = c;
        }
    } else if (group == "HYPERLINK") {
        if (property == "FORECOLOR")
            Each(HYPERLINK, fore);
        else if (property == "VISITED")
            VisitedColour = c;
    }
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
        list.AddItem(Left(file, CharCount(file) - 3));
}

} // namespace tw
