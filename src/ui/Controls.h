#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The portable control model. Every window's state lives here; the Win32 views mirror it into
// native controls and turn native notifications into the same calls a test makes. Setting a
// check box or selecting a radio button from code runs its click reaction only when the state
// actually changes; deselecting a radio button from code runs nothing.
namespace quarl::ui {

using Handler = std::function<void()>;

// A colour as 0xRRGGBB.
using Color = std::uint32_t;
inline constexpr Color kSilver = 0xC0C0C0;

class PopupMenu;

class Control {
public:
    explicit Control(std::string controlName = {}) : name(std::move(controlName)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    std::string name;
    bool enabled = true;
    bool visible = true;
    std::string hint;
    // The help topic F1 opens on this control; 0 leaves it to the page or the window.
    int helpContext = 0;
    // The menu a right-click opens on this control, if any.
    PopupMenu* popupMenu = nullptr;
};

class Label : public Control {
public:
    using Control::Control;
    std::string caption;
    Handler onDoubleClick;
    bool bold = false;
    std::optional<Color> color; // a background of the window's own choosing
};

class Button : public Control {
public:
    using Control::Control;
    std::string caption;
    Handler onClick;
    // Enabled and with a reaction: a command whose reaction is not there shows disabled.
    bool available() const { return enabled && onClick != nullptr; }
    // A click as the user makes it: nothing happens on a disabled or hidden control.
    void click() {
        if (available() && visible)
            onClick();
    }
};

// Menu items and toolbar buttons are commands with a caption and a hint.
using MenuItem = Button;
using ToolButton = Button;

class CheckBox : public Control {
public:
    using Control::Control;
    std::string caption;
    Handler onClick;

    bool checked() const { return checked_; }
    void setChecked(bool value) {
        if (checked_ == value)
            return;
        checked_ = value;
        if (onClick)
            onClick();
    }
    void click() {
        if (enabled && visible)
            setChecked(!checked_);
    }

private:
    bool checked_ = false;
};

class RadioButton;

// The radio buttons of one group box: selecting one deselects the others silently.
class RadioGroup {
public:
    void add(RadioButton& button) { members_.push_back(&button); }
    const std::vector<RadioButton*>& members() const { return members_; }

private:
    std::vector<RadioButton*> members_;
};

class RadioButton : public Control {
public:
    RadioButton(std::string controlName, RadioGroup& group)
        : Control(std::move(controlName)), group_(group) {
        group.add(*this);
    }
    std::string caption;
    Handler onClick;

    bool selected() const { return selected_; }
    void select();
    void deselect() { selected_ = false; }
    void click() {
        if (enabled && visible)
            select();
    }

private:
    RadioGroup& group_;
    bool selected_ = false;
};

inline void RadioButton::select() {
    if (selected_)
        return;
    for (auto* other : group_.members())
        other->selected_ = false;
    selected_ = true;
    if (onClick)
        onClick();
}

class Edit : public Control {
public:
    using Control::Control;
    std::string text;
    std::size_t maxLength = 0; // 0: no limit
    // Colour of the field's background: the window colour, or the face colour of a read-only
    // looking field.
    bool windowBackground = true;
};

// A drop-down list, editable or pick-only. The selected item is the one the text equals.
class ComboBox : public Control {
public:
    using Control::Control;
    std::vector<std::string> items;
    std::string text;
    bool editable = true;
    std::optional<Color> color; // a background of the window's own choosing
    Handler onChange;

    // The first item equal to the text, -1 for none.
    int itemIndex() const {
        const auto found = std::find(items.begin(), items.end(), text);
        return found == items.end() ? -1 : static_cast<int>(found - items.begin());
    }
    // From code: no change reaction, as the native list sends no notification then. An index
    // outside the list selects nothing and empties the text.
    void setItemIndex(int index) {
        text = index >= 0 && index < static_cast<int>(items.size())
                   ? items[static_cast<std::size_t>(index)]
                   : std::string();
    }
    // The player picks an item.
    void choose(int index) {
        if (!enabled || !visible || index == itemIndex())
            return;
        setItemIndex(index);
        if (onChange)
            onChange();
    }
    // The player types into an editable box.
    void type(std::string value) {
        if (!enabled || !visible || !editable || value == text)
            return;
        text = std::move(value);
        if (onChange)
            onChange();
    }
};

class ListBox : public Control {
public:
    using Control::Control;
    Handler onClick;
    Handler onDoubleClick;

    const std::vector<std::string>& items() const { return items_; }
    // The first item equal to the text, -1 for none.
    int indexOf(std::string_view text) const {
        const auto found = std::find(items_.begin(), items_.end(), text);
        return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
    }
    void clear() {
        items_.clear();
        selected_.clear();
        itemIndex_ = -1;
    }
    void add(std::string item) {
        items_.push_back(std::move(item));
        selected_.push_back(false);
    }
    bool multiSelect() const { return multiSelect_; }
    // Switching the mode keeps the items; a single-selection list keeps at most the current item.
    void setMultiSelect(bool value);
    bool isSelected(std::size_t index) const {
        return index < selected_.size() && selected_[index];
    }
    void setSelected(std::size_t index, bool value);
    // The current (focused) item, -1 for none. In single-selection mode it is the selection.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

private:
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    bool multiSelect_ = false;
};

class Image : public Control {
public:
    using Control::Control;
    std::string picture;
    Handler onDoubleClick;
};

class Timer {
public:
    bool enabled = false;
    unsigned interval = 1000; // milliseconds
    Handler onTimer;
    void tick() {
        if (enabled && onTimer)
            onTimer();
    }
    // Switches the timer on. A timer that was off counts its interval from now, even when it
    // was switched off and on again within one event; a running one keeps its rhythm.
    void start() {
        if (enabled)
            return;
        enabled = true;
        ++starts_;
    }
    unsigned starts() const { return starts_; }

private:
    unsigned starts_ = 0;
};

class StatusBar : public Control {
public:
    using Control::Control;
    std::string text;
};

// One page of a page control, with the controls it holds.
class TabSheet : public Control {
public:
    using Control::Control;
    std::string caption;
    std::vector<Control*> controls;
};

// A right-click menu. Opening it on a control records that control for the items' reactions.
class PopupMenu {
public:
    std::vector<MenuItem*> items; // nullptr for a separator
    Handler onPopup;

    const Control* popupComponent() const { return popupComponent_; }
    void popup(const Control& component) {
        popupComponent_ = &component;
        if (onPopup)
            onPopup();
    }

private:
    const Control* popupComponent_ = nullptr;
};

// Pages on top of each other without tabs: only the active one shows, and only code turns them.
class Notebook : public Control {
public:
    using Control::Control;
    std::vector<TabSheet*> pages;
    int pageIndex = 0;
};

// Text in lines separated by CR LF; the player may scroll it but not change a read-only one.
class Memo : public Control {
public:
    using Control::Control;
    std::string text;
    bool readOnly = false;
    bool verticalScrollBar = false;
};

// How far a long step has come: position of max, both in the step's own units.
class ProgressBar : public Control {
public:
    using Control::Control;
    std::uint64_t position = 0;
    std::uint64_t max = 0; // 0: nothing to show
};

} // namespace quarl::ui
