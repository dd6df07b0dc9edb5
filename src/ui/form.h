// SPDX-License-Identifier: MIT
// The whole window as a model: every control array and single control, the window's own
// properties, the keyboard focus, and the hook through which property changes raise events.
// Nothing here draws; the Qt layer mirrors this model and feeds user events back in.
#pragma once

#include "ui/controls.h"

#include <functional>
#include <string>

namespace tw {

enum class EventType {
    Change,
    Click,
    DblClick,
    GotFocus,
    LostFocus,
    KeyPress,
    KeyDown,
    KeyUp,
    MouseMove,
    MouseDown,
    MouseUp,
    RowColChange,
    Scroll,
    Timer,
};

struct Event {
    EventType type = EventType::Click;
    ControlRef source;
    // KeyPress: the character code, which the handler may change or set to 0 to swallow it.
    int* keyAscii = nullptr;
    // KeyDown/KeyUp: key code and shift state (1 Shift, 2 Ctrl, 4 Alt).
    int keyCode = 0;
    int shift = 0;
    // Mouse events: button and position in twips relative to the control.
    int button = 0;
    float x = 0;
    float y = 0;
};

struct WindowProps {
    std::string Caption;
    std::string Icon;
    // Outer position and size in twips; the inner (client) size is what the pages use.
    int Left = 0;
    int Top = 0;
    int Width = 9600;
    int Height = 7800;
    int ScaleWidth = 9480;
    int ScaleHeight = 7200;
    // 0 normal, 1 minimised, 2 maximised.
    int WindowState = 0;
    // The background gradient: bases and increments per band of red, green, blue.
    float GradientBase[3] = {0, 0, 0};
    float GradientIncrement[3] = {0, 0, 0};
    // Twips the window frame adds to the inner size (title bar and borders).
    int FrameWidth = 120;
    int FrameHeight = 600;
};

class Form {
public:
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Text fields and their companions, by field number.
    ControlArray<TextBox> TEXTBOX{ArrayId::TEXTBOX};
    ControlArray<Label> LABEL{ArrayId::LABEL};
    ControlArray<Label> UNITS{ArrayId::UNITS};
    ControlArray<Shape> MLINE{ArrayId::MLINE};
    ControlArray<ListBox> OPTIONLIST{ArrayId::OPTIONLIST};
    ControlArray<ListBox> OPTIONVALUE{ArrayId::OPTIONVALUE};
    ControlArray<CommandButton> ListButton{ArrayId::ListButton};
    ControlArray<OptionButton> RADIO{ArrayId::RADIO};
    ControlArray<CheckBox> CHECK{ArrayId::CHECK};
    ControlArray<Label> HYPERLINK{ArrayId::HYPERLINK};
    ControlArray<Frame> CFRAME{ArrayId::CFRAME};
    // Pages and their border shapes.
    ControlArray<PictureBox> FRAME{ArrayId::FRAME};
    ControlArray<Shape> PageBorder{ArrayId::PageBorder};
    // The menu column.
    ControlArray<Label> BUTT{ArrayId::BUTT};
    ControlArray<Label> SHADOW{ArrayId::SHADOW};
    // Grids and their helpers, by grid number.
    ControlArray<Grid> MSFlexGrid{ArrayId::MSFlexGrid};
    ControlArray<TextBox> MSFlexText{ArrayId::MSFlexText};
    ControlArray<ListBox> MSFlexRowType{ArrayId::MSFlexRowType};
    ControlArray<ListBox> MSFlexHints{ArrayId::MSFlexHints};
    ControlArray<ListBox> UnitGrid{ArrayId::UnitGrid};
    ControlArray<Control> TabForward{ArrayId::TabForward};
    ControlArray<Control> TabBack{ArrayId::TabBack};
    // Page arrows, drawings and links.
    ControlArray<PictureBox> TABFPIC{ArrayId::TABFPIC};
    ControlArray<PictureBox> TABBPIC{ArrayId::TABBPIC};
    ControlArray<PictureBox> Geometry{ArrayId::Geometry};
    ControlArray<PictureBox> SPECLINK{ArrayId::SPECLINK};
    ControlArray<Label> ULabel{ArrayId::ULabel};

    // Single controls.
    Label HINTBOX;
    Label HintBoxCaption;
    Image ThumbNailLogo;
    Image Logo;
    Label VersionNo;
    Frame EFRAME;
    Frame ESUBFRAME;
    Label EBANNER;
    Shape EBannerBorder;
    Image ConnectedImage;
    ProgressBarControl ProgressBar;
    // Gives up a running update download.
    CommandButton UpdateCancel;
    ListBox FileHistoryList;
    Label SIZER;
    Label WrapBox;
    TimerControl Timer1;
    ImageList TABIMAGES;
    ImageList GeomeryImages;

    WindowProps Window;

    // The control behind a reference, or null for an index the design lacks.
    Control* Find(ControlRef ref);
    // The control behind a reference; throws NoSuchControl for an index the design lacks.
    Control& Get(ControlRef ref);
    bool Exists(ControlRef ref) const;
    // Every control of the window, for the Qt mirror and the design checks.
    void ForEachControl(const std::function<void(Control&)>& visit);

    // Events raised by property changes and by the user go to one handler (FrmMain's).
    void SetEventHandler(std::function<void(const Event&)> handler) {
        handler_ = std::move(handler);
    }
    void Raise(const Event& e) const {
        if (handler_) handler_(e);
    }
    void Raise(EventType type, ControlRef source) const { Raise(Event{type, source}); }

    // Text measurement for auto-sizing labels (the platform's fonts).
    using Measurer = std::function<void(const std::string&, float size, bool bold, int& w, int& h)>;
    void SetMeasurer(Measurer m) { measurer_ = std::move(m); }
    void Measure(const std::string& text, float size, bool bold, int& width, int& height) const;

    // The keyboard focus. Moving it raises LostFocus on the old control, then GotFocus on the
    // new one. A control that cannot take the focus (hidden, disabled, on a hidden page)
    // leaves the focus where it was and the call returns false.
    ControlRef ActiveControl() const { return active_; }
    bool HasFocus() const { return hasFocus_; }
    bool SetFocus(ControlRef ref);
    bool CanTakeFocus(ControlRef ref);
    // Visible itself and inside visible containers up to the window.
    bool IsShown(ControlRef ref);

    // Brings a control above its siblings.
    void BringToFront(ControlRef ref) { Get(ref).ZOrder = ++zCounter_; }

    // Moves the focus to the next control of the tab order that can take it, as Tab does.
    void FocusNext();

    // A character typed into a control: the window sees it first (key preview), then the
    // control's KeyPress handler, which may change or swallow it; a text box then takes what
    // is left. Returns the character that reached the control (0 when swallowed).
    int PressKey(ControlRef target, int keyAscii);

    // The text box's own reaction to a typed character after its KeyPress handler let it
    // through: backspace deletes, a printable character replaces the selection.
    void ApplyTypedKey(TextBox& box, int keyAscii);

private:
    std::function<void(const Event&)> handler_;
    Measurer measurer_;
    ControlRef active_;
    bool hasFocus_ = false;
    int zCounter_ = 0;
};

} // namespace tw
