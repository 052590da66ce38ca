#include "win32ui/FormView.h"

#include "base/ScopeExit.h"
#include "platform/win32/Text.h"
#include "win32ui/ViewHost.h"
#include "win32ui/res/AppIds.h"
#include "win32ui/WindowPlacement.h"

#include <commctrl.h>

#include <exception>

namespace quarl::win32ui {

using platform::win32::Widen;

int WindowDpi(HWND window) {
    // GetDpiForWindow exists from Windows 10 (1607) on; before it, one DPI held for all screens.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window); dpi > 0)
            return static_cast<int>(dpi);
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi > 0 ? dpi : 96;
}

FormView::FormView(ViewHost& host, ui::Form& form, int dialogId)
    : host_(host), form_(form), dialogId_(dialogId) {}

void FormView::keepPosition(config::ConfigStore& store, const app::PositionKeeper& keeper) {
    placement_ = std::make_unique<PlacementKeeper>(store, keeper);
}

FormView::~FormView() {
    if (font_)
        DeleteObject(font_);
}

HWND FormView::create(HWND owner) {
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId_), owner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return hwnd_;
}

void FormView::setLauncherIcon() const {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_LAUNCHER));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void FormView::sizeClientArea(int width, int height, bool centre) const {
    RECT rect{0, 0, MulDiv(width, dpi_, 96), MulDiv(height, dpi_, 96)};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)),
                       GetMenu(hwnd_) != nullptr,
                       static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
    const int windowWidth = rect.right - rect.left;
    const int windowHeight = rect.bottom - rect.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - windowWidth) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - windowHeight) / 2, windowWidth, windowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE | (centre ? 0 : SWP_NOMOVE));
}

INT_PTR CALLBACK FormView::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FormView* view;
    if (message == WM_INITDIALOG) {
        view = reinterpret_cast<FormView*>(lParam);
        view->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(view));
    } else {
        view = reinterpret_cast<FormView*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!view)
        return FALSE;
    auto& host = view->host_;
    INT_PTR result = TRUE;
    {
        // Every message is an event: what arrives from outside meanwhile (a hand-over) waits.
        ui::Application::EventScope event(host.application());
        // No exception may cross a window procedure: it would end the process. An exception
        // that escapes an event handler ends that operation only and is shown to the player.
        try {
            result = view->handle(message, wParam, lParam);
        } catch (const std::exception& error) {
            host.showError(error.what());
            host.reconcileAll();
        } catch (...) {
            host.showError("Unexpected error");
            host.reconcileAll();
        }
    }
    host.runQueued();
    return result;
}

HWND FormView::createPage(int templateId, int id) {
    HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), hwnd_,
                                   PageProc, 0);
    if (page) {
        SetWindowLongPtrW(page, GWLP_ID, id);
        pages_.push_back(page);
    }
    return page;
}

// A page passes what its controls tell it to the window, whose bindings answer.
INT_PTR CALLBACK FormView::PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return FALSE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return static_cast<INT_PTR>(SendMessageW(GetParent(page), message, wParam, lParam));
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CONTEXTMENU:
    case WM_HELP:
        SetWindowLongPtrW(page, DWLP_MSGRESULT,
                          SendMessageW(GetParent(page), message, wParam, lParam));
        return TRUE;
    default: return FALSE;
    }
}

HWND FormView::findItem(int id) const {
    if (HWND item = GetDlgItem(hwnd_, id))
        return item;
    for (HWND page : pages_)
        if (HWND item = GetDlgItem(page, id))
            return item;
    return nullptr;
}

bool FormView::onMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

INT_PTR FormView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (message == WM_INITDIALOG) {
        dpi_ = WindowDpi(hwnd_);
        caption_ = form_.caption;
        SetWindowTextW(hwnd_, Widen(caption_).c_str());
        onCreate();
        if (placement_)
            placement_->restore(hwnd_);
        host_.reconcileAll();
        return TRUE;
    }
    if (message == WM_DESTROY && placement_)
        placement_->save(hwnd_);
    if (onMessage(message, wParam, lParam, result))
        return result;
    if (Binding* binding = bindingFor(message, wParam, lParam)) {
        if (binding->message(message, wParam, lParam, result)) {
            if (message == WM_NOTIFY)
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
            host_.reconcileAll();
            return message == WM_NOTIFY ? TRUE : result;
        }
    }
    switch (message) {
    case WM_COMMAND:
        if (reconciling_)
            return TRUE;
        host_.pullTexts();
        if (LOWORD(wParam) == IDCANCEL && escapeButton_) {
            escapeButton_->click();
            host_.reconcileAll();
            return TRUE;
        }
        if (dispatchCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            host_.reconcileAll();
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        for (auto& timer : timers_)
            if (timer.id() == wParam) {
                host_.pullTexts();
                timer.tick();
                host_.reconcileAll();
                return TRUE;
            }
        return FALSE;
    case WM_CONTEXTMENU:
        host_.pullTexts();
        showPopupMenu(reinterpret_cast<HWND>(wParam), lParam);
        host_.reconcileAll();
        return TRUE;
    case WM_CLOSE:
        form_.requestClose();
        host_.reconcileAll();
        return TRUE;
    case WM_DPICHANGED:
        rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        // Fonts the bindings made (bold labels) follow the new one.
        host_.reconcileAll();
        return TRUE;
    default: return FALSE;
    }
}

bool FormView::dispatchCommand(int id, int code, HWND control) {
    if (control == nullptr || control == toolbar_) {
        for (auto& command : commands_)
            if (command.id() == id) {
                command.command().click();
                return true;
            }
        return false;
    }
    auto* binding = findBinding(control);
    if (!binding)
        return false;
    binding->notifyFrom(control, code);
    return true;
}

namespace {

// Scales the places and sizes of a window's children, and gives them the font (when there is one).
void ScaleChildren(HWND parent, int dpi, int old, HFONT font) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        SetWindowPos(child, nullptr, MulDiv(rect.left, dpi, old), MulDiv(rect.top, dpi, old),
                     MulDiv(rect.right - rect.left, dpi, old),
                     MulDiv(rect.bottom - rect.top, dpi, old), SWP_NOZORDER | SWP_NOACTIVATE);
        if (font)
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

} // namespace

void FormView::rescale(int dpi, const RECT& suggested) {
    const int old = dpi_;
    if (dpi <= 0 || dpi == old)
        return;
    dpi_ = dpi;
    // The template's controls keep their places and sizes in proportion, and take a font of
    // the same point size at the new scale.
    LOGFONTW logFont{};
    const auto current = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    const HFONT previous = font_;
    if (font_ || current) {
        GetObjectW(font_ ? font_ : current, sizeof logFont, &logFont);
        logFont.lfHeight = MulDiv(logFont.lfHeight, dpi, old);
        font_ = CreateFontIndirectW(&logFont);
    }
    ScaleChildren(hwnd_, dpi, old, font_);
    // A page's controls are one level down.
    for (HWND page : pages_)
        ScaleChildren(page, dpi, old, font_);
    if (previous)
        DeleteObject(previous);
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    onDpiChanged();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FormView::bindCommand(int id, ui::Button& command, CommandKind kind) {
    commands_.emplace_back(id, command, kind);
}

void FormView::bindTimer(UINT_PTR id, ui::Timer& timer) {
    timers_.emplace_back(id, timer);
}

Binding* FormView::bindingFor(UINT message, WPARAM wParam, LPARAM lParam) const {
    switch (message) {
    case WM_NOTIFY: {
        // A list view passes its header's notifications on: they are the list view's.
        const HWND from = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        if (Binding* binding = findBinding(from))
            return binding;
        return from ? findBinding(GetParent(from)) : nullptr;
    }
    case WM_CONTEXTMENU: return findBinding(reinterpret_cast<HWND>(wParam));
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        for (const auto& binding : bindings_)
            if (binding->tracksMouse())
                return binding.get();
        return nullptr;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        // An editable drop-down list's edit field asks on the list's behalf.
        return findBindingAround(reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return wParam ? findBinding(GetDlgItem(hwnd_, static_cast<int>(wParam))) : nullptr;
    default: return nullptr;
    }
}

Binding* FormView::findBinding(HWND hwnd) const {
    for (const auto& binding : bindings_)
        if (binding->owns(hwnd))
            return binding.get();
    return nullptr;
}

Binding* FormView::findBindingAround(HWND hwnd) const {
    for (HWND window = hwnd; window && window != hwnd_; window = GetParent(window))
        if (auto* binding = findBinding(window))
            return binding;
    return nullptr;
}

const ui::Control* FormView::controlOf(HWND window) const {
    const auto* binding = findBindingAround(window);
    return binding ? &binding->control() : nullptr;
}

Binding* FormView::bindingAt(POINT screen) const {
    Binding* found = nullptr;
    LONG foundArea = 0;
    for (const auto& binding : bindings_) {
        RECT rect;
        if (!IsWindowVisible(binding->window()) || !GetWindowRect(binding->window(), &rect) ||
            !PtInRect(&rect, screen))
            continue;
        const LONG area = (rect.right - rect.left) * (rect.bottom - rect.top);
        if (!found || area < foundArea) {
            found = binding.get();
            foundArea = area;
        }
    }
    return found;
}

void FormView::showPopupMenu(HWND clicked, LPARAM position) {
    POINT screen{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    Binding* binding = nullptr;
    if (position == -1) {
        // From the keyboard: the focused control, the menu at its corner.
        binding = findBindingAround(GetFocus());
        RECT rect{};
        if (binding)
            GetWindowRect(binding->window(), &rect);
        screen = {rect.left, rect.bottom};
    } else {
        // Labels and group boxes let the click through to the window under them: find the
        // control by its place instead.
        binding = findBinding(clicked);
        if (!binding || !binding->control().popupMenu)
            binding = bindingAt(screen);
    }
    if (!binding || !binding->control().popupMenu)
        return;
    auto& menu = *binding->control().popupMenu;
    menu.popup(binding->control());
    host_.reconcileAll();
    HMENU native = CreatePopupMenu();
    for (std::size_t index = 0; index < menu.items.size(); ++index) {
        const auto* item = menu.items[index];
        if (!item) {
            AppendMenuW(native, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(native, MF_STRING | (item->available() ? 0 : MF_GRAYED), index + 1,
                    Widen(item->caption).c_str());
    }
    const auto chosen = TrackPopupMenu(native, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y,
                                       0, hwnd_, nullptr);
    DestroyMenu(native);
    if (chosen > 0 && static_cast<std::size_t>(chosen) <= menu.items.size())
        menu.items[static_cast<std::size_t>(chosen) - 1]->click();
}

const std::string* FormView::commandHint(int id) const {
    for (const auto& command : commands_)
        if (command.id() == id)
            return &command.command().hint;
    return nullptr;
}

const std::string* FormView::hintAt(HWND target, POINT screen) const {
    if (target == toolbar_ && toolbar_) {
        POINT point = screen;
        ScreenToClient(toolbar_, &point);
        const auto index = SendMessageW(toolbar_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point));
        TBBUTTON button{};
        if (index >= 0 && SendMessageW(toolbar_, TB_GETBUTTON, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(&button)))
            return commandHint(button.idCommand);
        return nullptr;
    }
    if (target == hwnd_) {
        // Over a disabled control the mouse reaches the window itself. The control is found by
        // its place among the bound ones: a plain child-from-point search would stop at the
        // group box around it, which comes first in the window order.
        target = nullptr;
        for (const auto& binding : bindings_) {
            RECT rect;
            if (IsWindowVisible(binding->window()) && GetWindowRect(binding->window(), &rect) &&
                PtInRect(&rect, screen)) {
                target = binding->window();
                break;
            }
        }
    }
    // A combo box's edit field belongs to the combo box.
    for (HWND window = target; window && window != hwnd_; window = GetParent(window))
        if (const auto* binding = findBinding(window))
            return binding->control().hint.empty() ? nullptr : &binding->control().hint;
    return nullptr;
}

void FormView::pullTexts() {
    if (!hwnd_ || reconciling_)
        return;
    for (auto& binding : bindings_)
        binding->pull();
}

void FormView::showOrHide(bool visible) {
    if (visible && !shown_ && placement_)
        placement_->showFirst(hwnd_);
    else
        ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    shown_ = shown_ || visible;
}

// The form asked to be in front, with the keyboard focus in one of its controls when it named
// one. Only a visible window comes forward.
void FormView::comeToFront() {
    if (!form_.visible())
        return;
    // Only a window not yet in front is moved, and a move the system refused is not tried again
    // while the same window keeps the foreground: a window that asks on every paint (the entry
    // editor) must never bring itself another paint, endlessly.
    const HWND foreground = GetForegroundWindow();
    if (foreground != hwnd_ && GetActiveWindow() != hwnd_ && foreground != refusedBy_) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(hwnd_);
        refusedBy_ = GetForegroundWindow() == hwnd_ ? nullptr : foreground;
    }
    if (const auto* focus = form_.focusRequest())
        for (const auto& binding : bindings_)
            if (&binding->control() == focus) {
                SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(binding->window()),
                             TRUE);
                break;
            }
}

void FormView::reconcile() {
    if (!hwnd_)
        return;
    {
        // Notifications the reconcile itself raises are not the player's; an exception part-way
        // must not leave the view deaf to the player's.
        base::FlagScope reconciling(reconciling_);
        if (caption_ != form_.caption) {
            caption_ = form_.caption;
            SetWindowTextW(hwnd_, Widen(caption_).c_str());
        }
        for (auto& binding : bindings_)
            binding->reconcile();
        for (auto& command : commands_)
            command.reconcile(hwnd_, toolbar_);
        for (auto& timer : timers_)
            timer.reconcile(hwnd_);
        const int enabled = form_.enabled ? 1 : 0;
        if (enabled_ != enabled) {
            enabled_ = enabled;
            EnableWindow(hwnd_, enabled);
        }
        const int visible = form_.visible() ? 1 : 0;
        if (visible_ != visible) {
            visible_ = visible;
            showOrHide(visible);
        }
        if (frontRequests_ != form_.frontRequests()) {
            frontRequests_ = form_.frontRequests();
            comeToFront();
        }
    }
    onReconciled();
    if (form_.closed() && !closed_) {
        closed_ = true;
        onClosed();
    }
}

} // namespace quarl::win32ui
