#pragma once

#include "platform/Help.h"
#include "platform/HelpPages.h"

#include <windows.h>

#include <functional>
#include <string>

namespace quarl::platform::win32 {

// Contents, keyword index and topics are the help pages, opened in the web browser (the help
// file's name is not used). A pop-up shows its text, compiled into the program and found through
// the lookup given, in a small window at the mouse pointer, owned by the active window; a click,
// a key or another window's activation closes it.
class Win32Help final : public Help {
public:
    // The text of a pop-up topic by number; empty for none.
    using PopupText = std::function<std::string(int context)>;
    Win32Help(PopupText popupText, HelpPages pages);
    Win32Help(const Win32Help&) = delete;
    Win32Help& operator=(const Win32Help&) = delete;
    ~Win32Help() override;

    void showContents(const std::string&) override { pages_.showContents(); }
    void searchKeyword(const std::string&) override { pages_.searchKeyword(); }
    void showTopic(const std::string&, int context) override { pages_.showTopic(context); }
    void showPopup(const std::string& helpFile, int context) override;

    static constexpr const wchar_t* kClassName = L"QuarlHelpPopup";

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    PopupText popupText_;
    HelpPages pages_;
    HWND popup_ = nullptr;
    HFONT font_ = nullptr;
};

} // namespace quarl::platform::win32
