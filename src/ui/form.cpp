// SPDX-License-Identifier: MIT
#include "ui/form.h"

#include "base/text.h"

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
    UpdateCancel.Bind(this, {ArrayId::UpdateCancel, 0});
    FileHistoryList.Bind(this, {ArrayId::FileHistoryList, 0});
    SIZER.Bind(this, {ArrayId::SIZER, 0});
    WrapBox.Bind(this, {ArrayId::WrapBox, 0});
    Timer1.Bind(this, {ArrayId::Timer1, 0});
}

Control* Form::Find(ControlRef ref) {
#define TW_FIND_IN_ARRAY(name, type)                                                               \
    case ArrayId::name:                                                                            \
        return name.Exists(ref.index) ? &name[ref.index] : nullptr;
#define TW_FIND_SINGLE(name, type)                                                                 \
    case ArrayId::name:                                                                            \
        return &name;
    switch (ref.array) {
        TW_CONTROL_ARRAYS(TW_FIND_IN_ARRAY)
        TW_SINGLE_CONTROLS(TW_FIND_SINGLE)
    case ArrayId::Window:
        break;
    }
#undef TW_FIND_IN_ARRAY
#undef TW_FIND_SINGLE
    return nullptr;
}

Control& Form::Get(ControlRef ref) {
    if (Control* c = Find(ref)) return *c;
    throw NoSuchControl(ref.array, ref.index);
}

bool Form::Exists(ControlRef ref) const {
    return const_cast<Form*>(this)->Find(ref) != nullptr;
}

void Form::ForEachControl(const std::function<void(Control&)>& visit) {
#define TW_VISIT_ARRAY(name, type)                                                                 \
    for (auto& entry : name)                                                                       \
        visit(entry.second);
#define TW_VISIT_SINGLE(name, type) visit(name);
    TW_CONTROL_ARRAYS(TW_VISIT_ARRAY)
    TW_SINGLE_CONTROLS(TW_VISIT_SINGLE)
#undef TW_VISIT_ARRAY
#undef TW_VISIT_SINGLE
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
        const Control* c = Find(ref);
        if (!c || !c->Visible) return false;
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
            while (from > 0 && IsUtf8Continuation(text[static_cast<std::size_t>(from)]))
                --from;
            text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(start - from));
            start = from;
        }
    } else if (keyAscii >= 32) {
        // Characters above ASCII arrive as their code point.
        const std::string ch = Utf8(static_cast<char32_t>(keyAscii));
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
