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

// A link: underlined text that runs its reaction when clicked. An inactive link shows its
// caption as plain text and takes no click.
class Link : public Control {
public:
    using Control::Control;
    std::string caption;
    bool active = true;
    Handler onClick;
    void click() {
        if (enabled && visible && active && onClick)
            onClick();
    }
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
    std::optional<Color> color; // a background of the window's own choosing
    Handler onChange;
    // Typing and code alike: the change reaction runs when the text changes.
    void setText(std::string value) {
        if (value == text)
            return;
        text = std::move(value);
        if (onChange)
            onChange();
    }
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

// A table of text cells under one row of column headers. The data rows count from 0; there is
// always at least one, and one of them is selected, as a whole row.
class Grid : public Control {
public:
    struct Column {
        std::string header;
        int width = 64; // pixels; the player may change it when columns can be resized
    };
    using Row = std::vector<std::string>;

    Grid(std::string controlName, std::vector<Column> gridColumns);

    // The columns are fixed in number; their headers and widths may change.
    std::vector<Column> columns;
    int rowHeight = 24; // pixels
    bool gridLines = true;
    bool resizableColumns = false;
    // Rows can be dragged to another place (moveRow).
    bool movableRows = false;
    Handler onDoubleClick;

    std::size_t rowCount() const { return rows_.size(); }
    // Rows beyond the count are dropped and missing ones added empty; never fewer than one.
    void setRowCount(std::size_t count);
    const Row& row(std::size_t index) const { return rows_.at(index); }
    const std::string& cell(std::size_t column, std::size_t row) const {
        return rows_.at(row).at(column);
    }
    void setCell(std::size_t column, std::size_t row, std::string text) {
        rows_.at(row).at(column) = std::move(text);
    }
    // Adds an empty row at the end and returns its index.
    std::size_t addRow();
    // Removes the row; the only row is emptied instead.
    void deleteRow(std::size_t index);
    // Takes a row out and puts it back in at another place, as a drag does; the selection
    // stays on the row it was on.
    void moveRow(std::size_t from, std::size_t to);
    std::size_t selectedRow() const { return selected_; }
    void selectRow(std::size_t index) { selected_ = std::min(index, rows_.size() - 1); }
    void doubleClick() {
        if (enabled && visible && onDoubleClick)
            onDoubleClick();
    }

private:
    std::vector<Row> rows_;
    std::size_t selected_ = 0;
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

// A panel showing one line of text, in colours of its own.
class Panel : public Control {
public:
    using Control::Control;
    std::string caption;
    Color color = kSilver;
    Color textColor = 0x000000;
};

class StatusBar : public Control {
public:
    using Control::Control;
    std::string text;
};

class GroupBox : public Control {
public:
    using Control::Control;
    std::string caption;
};

// A group box of radio items chosen by index. Choosing an item from code runs the click
// reaction when the choice changes, as selecting a radio button does.
class RadioGroupBox : public Control {
public:
    using Control::Control;
    std::string caption;
    std::vector<std::string> items;
    int columns = 1;
    Handler onClick;

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index) {
        if (index < -1 || index >= static_cast<int>(items.size()))
            index = -1;
        if (index == itemIndex_)
            return;
        itemIndex_ = index;
        if (onClick)
            onClick();
    }
    void click(int index) {
        if (enabled && visible)
            setItemIndex(index);
    }

private:
    int itemIndex_ = -1;
};

// A slider over whole positions from min to max with a tick every frequency steps. Moving it,
// by the player or from code, runs the change reaction.
class TrackBar : public Control {
public:
    using Control::Control;
    int min = 0;
    int max = 10;
    int frequency = 1;
    Handler onChange;

    int position() const { return position_; }
    void setPosition(int value) {
        value = std::clamp(value, min, max);
        if (value == position_)
            return;
        position_ = value;
        if (onChange)
            onChange();
    }

private:
    int position_ = 0;
};

// One page of a page control, with the controls it holds.
class TabSheet : public Control {
public:
    using Control::Control;
    std::string caption;
    std::vector<Control*> controls;
};

// Pages behind tabs; the player may show any page, a disabled one too.
class PageControl : public Control {
public:
    using Control::Control;
    std::vector<TabSheet*> pages;
    bool multiLine = false;

    int activePageIndex() const { return activePageIndex_; }
    TabSheet* activePage() const {
        return activePageIndex_ < 0 ? nullptr : pages[static_cast<std::size_t>(activePageIndex_)];
    }
    void setActivePage(int index) {
        if (index >= -1 && index < static_cast<int>(pages.size()))
            activePageIndex_ = index;
    }

private:
    int activePageIndex_ = -1;
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
