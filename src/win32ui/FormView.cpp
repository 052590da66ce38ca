#include "win32ui/FormView.h"

#include "platform/win32/Text.h"
#include "win32ui/ViewHost.h"

#include <commctrl.h>

#include <exception>

namespace quarl::win32ui {

using platform::win32::Narrow;
using platform::win32::Widen;

namespace {

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

// Sets a window's text only when it differs, so that no change notification or flicker
// follows a reconcile that changes nothing.
void SetText(HWND hwnd, std::string& cached, const std::string& text) {
    if (cached == text)
        return;
    cached = text;
    if (WindowText(hwnd) != text)
        SetWindowTextW(hwnd, Widen(text).c_str());
}

} // namespace

FormView::FormView(ViewHost& host, ui::Form& form, int dialogId)
    : host_(host), form_(form), dialogId_(dialogId) {
    host.add(*this);
}

HWND FormView::create(HWND owner) {
    CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialogId_), owner, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return hwnd_;
}

int FormView::dpi() const {
    HDC dc = GetDC(hwnd_);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd_, dc);
    return dpi > 0 ? dpi : 96;
}

void FormView::sizeClientArea(int width, int height, bool centre) const {
    const int dpi = this->dpi();
    RECT rect{0, 0, MulDiv(width, dpi, 96), MulDiv(height, dpi, 96)};
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
    // No exception may cross a window procedure: it would end the process. An exception that
    // escapes an event handler ends that operation only and is shown to the player.
    try {
        return view->handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        view->host_.showError(error.what());
    } catch (...) {
        view->host_.showError("Unexpected error");
    }
    view->host_.reconcileAll();
    return TRUE;
}

bool FormView::onMessage(UINT, WPARAM, LPARAM, INT_PTR&) {
    return false;
}

INT_PTR FormView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = 0;
    if (message == WM_INITDIALOG) {
        caption_ = form_.caption;
        SetWindowTextW(hwnd_, Widen(caption_).c_str());
        onCreate();
        host_.reconcileAll();
        return TRUE;
    }
    if (onMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_COMMAND:
        if (reconciling_)
            return TRUE;
        host_.pullTexts();
        if (dispatchCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            host_.reconcileAll();
            return TRUE;
        }
        return FALSE;
    case WM_TIMER:
        for (auto& binding : timers_)
            if (binding.id == wParam) {
                host_.pullTexts();
                binding.timer->tick();
                host_.reconcileAll();
                return TRUE;
            }
        return FALSE;
    case WM_CLOSE:
        form_.requestClose();
        host_.reconcileAll();
        return TRUE;
    default: return FALSE;
    }
}

bool FormView::dispatchCommand(int id, int code, HWND control) {
    if (control == nullptr || control == toolbar_) {
        for (auto& binding : commands_)
            if (binding.id == id) {
                binding.command->click();
                return true;
            }
        return false;
    }
    auto* binding = findBinding(control);
    if (!binding)
        return false;
    switch (binding->kind) {
    case Kind::CheckBox:
        if (code == BN_CLICKED)
            static_cast<ui::CheckBox*>(binding->control)->click();
        return true;
    case Kind::RadioButton:
        if (code == BN_CLICKED)
            static_cast<ui::RadioButton*>(binding->control)->click();
        return true;
    case Kind::Button:
        if (code == BN_CLICKED)
            static_cast<ui::Button*>(binding->control)->click();
        return true;
    case Kind::Edit: return true; // typed text was pulled into the model before the dispatch
    case Kind::ComboBox: {
        auto* combo = static_cast<ui::ComboBox*>(binding->control);
        if (code == CBN_SELCHANGE) {
            const auto index = SendMessageW(control, CB_GETCURSEL, 0, 0);
            if (index >= 0 && static_cast<std::size_t>(index) < combo->items.size()) {
                combo->text = combo->items[static_cast<std::size_t>(index)];
                binding->text = combo->text;
            }
        }
        return true;
    }
    case Kind::ListBox: {
        auto* list = static_cast<ui::ListBox*>(binding->control);
        if (code == LBN_SELCHANGE) {
            pullListSelection(*binding);
            if (list->onClick)
                list->onClick();
        } else if (code == LBN_DBLCLK && list->onDoubleClick) {
            list->onDoubleClick();
        }
        return true;
    }
    case Kind::Label:
        if (code == STN_DBLCLK) {
            auto* label = static_cast<ui::Label*>(binding->control);
            if (label->onDoubleClick)
                label->onDoubleClick();
        }
        return true;
    case Kind::Image:
        if (code == STN_DBLCLK) {
            auto* image = static_cast<ui::Image*>(binding->control);
            if (image->onDoubleClick)
                image->onDoubleClick();
        }
        return true;
    default: return false;
    }
}

void FormView::bind(int id, ui::Control& control) {
    Binding binding;
    binding.id = id;
    binding.hwnd = GetDlgItem(hwnd_, id);
    binding.control = &control;
    // What the control shows now, from its template: a model text that differs is pushed at
    // the first reconcile, an empty one included.
    binding.text = WindowText(binding.hwnd);
    if (dynamic_cast<ui::CheckBox*>(&control))
        binding.kind = Kind::CheckBox;
    else if (dynamic_cast<ui::RadioButton*>(&control))
        binding.kind = Kind::RadioButton;
    else if (dynamic_cast<ui::Button*>(&control))
        binding.kind = Kind::Button;
    else if (dynamic_cast<ui::Edit*>(&control))
        binding.kind = Kind::Edit;
    else if (dynamic_cast<ui::ComboBox*>(&control))
        binding.kind = Kind::ComboBox;
    else if (dynamic_cast<ui::ListBox*>(&control))
        binding.kind = Kind::ListBox;
    else if (dynamic_cast<ui::Label*>(&control))
        binding.kind = Kind::Label;
    else if (dynamic_cast<ui::Image*>(&control))
        binding.kind = Kind::Image;
    else if (dynamic_cast<ui::StatusBar*>(&control))
        binding.kind = Kind::StatusBar;
    if (binding.kind == Kind::ListBox)
        binding.multiSelect = (GetWindowLongW(binding.hwnd, GWL_STYLE) & LBS_EXTENDEDSEL) != 0;
    bindings_.push_back(std::move(binding));
}

void FormView::bindCommand(int id, ui::Button& command, CommandKind kind) {
    commands_.push_back({id, &command, kind});
}

void FormView::bindTimer(UINT_PTR id, ui::Timer& timer) {
    timers_.push_back({id, &timer});
}

FormView::Binding* FormView::findBinding(HWND hwnd) {
    for (auto& binding : bindings_)
        if (binding.hwnd == hwnd)
            return &binding;
    return nullptr;
}

const FormView::Binding* FormView::findBinding(HWND hwnd) const {
    for (const auto& binding : bindings_)
        if (binding.hwnd == hwnd)
            return &binding;
    return nullptr;
}

const std::string* FormView::commandHint(int id) const {
    for (const auto& binding : commands_)
        if (binding.id == id)
            return &binding.command->hint;
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
            if (IsWindowVisible(binding.hwnd) && GetWindowRect(binding.hwnd, &rect) &&
                PtInRect(&rect, screen)) {
                target = binding.hwnd;
                break;
            }
        }
    }
    // A combo box's edit field belongs to the combo box.
    for (HWND window = target; window && window != hwnd_; window = GetParent(window))
        if (const auto* binding = findBinding(window))
            return binding->control->hint.empty() ? nullptr : &binding->control->hint;
    return nullptr;
}

void FormView::pullTexts() {
    if (!hwnd_ || reconciling_)
        return;
    for (auto& binding : bindings_) {
        if (binding.kind == Kind::Edit) {
            binding.text = WindowText(binding.hwnd);
            static_cast<ui::Edit*>(binding.control)->text = binding.text;
        } else if (binding.kind == Kind::ComboBox) {
            binding.text = WindowText(binding.hwnd);
            static_cast<ui::ComboBox*>(binding.control)->text = binding.text;
        }
    }
}

void FormView::reconcile() {
    if (!hwnd_)
        return;
    reconciling_ = true;
    if (caption_ != form_.caption) {
        caption_ = form_.caption;
        SetWindowTextW(hwnd_, Widen(caption_).c_str());
    }
    for (auto& binding : bindings_)
        reconcileControl(binding);
    for (auto& binding : commands_) {
        const int enabled = binding.command->available() ? 1 : 0;
        if (binding.enabled == enabled)
            continue;
        binding.enabled = enabled;
        if (binding.kind == CommandKind::Menu)
            EnableMenuItem(GetMenu(hwnd_), static_cast<UINT>(binding.id),
                           MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        else
            SendMessageW(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(binding.id),
                         MAKELPARAM(enabled, 0));
    }
    for (auto& binding : timers_) {
        const bool run = binding.timer->enabled && binding.timer->interval > 0;
        const bool restarted = binding.starts != binding.timer->starts();
        binding.starts = binding.timer->starts();
        if (run == binding.running &&
            (!run || (binding.interval == binding.timer->interval && !restarted)))
            continue;
        if (run)
            SetTimer(hwnd_, binding.id, binding.timer->interval, nullptr);
        else
            KillTimer(hwnd_, binding.id);
        binding.running = run;
        binding.interval = binding.timer->interval;
    }
    const int enabled = form_.enabled ? 1 : 0;
    if (enabled_ != enabled) {
        enabled_ = enabled;
        EnableWindow(hwnd_, enabled);
    }
    const int visible = form_.visible() ? 1 : 0;
    if (visible_ != visible) {
        visible_ = visible;
        ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    }
    reconciling_ = false;
    onReconciled();
    if (form_.closed() && !closed_) {
        closed_ = true;
        onClosed();
    }
}

void FormView::reconcileControl(Binding& binding) {
    auto& control = *binding.control;
    if (!binding.pushed || binding.enabled != control.enabled) {
        binding.enabled = control.enabled;
        EnableWindow(binding.hwnd, control.enabled);
    }
    if (!binding.pushed || binding.visible != control.visible) {
        binding.visible = control.visible;
        ShowWindow(binding.hwnd, control.visible ? SW_SHOWNA : SW_HIDE);
    }
    const bool first = !binding.pushed;
    binding.pushed = true;
    switch (binding.kind) {
    case Kind::CheckBox: {
        auto& box = static_cast<ui::CheckBox&>(control);
        SetText(binding.hwnd, binding.text, box.caption);
        const int check = box.checked() ? BST_CHECKED : BST_UNCHECKED;
        if (binding.check != check) {
            binding.check = check;
            SendMessageW(binding.hwnd, BM_SETCHECK, static_cast<WPARAM>(check), 0);
        }
        break;
    }
    case Kind::RadioButton: {
        auto& radio = static_cast<ui::RadioButton&>(control);
        SetText(binding.hwnd, binding.text, radio.caption);
        const int check = radio.selected() ? BST_CHECKED : BST_UNCHECKED;
        if (binding.check != check) {
            binding.check = check;
            SendMessageW(binding.hwnd, BM_SETCHECK, static_cast<WPARAM>(check), 0);
        }
        break;
    }
    case Kind::Button:
        SetText(binding.hwnd, binding.text, static_cast<ui::Button&>(control).caption);
        break;
    case Kind::Label:
        SetText(binding.hwnd, binding.text, static_cast<ui::Label&>(control).caption);
        break;
    case Kind::Edit: {
        auto& edit = static_cast<ui::Edit&>(control);
        if (first || binding.maxLength != edit.maxLength) {
            binding.maxLength = static_cast<unsigned>(edit.maxLength);
            SendMessageW(binding.hwnd, EM_LIMITTEXT, edit.maxLength, 0);
        }
        SetText(binding.hwnd, binding.text, edit.text);
        break;
    }
    case Kind::ComboBox: {
        auto& combo = static_cast<ui::ComboBox&>(control);
        if (first || binding.items != combo.items) {
            binding.items = combo.items;
            SendMessageW(binding.hwnd, CB_RESETCONTENT, 0, 0);
            for (const auto& item : combo.items)
                SendMessageW(binding.hwnd, CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(Widen(item).c_str()));
            binding.text.clear();
            binding.text += '\x01'; // the list reset cleared the edit field: push the text again
        }
        SetText(binding.hwnd, binding.text, combo.text);
        break;
    }
    case Kind::ListBox: reconcileList(binding); break;
    case Kind::Image: {
        // Owner-drawn: repainted only when the picture changes.
        const auto& picture = static_cast<ui::Image&>(control).picture;
        if (first || binding.text != picture) {
            binding.text = picture;
            InvalidateRect(binding.hwnd, nullptr, FALSE);
        }
        break;
    }
    case Kind::StatusBar: {
        auto& bar = static_cast<ui::StatusBar&>(control);
        if (first || binding.text != bar.text) {
            binding.text = bar.text;
            SendMessageW(binding.hwnd, SB_SETTEXTW, 0,
                         reinterpret_cast<LPARAM>(Widen(bar.text).c_str()));
        }
        break;
    }
    case Kind::Other: break;
    }
}

void FormView::recreateListBox(Binding& binding, bool multiSelect) {
    // A list box's selection mode is fixed when it is created: make a new one in its place.
    RECT rect;
    GetWindowRect(binding.hwnd, &rect);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
    LONG style = GetWindowLongW(binding.hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(binding.hwnd, GWL_EXSTYLE);
    style = multiSelect ? (style | LBS_EXTENDEDSEL) : (style & ~LBS_EXTENDEDSEL);
    const auto font = SendMessageW(binding.hwnd, WM_GETFONT, 0, 0);
    HWND previous = GetWindow(binding.hwnd, GW_HWNDPREV);
    DestroyWindow(binding.hwnd);
    binding.hwnd = CreateWindowExW(exStyle, L"LISTBOX", L"", static_cast<DWORD>(style), rect.left,
                                   rect.top, rect.right - rect.left, rect.bottom - rect.top, hwnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(binding.id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(binding.hwnd, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    SetWindowPos(binding.hwnd, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    binding.multiSelect = multiSelect;
    binding.items.clear();
    binding.items.push_back("\x01"); // forces a refill
    EnableWindow(binding.hwnd, binding.control->enabled);
    binding.enabled = binding.control->enabled;
}

void FormView::reconcileList(Binding& binding) {
    auto& list = static_cast<ui::ListBox&>(*binding.control);
    if (binding.multiSelect != list.multiSelect())
        recreateListBox(binding, list.multiSelect());
    bool refill = binding.items != list.items();
    if (refill) {
        binding.items = list.items();
        SendMessageW(binding.hwnd, LB_RESETCONTENT, 0, 0);
        for (const auto& item : list.items())
            SendMessageW(binding.hwnd, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Widen(item).c_str()));
        binding.selected.assign(list.items().size(), false);
        binding.itemIndex = -1;
    }
    std::vector<bool> selected(list.items().size());
    for (std::size_t i = 0; i < selected.size(); ++i)
        selected[i] = list.isSelected(i);
    if (!refill && selected == binding.selected && binding.itemIndex == list.itemIndex())
        return;
    if (list.multiSelect()) {
        for (std::size_t i = 0; i < selected.size(); ++i)
            SendMessageW(binding.hwnd, LB_SETSEL, selected[i], static_cast<LPARAM>(i));
        if (list.itemIndex() >= 0)
            SendMessageW(binding.hwnd, LB_SETCARETINDEX, static_cast<WPARAM>(list.itemIndex()),
                         FALSE);
    } else {
        SendMessageW(binding.hwnd, LB_SETCURSEL, static_cast<WPARAM>(list.itemIndex()), 0);
    }
    binding.selected = std::move(selected);
    binding.itemIndex = list.itemIndex();
}

void FormView::pullListSelection(Binding& binding) {
    auto& list = static_cast<ui::ListBox&>(*binding.control);
    if (list.multiSelect()) {
        list.setItemIndex(static_cast<int>(SendMessageW(binding.hwnd, LB_GETCARETINDEX, 0, 0)));
        for (std::size_t i = 0; i < list.items().size(); ++i)
            list.setSelected(i, SendMessageW(binding.hwnd, LB_GETSEL, i, 0) > 0);
    } else {
        list.setItemIndex(static_cast<int>(SendMessageW(binding.hwnd, LB_GETCURSEL, 0, 0)));
    }
    binding.selected.assign(list.items().size(), false);
    for (std::size_t i = 0; i < list.items().size(); ++i)
        binding.selected[i] = list.isSelected(i);
    binding.itemIndex = list.itemIndex();
}

} // namespace quarl::win32ui
