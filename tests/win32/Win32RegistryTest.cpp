// The registry service on the Windows API: the view it uses and reads that race with writers.
#include "platform/win32/Text.h"
#include "platform/win32/Win32Registry.h"
#include "support/Sandbox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace quarl::tests {
namespace {

using platform::RegistryValue;
using platform::RootKey;
using platform::win32::Widen;

class Win32RegistryTest : public ::testing::Test {
protected:
    Win32RegistryTest() { DeleteTree(HKEY_LOCAL_MACHINE, Widen(key_)); }
    ~Win32RegistryTest() override { DeleteTree(HKEY_LOCAL_MACHINE, Widen(key_)); }

    const std::string key_ =
        "Software\\QuarlRegistryTest\\" + std::to_string(GetCurrentProcessId());
    platform::win32::Win32Registry registry_;
};

bool Present(const std::string& key, REGSAM view) {
    wchar_t text[64];
    DWORD size = sizeof text;
    return GetValue(HKEY_LOCAL_MACHINE, Widen(key), L"InstallationPath", RRF_RT_REG_SZ, text, &size,
                    view) == ERROR_SUCCESS;
}

// The game is a 32-bit program: whatever the launcher's own build, a game key value it writes
// is where the game reads it, in the 32-bit view (WOW6432Node), and not in the 64-bit one.
TEST_F(Win32RegistryTest, GameKeyValuesLiveInThe32BitView) {
    registry_.writeValue(RootKey::LocalMachine, key_, "InstallationPath",
                         RegistryValue::String("C:\\Games"), true);
    EXPECT_TRUE(Present(key_, KEY_WOW64_32KEY));
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    const bool twoViews = sizeof(void*) == 8 || wow64;
    // On 32-bit Windows there is one view only, and both flags address it.
    EXPECT_EQ(Present(key_, KEY_WOW64_64KEY), !twoViews);
    EXPECT_EQ(registry_.readValue(RootKey::LocalMachine, key_, "InstallationPath"),
              RegistryValue::String("C:\\Games"));
}

// A value another program makes longer between the size query and the read is read again,
// never reported as an error.
TEST_F(Win32RegistryTest, AValueThatGrowsWhileItIsReadIsReadWhole) {
    const std::string shortText = "x";
    const std::string longText(2000, 'y');
    registry_.writeValue(RootKey::LocalMachine, key_, "Grows", RegistryValue::String(shortText),
                         true);
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        platform::win32::Win32Registry other;
        for (bool grow = true; !stop; grow = !grow)
            other.writeValue(RootKey::LocalMachine, key_, "Grows",
                             RegistryValue::String(grow ? longText : shortText), false);
    });
    int errors = 0;
    int wrong = 0;
    for (int i = 0; i < 2000; ++i) {
        try {
            const auto value = registry_.readValue(RootKey::LocalMachine, key_, "Grows");
            if (!value || (value->text != shortText && value->text != longText))
                ++wrong;
        } catch (const platform::RegistryError&) {
            ++errors;
        }
    }
    stop = true;
    writer.join();
    EXPECT_EQ(errors, 0);
    EXPECT_EQ(wrong, 0);
}

} // namespace
} // namespace quarl::tests
