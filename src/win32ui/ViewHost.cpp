#include "win32ui/ViewHost.h"

#include "base/ScopeExit.h"
#include "platform/win32/Text.h"
#include "ui/Form.h"
#include "win32ui/FormView.h"

#include <exception>

namespace quarl::win32ui {

using platform::win32::Widen;

ViewHost::ViewHost(ui::Application& application) : application_(application) {}

ViewHost::~ViewHost() = default;

void ViewHost::addWindow(ui::Form& form, ViewFactory makeView, ui::Form& owner) {
    windows_.push_back({&form, std::move(makeView), &owner, nullptr});
}

void ViewHost::create(Window& window) {
    HWND owner = nullptr;
    for (auto* view : views_)
        if (&view->form() == window.owner)
            owner = view->hwnd();
    window.view = window.makeView(*this);
    views_.push_back(window.view.get());
    window.view->create(owner);
}

void ViewHost::createShownWindows() {
    // Indexes, not iterators: a window's creation reconciles, which may show another.
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (!windows_[i].view && windows_[i].form->visible())
            create(windows_[i]);
}

void ViewHost::createAll() {
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (!windows_[i].view)
            create(windows_[i]);
}

void ViewHost::reconcileAll() {
    if (reconciling_)
        return;
    {
        // A failing reconcile must not leave every later one skipped.
        base::FlagScope reconciling(reconciling_);
        createShownWindows();
        for (std::size_t i = 0; i < views_.size(); ++i)
            views_[i]->reconcile();
    }
}

void ViewHost::runQueued() {
    while (application_.idle() && application_.hasQueued()) {
        guarded([this] { application_.runNextQueued(); });
        reconcileAll();
    }
}

void ViewHost::pullTexts() {
    for (std::size_t i = 0; i < views_.size(); ++i)
        views_[i]->pullTexts();
}

void ViewHost::setHint(const std::string& hint) {
    if (hint == application_.hint())
        return;
    application_.setHint(hint);
    reconcileAll();
}

void ViewHost::showError(const char* what) {
    MessageBoxW(GetActiveWindow(), Widen(what).c_str(), Widen(application_.title).c_str(),
                MB_OK | MB_ICONERROR);
}

void ViewHost::guarded(const std::function<void()>& event) {
    try {
        event();
    } catch (const std::exception& error) {
        showError(error.what());
    } catch (...) {
        showError("Unexpected error");
    }
}

void ViewHost::dispatch(const std::function<void()>& event) {
    guarded(event);
    reconcileAll();
    runQueued();
}

void ViewHost::trackHint(const MSG& message) {
    if (message.message != WM_MOUSEMOVE && message.message != WM_NCMOUSEMOVE)
        return;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    // The point the message reports: client coordinates for WM_MOUSEMOVE, screen coordinates
    // for the non-client variant.
    POINT screen{static_cast<short>(LOWORD(message.lParam)),
                 static_cast<short>(HIWORD(message.lParam))};
    if (message.message == WM_MOUSEMOVE)
        ClientToScreen(message.hwnd, &screen);
    for (auto* view : views_) {
        if (view->hwnd() != root)
            continue;
        const auto* hint = view->hintAt(message.hwnd, screen);
        setHint(hint ? *hint : std::string());
        return;
    }
}

bool ViewHost::preTranslate(MSG& message) {
    trackHint(message);
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1 && message.hwnd &&
        GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
        return sendHelp(message.hwnd);
    // Indexes, not iterators: a message handled here may show a window whose view is new.
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (views_[i]->hwnd() && IsDialogMessageW(views_[i]->hwnd(), &message))
            return true;
    return false;
}

bool ViewHost::sendHelp(HWND focus) {
    // The dialog manager takes the key before any translation could make WM_HELP of it.
    const HWND root = GetAncestor(focus, GA_ROOT);
    for (const auto* view : views_) {
        if (view->hwnd() != root)
            continue;
        HELPINFO info{};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = GetDlgCtrlID(focus);
        info.hItemHandle = focus;
        const DWORD position = GetMessagePos();
        info.MousePos = {static_cast<short>(LOWORD(position)),
                         static_cast<short>(HIWORD(position))};
        SendMessageW(root, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        return true;
    }
    return false;
}

void ViewHost::dispatch(MSG& message) {
    if (!preTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

ViewHost::Waiting ViewHost::waiting() const {
    Waiting waiting;
    for (auto* source : sources_) {
        source->appendWaitHandles(waiting.handles);
        waiting.sources.resize(waiting.handles.size(), source);
    }
    // One wait takes at most 64 objects, and the message queue counts as one of them.
    if (waiting.handles.size() > MAXIMUM_WAIT_OBJECTS - 1) {
        waiting.handles.resize(MAXIMUM_WAIT_OBJECTS - 1);
        waiting.sources.resize(MAXIMUM_WAIT_OBJECTS - 1);
    }
    return waiting;
}

void ViewHost::deliver(platform::win32::WaitSource& source, HANDLE handle) {
    // No exception may leave the loop: it ends that delivery only, as in a dialog procedure.
    dispatch([&] { source.signalled(handle); });
}

bool ViewHost::deliverSignalled() {
    bool delivered = false;
    for (;;) {
        const auto now = waiting();
        if (now.handles.empty())
            return delivered;
        const auto count = static_cast<DWORD>(now.handles.size());
        const DWORD woken = WaitForMultipleObjects(count, now.handles.data(), FALSE, 0);
        if (woken >= WAIT_OBJECT_0 + count)
            return delivered;
        const auto index = woken - WAIT_OBJECT_0;
        deliver(*now.sources[index], now.handles[index]);
        delivered = true;
    }
}

void ViewHost::processPendingMessages() {
    // A long step lets messages through to show how far it came: what it changed must be in
    // the windows before they paint.
    reconcileAll();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
    deliverSignalled();
}

int ViewHost::run() {
    // Waits for a message or a signalled object, whichever comes first, and takes one message
    // at a time so that neither can hold up the other.
    for (;;) {
        const auto now = waiting();
        const auto count = static_cast<DWORD>(now.handles.size());
        const DWORD woken = MsgWaitForMultipleObjectsEx(count, now.handles.data(), INFINITE,
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken < WAIT_OBJECT_0 + count) {
            const auto index = woken - WAIT_OBJECT_0;
            deliver(*now.sources[index], now.handles[index]);
            continue;
        }
        MSG message{};
        if (woken == WAIT_FAILED) {
            // No wait is possible: take the next message the plain way rather than spin. When
            // that fails too, nothing more can come: end with a failure code.
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0)
                return static_cast<int>(message.wParam);
            if (got < 0)
                return 1;
            dispatch(message);
            continue;
        }
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            continue;
        if (message.message == WM_QUIT)
            return static_cast<int>(message.wParam);
        dispatch(message);
    }
}

} // namespace quarl::win32ui
