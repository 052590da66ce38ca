// The clipboard and the local address look-up on the Windows API.
#include "net/DottedAddress.h"
#include "platform/win32/Win32Services.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace quarl::tests {
namespace {

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"<not opened>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(Win32Clipboard, CopiedTextIsOnTheClipboardAsPlainText) {
    const HWND owner =
        CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    platform::win32::Win32Clipboard clipboard;
    clipboard.owner = reinterpret_cast<std::uintptr_t>(owner);
    clipboard.copyText("10.0.0.3");
    EXPECT_EQ(ClipboardText(), L"10.0.0.3");
    clipboard.copyText("N/A");
    EXPECT_EQ(ClipboardText(), L"N/A");
    DestroyWindow(owner);
}

TEST(Win32LocalAddresses, EveryAddressFoundIsADottedIpv4AddressOtherThanLoopback) {
    platform::win32::Win32LocalAddresses addresses;
    for (const auto& address : addresses.find()) {
        SCOPED_TRACE(address);
        const auto parsed = net::ParseDottedAddress(address);
        ASSERT_TRUE(parsed);
        EXPECT_NE(parsed->octets[0], 127);
    }
}

} // namespace
} // namespace quarl::tests
