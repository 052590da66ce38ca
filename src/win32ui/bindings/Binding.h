#pragma once

#include "ui/Controls.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace quarl::win32ui {

// Where a model control is bound: its dialog, its ID and its window. Every MakeBinding
// overload takes it first, so the one for a kind of model control is found by overload from
// the view that binds it, and a kind with none is a compile error.
struct BindingSite {
    HWND dialog = nullptr;
    int id = 0;
    HWND window = nullptr;
    const int* dpi = nullptr; // the scale the view is laid out for, kept by the view
};

// One native control mirroring one model control, in two directions only: reconcile pushes the
// model's state into the control, changing only what differs from what it pushed last; notify
// and pull turn the control's notifications and typed text into the same model calls a test
// makes.
class Binding {
public:
    Binding(const BindingSite& site, ui::Control& control);
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;
    virtual ~Binding() = default;

    HWND window() const { return site_.window; }
    const ui::Control& control() const { return control_; }

    void reconcile();
    // Whether the window, or one of the windows the binding drives beside it (a radio group's
    // items), is this one.
    virtual bool owns(HWND window) const { return window == site_.window; }
    // A WM_COMMAND notification code from the control.
    virtual void notify(int /*code*/) {}
    // The same, from one of the windows the binding owns.
    virtual void notifyFrom(HWND /*from*/, int code) { notify(code); }
    // Reads what the player typed into the model: a change notification is not always sent
    // (text set by another program, for one).
    virtual void pull() {}
    // A message the dialog receives on the control's behalf (WM_NOTIFY, WM_HSCROLL, WM_VSCROLL,
    // WM_CTLCOLOR..., WM_DRAWITEM, WM_CONTEXTMENU): true when the binding handled it, with the
    // dialog's result.
    virtual bool message(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }
    // True while the binding follows the mouse for the dialog (a drag): the dialog's mouse
    // messages (WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED) then go to its message().
    virtual bool tracksMouse() const { return false; }

protected:
    // The kind's own state; first is true at the first reconcile.
    virtual void reconcileContent(bool first) = 0;
    // False for a window whose visibility another binding decides (a page of a page control).
    virtual bool showsItself() const { return true; }
    // Sets the window's text only when it differs, so that no change notification or flicker
    // follows a reconcile that changes nothing.
    void pushText(const std::string& text);
    void pushCheck(bool checked);

    BindingSite site_;
    std::string text_; // the text the control shows, as last pushed or read

private:
    ui::Control& control_;
    bool pushed_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    int check_ = -1;
};

// The background a control of the window's own colour paints with (WM_CTLCOLOR...): a brush
// made when the colour is first asked for and kept until it changes.
class BackgroundBrush {
public:
    BackgroundBrush() = default;
    BackgroundBrush(const BackgroundBrush&) = delete;
    BackgroundBrush& operator=(const BackgroundBrush&) = delete;
    ~BackgroundBrush();
    // False without a colour: the control paints as the system would.
    bool paint(std::optional<ui::Color> color, HDC dc, INT_PTR& result);

private:
    HBRUSH brush_ = nullptr;
    ui::Color color_ = 0;
};

// A page of a notebook or page control: the dialog's child numbered after the control's ID.
HWND PageWindow(const BindingSite& site, std::size_t page);
// Puts the pages over the area (in the dialog's coordinates), above the control in the window
// order (and so in the tab order).
void PlacePages(const BindingSite& site, std::size_t count, const RECT& area);

// A window's whole text: as many characters as GetWindowTextW copied, which may be fewer than
// GetWindowTextLengthW announced.
std::string WindowText(HWND window);

} // namespace quarl::win32ui
