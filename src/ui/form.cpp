// SPDX-License-Identifier: MIT
#include "ui/form.h"

#include <algorithm>

namespace tw {

Form::Form() {
    HINTBOX.Bind(this, {ArrayId::HINTBOX, 0});
    HintBoxCaption.Bind(this, {ArrayId::HintBoxCaption, 0});
    ThumbNailLogo.Bind(this, {ArrayId::ThumbNailLogo, 0});
    Logo.Bind(this, {ArrayId::Logo, 0});
    VersionNo.Bind(this, {ArrayId::VersionNo, 0});
    EFRAME.Bind(this, {ArrayId::EFRAME, 0});
    ESUBFRAME.Bind(this, {ArrayId::ESUBFRAME, 0});
    EBANNER.Bind(this, {ArrayId::EBANNER, 0});
    EBannerBorder.Bind(this, {ArrayId::EBannerBorder, 0});
    ConnectedImage.Bind(this, {ArrayId::ConnectedImage, 0});
    ProgressBar.Bind(this, {ArrayId::ProgressBar, 0});
    FileHistoryList.Bind(this, {ArrayId::FileHistoryList, 0});
    SIZER.Bind(this, {ArrayId::SIZER, 0});
    WrapBox.Bind(this, {ArrayId::WrapBox, 0});
    Timer1.Bind(this, {ArrayId::Timer1, 0});
}

Control& Form::Get(ControlRef ref) {
    switch (ref.array) {
    case ArrayId::TEXTBOX:
        return TEXTBOX[ref.index];
    case ArrayId::LABEL:
        return LABEL[ref.index];
    case ArrayId::UNITS:
        return UNITS[ref.index];
    case ArrayId::MLINE:
        return MLINE[ref.index];
    case ArrayId::OPTIONLIST:
        return OPTIONLIST[ref.index];
    case ArrayId::OPTIONVALUE:
        return OPTIONVALUE[ref.index];
    case ArrayId::ListButton:
        return ListButton[ref.index];
    case ArrayId::RADIO:
        return RADIO[ref.index];
    case ArrayId::CHECK:
        return CHECK[ref.index];
    case ArrayId::HYPERLINK:
        return HYPERLINK[ref.index];
    case ArrayId::CFRAME:
        return CFRAME[ref.index];
    case ArrayId::FRAME:
        return FRAME[ref.index];
    case ArrayId::PageBorder:
        return PageBorder[ref.index];
    case ArrayId::BUTT:
        return BUTT[ref.index];
    case ArrayId::SHADOW:
        return SHADOW[ref.index];
    case ArrayId::MSFlexGrid:
        return MSFlexGrid[ref.index];
    case ArrayId::MSFlexText:
        return MSFlexText[ref.index];
    case ArrayId::MSFlexRowType:
        return MSFlexRowType[ref.index];
    case ArrayId::MSFlexHints:
        return MSFlexHints[ref.index];
    case ArrayId::UnitGrid:
        return UnitGrid[ref.index];
    case ArrayId::TABFPIC:
        return TABFPIC[ref.index];
    case ArrayId::TABBPIC:
        return TABBPIC[ref.index];
    case ArrayId::TabForward:
        return TabForward[ref.index];
    case ArrayId::TabBack:
        return TabBack[ref.index];
    case ArrayId::Geometry:
        return Geometry[ref.index];
    case ArrayId::SPECLINK:
        return SPECLINK[ref.index];
    case ArrayId::ULabel:
        return ULabel[ref.index];
    case ArrayId::HINTBOX:
        return HINTBOX;
    case ArrayId::HintBoxCaption:
        return HintBoxCaption;
    case ArrayId::ThumbNailLogo:
        return ThumbNailLogo;
    case ArrayId::Logo:
        return Logo;
    case ArrayId::VersionNo:
        return VersionNo;
    case ArrayId::EFRAME:
        return EFRAME;
    case ArrayId::ESUBFRAME:
        return ESUBFRAME;
    case ArrayId::EBANNER:
        return EBANNER;
    case ArrayId::EBannerBorder:
        return EBannerBorder;
    case ArrayId::ConnectedImage:
        return ConnectedImage;
    case ArrayId::ProgressBar:
        return ProgressBar;
    case ArrayId::FileHistoryList:
        return FileHistoryList;
    case ArrayId::SIZER:
        return SIZER;
    case ArrayId::WrapBox:
        return WrapBox;
    case ArrayId::Timer1:
        return Timer1;
    case ArrayId::Window:
        break;
    }
    throw NoSuchControl(ref.array, ref.index);
}

bool Form::Exists(ControlRef ref) const {
    try {
        const_cast<Form*>(this)->Get(ref);
        return true;
    } catch (const NoSuchControl&) {
        return false;
    }
}

void Form::ForEachControl(const std::function<void(Control&)>& visit) {
    auto each = [&](auto& array) {
        for (auto& entry : array)
            visit(entry.second);
    };
    each(FRAME);
    each(PageBorder);
    each(CFRAME);
    each(LABEL);
    each(TEXTBOX);
    each(UNITS);
    each(MLINE);
    each(ListButton);
    each(RADIO);
    each(CHECK);
    each(HYPERLINK);
    each(BUTT);
    each(SHADOW);
    each(MSFlexGrid);
    each(MSFlexText);
    each(MSFlexRowType);
    each(MSFlexHints);
    each(UnitGrid);
    each(TabForward);
    each(TabBack);
    each(TABFPIC);
    each(TABBPIC);
    each(Geometry);
    each(SPECLINK);
    each(ULabel);
    each(OPTIONLIST);
    each(OPTIONVALUE);
    for (Control* c : std::initializer_list<Control*>{
             &HINTBOX, &HintBoxCaption, &ThumbNailLogo, &Logo, &VersionNo, &EFRAME, &ESUBFRAME,
             &EBANNER, &EBannerBorder, &ConnectedImage, &ProgressBar, &FileHistoryList, &SIZER,
             &WrapBox, &Timer1})
        visit(*c);
}

void Form::Measure(const std::string& text, float size, bool bold, int& width, int& height) const {
    if (measurer_) {
        measurer_(text, size, bold, width, height);
        return;
    }
    width = static_cast<int>(text.size()) * 90;
    height = 195;
}

bool Form::IsShown(ControlRef ref) {
    for (int depth = 0; depth < 16; ++depth) {
        if (ref.array == ArrayId::Window) return true;
        Control* c;
        try {
            c = &Get(ref);
        } catch (const NoSuchControl&) {
            return false;
        }
        if (!c->Visible) return false;
        ref = c->container;
    }
    return false;
}

bool Form::CanTakeFocus(ControlRef ref) {
    switch (ref.array) {
    case ArrayId::TEXTBOX:
    case ArrayId::OPTIONLIST:
    case ArrayId::ListButton:
    case ArrayId::RADIO:
    case ArrayId::CHECK:
    case ArrayId::MSFlexGrid:
    case ArrayId::MSFlexText:
    case ArrayId::TabForward:
    case ArrayId::TabBack:
    case ArrayId::TABFPIC:
    case ArrayId::TABBPIC:
    case ArrayId::FRAME:
    case ArrayId::FileHistoryList:
        break;
    default:
        return false;
    }
    if (!Exists(ref) || !Get(ref).Enabled) return false;
    return IsShown(ref);
}

bool Form::SetFocus(ControlRef ref) {
    if (!CanTakeFocus(ref)) return false;
    if (hasFocus_ && active_ == ref) return true;
    ControlRef old = active_;
    bool had = hasFocus_;
    active_ = ref;
    hasFocus_ = true;
    if (had) Raise(EventType::LostFocus, old);
    // A LostFocus handler may itself have moved the focus elsewhere.
    if (active_ == ref) Raise(EventType::GotFocus, ref);
    return true;
}

void Form::FocusNext() {
    std::vector<Control*> order;
    ForEachControl([&](Control& c) {
        if (c.TabStop) order.push_back(&c);
    });
    std::sort(order.begin(), order.end(),
              [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
    int current = hasFocus_ && Exists(active_) ? Get(active_).TabIndex : 0;
    auto start = std::find_if(order.begin(), order.end(),
                              [current](const Control* c) { return c->TabIndex > current; });
    for (std::size_t k = 0; k < order.size(); ++k) {
        auto it =
            order.begin() +
            static_cast<long>((static_cast<std::size_t>(start - order.begin()) + k) % order.size());
        if (CanTakeFocus((*it)->ref) && SetFocus((*it)->ref)) return;
    }
}

int Form::PressKey(ControlRef target, int keyAscii) {
    Event preview{EventType::KeyPress, {ArrayId::Window, 0}};
    preview.keyAscii = &keyAscii;
    Raise(preview);
    if (keyAscii == 0) return 0;
    Event press{EventType::KeyPress, target};
    press.keyAscii = &keyAscii;
    Raise(press);
    if (keyAscii == 0) return 0;
    if (target.array == ArrayId::TEXTBOX || target.array == ArrayId::MSFlexText) {
        if (keyAscii >= 32 || keyAscii == 8)
            ApplyTypedKey(static_cast<TextBox&>(Get(target)), keyAscii);
    }
    return keyAscii;
}

void Form::ApplyTypedKey(TextBox& box, int keyAscii) {
    std::string text = box.Text();
    int start = std::min<int>(box.SelStart, static_cast<int>(text.size()));
    int length = std::min<int>(box.SelLength, static_cast<int>(text.size()) - start);
    if (keyAscii == 8) {
        if (length > 0) {
            text.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
        } else if (start > 0) {
            // Remove one whole character, however many bytes it takes.
            int from = start - 1;
            while (from > 0 && (static_cast<unsigned char>(text[static_cast<std::size_t>(from)]) &
                                0xC0) == 0x80)
                --from;
            text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(start - from));
            start = from;
        }
    } else if (keyAscii >= 32) {
        std::string ch;
        if (keyAscii < 0x80) {
            ch = std::string(1, static_cast<char>(keyAscii));
        } else {
            // Characters above ASCII arrive as their code point.
            auto cp = static_cast<unsigned>(keyAscii);
            if (cp < 0x800) {
                ch += static_cast<char>(0xC0 | (cp >> 6));
                ch += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                ch += static_cast<char>(0xE0 | (cp >> 12));
                ch += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                ch += static_cast<char>(0x80 | (cp & 0x3F));
            }
        }
        text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), ch);
        start += static_cast<int>(ch.size());
    } else {
        return;
    }
    box.SelStart = start;
    box.SelLength = 0;
    box.SetText(text);
    box.SelStart = std::min<int>(start, static_cast<int>(box.Text().size()));
}

} // namespace tw
