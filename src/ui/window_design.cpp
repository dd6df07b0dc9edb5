// SPDX-License-Identifier: MIT
// The main window's controls, page by page. Field numbers carry their page in the hundreds
// digit; page frames are numbered by the menu button that opens them plus one (button 0 opens
// FRAME(1) with fields 0-199, button 2 opens FRAME(3) with the 200s, and so on).
#include "ui/window_design.h"

#include "names/buttons.h"

#include <initializer_list>

namespace tw {

namespace {

using namespace design;

constexpr ControlRef kWindow{ArrayId::Window, 0};

ControlRef Page(int p) {
    return {ArrayId::FRAME, p};
}
ControlRef Sub(int n) {
    return {ArrayId::CFRAME, n};
}

void Place(Control& c, ControlRef container, int left, int top, int width, int height) {
    c.container = container;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

// One column of fields: label, text box and unit side by side, one row per field.
struct Column {
    ControlRef container;
    int left;
    int top;
    int labelWidth;
    int boxWidth;
    int unitWidth;
};

enum class Kind { String, Number, List, DataList, SelectList };

const char* TypeName(Kind k) {
    switch (k) {
    case Kind::String:
        return "String";
    case Kind::Number:
        return "Number";
    case Kind::List:
        return "LIST";
    case Kind::DataList:
        return "DATALIST";
    case Kind::SelectList:
        return "SELECTLIST";
    }
    return "String";
}

struct FieldRow {
    int n;
    Kind kind;
    const char* unit;
    bool hidden = false;
};

void AddField(Form& f, const Column& col, int row, const FieldRow& spec) {
    int y = col.top + row * kRowPitch;
    int n = spec.n;
    Label& label = f.LABEL.Create(n, &f);
    Place(label, col.container, col.left, y + 30, col.labelWidth, kFieldHeight - 30);
    label.Tag = TypeName(spec.kind);
    label.Transparent = true;

    const bool isList =
        spec.kind == Kind::List || spec.kind == Kind::DataList || spec.kind == Kind::SelectList;
    const bool hasButton = isList || n == 522 || n == 542;
    // The list button sits at the right end of the field, beside the text.
    const int boxWidth = hasButton ? col.boxWidth - 255 : col.boxWidth;
    TextBox& box = f.TEXTBOX.Create(n, &f);
    Place(box, col.container, col.left + col.labelWidth, y, boxWidth, kFieldHeight);
    box.Visible = !spec.hidden;
    if (spec.kind == Kind::Number) box.Alignment = static_cast<int>(Alignment::Right);

    Label& unit = f.UNITS.Create(n, &f);
    Place(unit, col.container, col.left + col.labelWidth + col.boxWidth + 60, y + 30, col.unitWidth,
          kFieldHeight - 30);
    unit.Tag = spec.unit;
    unit.Transparent = true;
    unit.Visible = !spec.hidden;

    Shape& line = f.MLINE.Create(n, &f);
    Place(line, col.container, col.left + col.labelWidth, y + kFieldHeight, col.boxWidth, 15);
    line.IsLine = true;
    line.Visible = !spec.hidden;

    if (hasButton) {
        CommandButton& button = f.ListButton.Create(n, &f);
        Place(button, col.container, col.left + col.labelWidth + col.boxWidth - 240, y + 15, 225,
              kFieldHeight - 30);
        button.Caption = "▾";
        button.Visible = !spec.hidden;
        button.TabStop = false;
    }
    if (isList || n == 510 || n == 522 || n == 542) {
        // The drop-down lies on the page itself, over any sub-frame of its field.
        ControlRef page = col.container;
        if (page.array == ArrayId::CFRAME) page = f.CFRAME[page.index].container;
        ListBox& list = f.OPTIONLIST.Create(n, &f);
        Place(list, page, col.left + col.labelWidth, y + kFieldHeight, col.boxWidth + col.unitWidth,
              1500);
        list.Visible = false;
        f.OPTIONVALUE.Create(n, &f).Visible = false;
    }
}

void AddColumn(Form& f, const Column& col, std::initializer_list<FieldRow> rows, int firstRow = 0) {
    int row = firstRow;
    for (const auto& spec : rows)
        AddField(f, col, row++, spec);
}

Frame& AddSubFrame(Form& f, int n, ControlRef container, int left, int top, int width, int height) {
    Frame& frame = f.CFRAME.Create(n, &f);
    Place(frame, container, left, top, width, height);
    frame.Transparent = true;
    return frame;
}

void AddRadios(Form& f, ControlRef container, std::initializer_list<int> indices, int left = 120,
               int top = 270, int width = 3000, int pitch = 285) {
    int y = top;
    for (int n : indices) {
        OptionButton& r = f.RADIO.Create(n, &f);
        Place(r, container, left, y, width, 255);
        r.Transparent = true;
        y += pitch;
    }
}

void AddMenuButton(Form& f, int i, ControlRef container, int left, int top, int width) {
    Label& shadow = f.SHADOW.Create(i, &f);
    Place(shadow, container, left, top, width, kMenuHeight);
    shadow.Alignment = static_cast<int>(Alignment::Left);
    shadow.FontBold = true;
    // In the menu column a shadow shows only under the button of the open page.
    shadow.Visible = container.array != ArrayId::Window;
    Label& button = f.BUTT.Create(i, &f);
    Place(button, container, left, top, width, kMenuHeight);
    button.Transparent = true;
    button.FontBold = true;
}

void AddPages(Form& f) {
    const int pageLeft = kMenuLeft + kMenuWidth + 120;
    const int pageWidth = kMinInnerWidth - pageLeft - 60;
    const int pageHeight = kMinInnerHeight - 120;
    for (int p = 0; p < kPageCount; ++p) {
        PictureBox& page = f.FRAME.Create(p, &f);
        Place(page, kWindow, pageLeft, 60, pageWidth, pageHeight);
        page.Visible = false;
        Shape& border = f.PageBorder.Create(p, &f);
        Place(border, kWindow, pageLeft, 60, pageWidth - 30, pageHeight - 30);
        border.Visible = false;

        // Page arrows; the Tag names the menu button that opens the target page.
        PictureBox& back = f.TABBPIC.Create(p, &f);
        Place(back, Page(p), 60, 60, kArrowSize, kArrowSize);
        PictureBox& forward = f.TABFPIC.Create(p, &f);
        Place(forward, Page(p), pageWidth - kArrowSize - 120, 60, kArrowSize, kArrowSize);
    }
    // The order of the calculation: job page, design conditions, box, infiltration,
    // products, miscellaneous, selection.
    const char* backTags[kPageCount] = {"", "1", "", "0", "6", "3", "4", "2", "0", "0"};
    const char* forwardTags[kPageCount] = {"", "2", "0", "6", "4", "5", "0", "3", "", ""};
    for (int p = 0; p < kPageCount; ++p) {
        f.TABBPIC[p].Tag = backTags[p];
        f.TABFPIC[p].Tag = forwardTags[p];
    }
    // The job page has no previous page.
    f.TABBPIC[2].Visible = false;
}

void AddMenu(Form& f) {
    // Column order as a contractor works through a job; button 9 (exit) is placed above the
    // thumbnail logo by the layout.
    const int order[] = {1, 0, 2, 6, 3, 4, 5, 7, 8, 10, 11, 13, button::ExportPdf, 14, 12};
    int slot = 0;
    for (int i : order)
        AddMenuButton(f, i, kWindow, kMenuLeft, 120 + slot++ * kMenuPitch, kMenuWidth);
    AddMenuButton(f, 9, kWindow, kMenuLeft, 5880, kMenuWidth);
    // Reserved buttons without an action.
    for (int i : {15, 16}) {
        AddMenuButton(f, i, kWindow, kMenuLeft, 0, kMenuWidth);
        f.SHADOW[i].Visible = false;
        f.BUTT[i].Visible = false;
    }
}

void AddSingles(Form& f) {
    // Fifteen buttons in the column, the hint box below them.
    const int hintTop = 120 + 15 * kMenuPitch + 30;
    Place(f.HintBoxCaption, kWindow, kMenuLeft, hintTop, kMenuWidth, 240);
    f.HintBoxCaption.FontBold = true;
    f.HintBoxCaption.Transparent = true;
    Place(f.HINTBOX, kWindow, kMenuLeft, hintTop + 300, kMenuWidth, 1200);
    f.HINTBOX.WordWrap = true;
    // A hint is read beside the field, not from afar: a smaller letter fits it whole.
    f.HINTBOX.FontSize = 7.0f;
    f.HINTBOX.Transparent = true;
    Place(f.ThumbNailLogo, kWindow, kMenuLeft, 6480, kMenuWidth, 660);
    Place(f.Logo, kWindow, 3600, 2400, 4500, 2250);
    Place(f.VersionNo, kWindow, 3600, 4650, 3000, 240);
    f.VersionNo.Transparent = true;
    Place(f.ConnectedImage, kWindow, 9180, 6780, 360, 360);
    f.ConnectedImage.Visible = false;
    Place(f.ProgressBar, kWindow, 1740, 6900, 5900, 240);
    f.ProgressBar.Visible = false;
    Place(f.UpdateCancel, kWindow, 7740, 6840, 1320, 360);
    f.UpdateCancel.Visible = false;

    // The warning banner lies over the top of every page.
    Place(f.EFRAME, kWindow, 2160, 60, 6000, 300);
    f.EFRAME.Visible = false;
    f.EFRAME.BackColor = Rgb(255, 0, 0);
    Place(f.ESUBFRAME, {ArrayId::EFRAME, 0}, 60, 30, 5880, 240);
    f.ESUBFRAME.BackColor = Rgb(255, 0, 0);
    Place(f.EBANNER, {ArrayId::ESUBFRAME, 0}, 0, 0, 5880, 240);
    f.EBANNER.ForeColor = Rgb(255, 255, 255);
    f.EBANNER.FontBold = true;
    f.EBANNER.Transparent = true;
    Place(f.EBannerBorder, {ArrayId::ESUBFRAME, 0}, 0, 0, 5880, 240);

    // A hidden label that measures texts, and the wrap box of the printed reports.
    f.SIZER.AutoSize = true;
    f.SIZER.Visible = false;
    f.WrapBox.Visible = false;
    f.WrapBox.WordWrap = true;
    f.Timer1.Interval = 100;
    f.Timer1.Visible = false;

    f.TABIMAGES.Images = {"", "arrow_back_focus.png", "arrow_back.png", "arrow_fwd_focus.png",
                          "arrow_fwd.png"};
    f.GeomeryImages.Images = {"", "room4.png", "room6.png", "room8.png", "roomgrid.png"};
}

// Page 1: the job and its design conditions.
void AddDesignConditionsPage(Form& f) {
    ControlRef p = Page(1);
    AddColumn(f, {p, 120, 480, 1300, 2000, 0},
              {{0, Kind::String, "NONE"},
               {1, Kind::String, "NONE"},
               {2, Kind::String, "NONE"},
               {3, Kind::String, "NONE"},
               {4, Kind::String, "NONE"},
               {5, Kind::String, "NONE"},
               {110, Kind::String, "NONE"},
               {101, Kind::String, "NONE"},
               {105, Kind::String, "NONE"},
               {106, Kind::String, "NONE"}});
    AddColumn(f, {p, 3480, 480, 2300, 1000, 700},
              {{102, Kind::Number, "TEMPERATURE"},
               {103, Kind::Number, "TEMPERATURE"},
               {12, Kind::Number, "TIME"},
               {13, Kind::Number, "LONG"},
               {14, Kind::Number, "LONG"},
               {15, Kind::Number, "LONG"},
               {16, Kind::Number, "LOADH"}});
    AddSubFrame(f, 100, p, 3480, 480 + 7 * kRowPitch + 120, 4020, 900);
    AddRadios(f, Sub(100), {100, 101}, 120, 300, 3780);
}

// Page 2: the job file page with the recent files.
void AddJobPage(Form& f) {
    ControlRef p = Page(2);
    Frame& current = AddSubFrame(f, 2, p, 120, 420, 5400, 900);
    current.Visible = false;
    Place(f.FileHistoryList, p, 60, 1440, 7560, 5400);
    AddMenuButton(f, 19, p, 5640, 480, 1920);
}

// Page 3: the room's surfaces.
void AddBoxPage(Form& f) {
    ControlRef p = Page(3);
    AddColumn(f, {p, 120, 480, 1900, 1000, 700},
              {{212, Kind::Number, "TEMPERATURE"},
               {213, Kind::Number, "VOLUME"},
               {214, Kind::Number, "LOADH"}});
    AddSubFrame(f, 3, p, 120, 1500, 3600, 1620);
    AddRadios(f, Sub(3), {200, 201, 202, 203, 204}, 120, 270, 3360, 270);
    AddSubFrame(f, 4, p, 3840, 420, 3660, 2700);
    for (int i = 0; i < 3; ++i) {
        PictureBox& g = f.Geometry.Create(i, &f);
        Place(g, Sub(4), 120, 270, 3420, 2310);
        g.Visible = false;
        g.Picture = i == 0 ? "room4.png" : i == 1 ? "room6.png" : "room8.png";
    }
    Frame& off = AddSubFrame(f, 200, p, 3840, 420, 3660, 2700);
    off.Visible = false;
    Label& note = f.ULabel.Create(200, &f);
    Place(note, Sub(200), 120, 300, 3420, 2280);
    note.WordWrap = true;
    note.Transparent = true;
    AddMenuButton(f, 17, p, 3840, 3180, 3660);

    Grid& grid = f.MSFlexGrid.Create(200, &f);
    Place(grid, p, 120, 3540, 7380, 2900);
    grid.SetRows(10);
    grid.SetCols(3);
    grid.FixedRows = 2;
    grid.FixedCols = 2;
}

// Page 4: products.
void AddProductPage(Form& f) {
    ControlRef p = Page(4);
    AddColumn(f, {p, 120, 480, 1900, 1000, 700},
              {{312, Kind::Number, "TEMPERATURE"},
               {313, Kind::Number, "WEIGHT"},
               {314, Kind::Number, "LOADH"}});
    AddMenuButton(f, 18, p, 4200, 480, 1800);
    Frame& del = AddSubFrame(f, 10, p, 4080, 840, 2040, 600);
    del.Visible = false;
    AddMenuButton(f, 21, Sub(10), 120, 240, 1800);

    Grid& grid = f.MSFlexGrid.Create(300, &f);
    Place(grid, p, 120, 1560, 7560, 3900);
    grid.SetRows(14);
    grid.SetCols(3);
    grid.FixedRows = 1;
    grid.FixedCols = 2;
}

// Page 5: miscellaneous loads.
void AddMiscPage(Form& f) {
    ControlRef p = Page(5);
    AddColumn(f, {p, 120, 480, 1900, 900, 900},
              {{400, Kind::Number, "LIGHTING"},
               {401, Kind::Number, "POWER"},
               {402, Kind::Number, "TIME"},
               {423, Kind::Number, "NONE"},
               {403, Kind::Number, "HP"},
               {405, Kind::Number, "TIME"},
               {406, Kind::Number, "NONE"},
               {407, Kind::Number, "TIME"},
               {408, Kind::Number, "NONE"},
               {409, Kind::Number, "TIME"},
               {422, Kind::Number, "LOADH"}});
    // Further heat sources: a name, hours per day and power each.
    AddColumn(f, {p, 3960, 480, 1700, 1200, 700},
              {{410, Kind::String, "NONE"},
               {411, Kind::Number, "TIME"},
               {412, Kind::Number, "POWER"},
               {413, Kind::String, "NONE"},
               {414, Kind::Number, "TIME"},
               {415, Kind::Number, "POWER"},
               {416, Kind::String, "NONE"},
               {417, Kind::Number, "TIME"},
               {418, Kind::Number, "POWER"},
               {419, Kind::String, "NONE"},
               {420, Kind::Number, "TIME"},
               {421, Kind::Number, "POWER"}});
}

// Page 6: equipment selection.
void AddSelectionPage(Form& f) {
    ControlRef p = Page(6);
    AddColumn(f, {p, 120, 480, 1900, 1100, 700},
              {{506, Kind::Number, "PERCENT"},
               {503, Kind::Number, "LOADH"},
               {501, Kind::Number, "TEMPERATURE"},
               {502, Kind::Number, "TEMPDIFF"},
               {500, Kind::Number, "TEMPERATURE"},
               {525, Kind::Number, "TEMPERATURE"},
               {522, Kind::Number, "NONE"},
               {563, Kind::Number, "PERCENT"}});
    AddColumn(f, {p, 3840, 480, 1900, 1200, 680},
              {{542, Kind::Number, "NONE"},
               {524, Kind::Number, "LOADH"},
               {544, Kind::Number, "LOADH"},
               {560, Kind::Number, "LOADH"},
               {561, Kind::Number, "TEMPERATURE"},
               {562, Kind::Number, "TEMPDIFF"}});
    AddSubFrame(f, 501, p, 3840, 480 + 6 * kRowPitch + 30, 3780, 840);
    AddRadios(f, Sub(501), {500, 501}, 120, 270, 3540);
    // The choices that make the product keys, one below the other with room for their full
    // texts in every language.
    AddColumn(f, {p, 120, 480 + 9 * kRowPitch, 1850, 3600, 0},
              {{504, Kind::List, "NONE"},
               {520, Kind::List, "NONE"},
               {521, Kind::List, "NONE"},
               {540, Kind::List, "NONE"},
               {541, Kind::List, "NONE"}});
    // The chosen products, with their names in full.
    AddColumn(f, {p, 120, 480 + 14 * kRowPitch + 60, 1850, 5150, 0},
              {{523, Kind::DataList, "NONE"}, {543, Kind::DataList, "NONE"}});
    // Codes behind the lists, and the chosen rows of the result grids.
    AddColumn(f, {p, 120, 480 + 18 * kRowPitch, 1300, 1400, 0},
              {{510, Kind::String, "NONE", true},
               {514, Kind::String, "NONE", true},
               {530, Kind::String, "NONE", true},
               {531, Kind::String, "NONE", true},
               {533, Kind::String, "NONE", true},
               {550, Kind::String, "NONE", true},
               {551, Kind::String, "NONE", true},
               {553, Kind::String, "NONE", true}});
    for (int i = 0; i < 2; ++i) {
        PictureBox& link = f.SPECLINK.Create(i, &f);
        Place(link, p, 120 + 1850 + 5150 + 90, 480 + 14 * kRowPitch + 60 + i * kRowPitch, 270, 270);
        link.Picture = "speclink.png";
    }
    Label& catalogue = f.HYPERLINK.Create(590, &f);
    Place(catalogue, p, 120, 480 + 16 * kRowPitch + 120, 5000, 255);
    catalogue.Transparent = true;
    for (int g : {520, 540}) {
        Grid& grid = f.MSFlexGrid.Create(g, &f);
        Place(grid, p, 60, 420, 7560, 2400);
        grid.SetRows(1);
        grid.SetCols(6);
        grid.FixedRows = 0;
        grid.FixedCols = 0;
        grid.Visible = false;
    }
}

// Page 7: infiltration.
void AddInfiltrationPage(Form& f) {
    ControlRef p = Page(7);
    AddColumn(f, {p, 120, 480, 1900, 1000, 690},
              {{600, Kind::Number, "TEMPERATURE"},
               {641, Kind::Number, "PERCENT"},
               {659, Kind::Number, "NONE"},
               {660, Kind::Number, "LOADH"},
               {669, Kind::Number, "NONE"},
               {670, Kind::Number, "LOADH"},
               {680, Kind::Number, "LOADH"}});
    AddSubFrame(f, 600, p, 3840, 420, 3660, 1140);
    AddRadios(f, Sub(600), {600, 601, 602}, 120, 270, 3420);
    // The three methods share one place; the chosen one is shown.
    for (int n : {601, 602, 603}) {
        Frame& method = AddSubFrame(f, n, p, 3840, 1680, 3660, 2760);
        method.Visible = n == 601;
    }
    AddRadios(f, Sub(601), {603, 604, 605}, 120, 270, 3420);
    AddColumn(f, {Sub(601), 120, 1200, 1700, 1000, 690}, {{605, Kind::Number, "LOADH"}});
    AddColumn(f, {Sub(602), 120, 300, 1700, 1000, 690},
              {{619, Kind::Number, "TIME"},
               {620, Kind::Number, "LONG"},
               {621, Kind::Number, "LONG"},
               {622, Kind::Number, "NONE"},
               {623, Kind::Number, "PERCENT"},
               {625, Kind::SelectList, "NONE"},
               {624, Kind::Number, "LOADH"}});
    AddColumn(f, {Sub(603), 120, 300, 1700, 1000, 690},
              {{640, Kind::Number, "FLOW"}, {642, Kind::Number, "LOADH"}});
}

// Page 8: the user's own details, remembered between jobs.
void AddUserPage(Form& f) {
    ControlRef p = Page(8);
    AddColumn(f, {p, 120, 480, 1300, 2300, 0},
              {{700, Kind::String, "NONE"},
               {701, Kind::String, "NONE"},
               {702, Kind::String, "NONE"},
               {703, Kind::String, "NONE"},
               {704, Kind::String, "NONE"},
               {705, Kind::String, "NONE"},
               {706, Kind::String, "NONE"},
               {707, Kind::String, "NONE"},
               {708, Kind::String, "NONE"},
               {716, Kind::String, "NONE"}});
    AddColumn(f, {p, 3840, 480, 1300, 2300, 0},
              {{709, Kind::String, "NONE"},
               {710, Kind::String, "NONE"},
               {711, Kind::String, "NONE"},
               {712, Kind::String, "NONE"},
               {713, Kind::String, "NONE"},
               {714, Kind::String, "NONE"},
               {715, Kind::String, "NONE"},
               {720, Kind::String, "NONE"},
               {721, Kind::String, "NONE"}});
}

// Page 9: settings.
void AddSettingsPage(Form& f) {
    ControlRef p = Page(9);
    AddColumn(f, {p, 120, 480, 2000, 1800, 700},
              {{801, Kind::String, "NONE", true},
               {803, Kind::DataList, "NONE"},
               {804, Kind::DataList, "NONE"},
               {805, Kind::Number, "NONE"},
               {806, Kind::Number, "NONE"}});
    int top = 480 + 5 * kRowPitch + 120;
    for (int k = 0; k < 4; ++k) {
        int n = 840 + 2 * k;
        AddSubFrame(f, n, p, 120 + (k % 2) * 3780, top + (k / 2) * 960, 3660, 900);
        AddRadios(f, Sub(n), {n, n + 1}, 120, 270, 3420, 270);
    }
    top += 2 * 960 + 120;
    AddMenuButton(f, 20, p, 120, top, 2400);
    for (int k = 0; k < 2; ++k) {
        Label& link = f.HYPERLINK.Create(890 + k, &f);
        Place(link, p, 120, top + 480 + k * kRowPitch, 5000, 255);
        link.Transparent = true;
    }
}

// The hidden lists that describe each grid row, the in-cell editors, the lists that float
// over grid cells, and the focus traps around the two input grids.
void AddGridHelpers(Form& f) {
    for (int g : {200, 300}) {
        ControlRef p = Page(g / 100 + 1);
        TextBox& editor = f.MSFlexText.Create(g, &f);
        Place(editor, p, 0, 0, 900, 255);
        editor.Visible = false;
        for (auto* array : {&f.MSFlexRowType, &f.MSFlexHints, &f.UnitGrid})
            array->Create(g, &f).Visible = false;
        Control& back = f.TabBack.Create(g, &f);
        Place(back, p, 0, f.MSFlexGrid[g].Top, 0, 15);
        Control& forward = f.TabForward.Create(g, &f);
        Place(forward, p, 0, f.MSFlexGrid[g].Top + f.MSFlexGrid[g].Height, 0, 15);
    }
    for (int n : {201, 206, 301, 302}) {
        ListBox& list = f.OPTIONLIST.Create(n, &f);
        Place(list, Page(n / 100 + 1), 0, 0, 1500, 1500);
        list.Visible = false;
        f.OPTIONVALUE.Create(n, &f).Visible = false;
    }
}

} // namespace

void BuildWindowDesign(Form& f) {
    f.Window.Width = kMinInnerWidth + f.Window.FrameWidth;
    f.Window.Height = kMinInnerHeight + f.Window.FrameHeight;
    f.Window.ScaleWidth = kMinInnerWidth;
    f.Window.ScaleHeight = kMinInnerHeight;
    AddPages(f);
    AddMenu(f);
    AddSingles(f);
    AddDesignConditionsPage(f);
    AddJobPage(f);
    AddBoxPage(f);
    AddProductPage(f);
    AddMiscPage(f);
    AddSelectionPage(f);
    AddInfiltrationPage(f);
    AddUserPage(f);
    AddSettingsPage(f);
    AddGridHelpers(f);
    // Pages cover the logo of the start view; the banner lies over every page.
    for (auto& [p, page] : f.FRAME)
        f.BringToFront(page.ref);
    f.BringToFront(f.EFRAME.ref);
}

} // namespace tw
