#include "win32ui/ViewHost.h"

#include "platform/win32/Text.h"
#include "ui/Form.h"
#include "win32ui/FormView.h"

#include <exception>

namespace quarl::win32ui {

using platform::win32::Widen;

void ViewHost::reconcileAll() {
    if (reconciling_)
        return;
    reconciling_ = true;
    for (auto* view : views_)
        view->reconcile();
    reconciling_ = false;
}

void ViewHost::pullTexts() {
    for (auto* view : views_)
        view->pullTexts();
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

void ViewHost::dispatch(const std::function<void()>& event) {
    try {
        event();
    } catch (const std::exception& error) {
        showError(error.what());
    } catch (...) {
        showError("Unexpected error");
    }
    reconcileAll();
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
    for (auto* view : views_)
        if (view->hwnd() && IsDialogMessageW(view->hwnd(), &message))
            return true;
    return false;
}

void ViewHost::processPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

int ViewHost::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!preTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

} // namespace quarl::win32ui
