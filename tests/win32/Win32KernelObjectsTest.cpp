// The named objects and the message window of the instance hand-over, on the Windows API.
#include "platform/win32/Text.h"
#include "platform/win32/Win32Services.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace quarl::tests {
namespace {

using platform::win32::Win32KernelObjects;

// A name no other test or process uses.
std::string UniqueName(const char* what) {
    static int counter = 0;
    return std::string("QuarlTest-") + what + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(counter++);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

TEST(Win32KernelObjects, SharedMemoryIsCreatedZeroedAndSeenAgainUnderItsName) {
    Win32KernelObjects kernel;
    const auto name = UniqueName("area");
    bool existed = true;
    auto first = kernel.createSharedMemory(name, 3018, existed);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(existed);
    ASSERT_EQ(first->bytes().size(), 3018u);
    EXPECT_EQ(first->bytes()[3017], std::byte{0});
    first->bytes()[3017] = std::byte{42};

    auto second = kernel.createSharedMemory(name, 3018, existed);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(existed);
    EXPECT_EQ(second->bytes()[3017], std::byte{42});

    // Once every view is closed the block is gone.
    first.reset();
    second.reset();
    auto fresh = kernel.createSharedMemory(name, 3018, existed);
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(existed);
}

TEST(Win32KernelObjects, ABlockSmallerThanAskedForIsNotMapped) {
    Win32KernelObjects kernel;
    const auto name = UniqueName("small");
    HANDLE small = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 100,
                                      platform::win32::Widen(name).c_str());
    ASSERT_NE(small, nullptr);
    bool existed = false;
    EXPECT_EQ(kernel.createSharedMemory(name, 8192, existed), nullptr);
    CloseHandle(small);
}

TEST(Win32KernelObjects, SemaphoreCountsUpToItsMaximumAndWaitsAtMostTheTimeOut) {
    Win32KernelObjects kernel;
    const auto name = UniqueName("sem");
    EXPECT_EQ(kernel.openSemaphore(name), nullptr);
    auto semaphore = kernel.createSemaphore(name, 0, 1);
    ASSERT_NE(semaphore, nullptr);
    const auto started = GetTickCount();
    EXPECT_FALSE(semaphore->wait(300));
    const auto waited = GetTickCount() - started;
    EXPECT_GE(waited, 250u);
    EXPECT_LT(waited, 5000u);

    EXPECT_TRUE(semaphore->release());
    EXPECT_FALSE(semaphore->release()) << "the maximum is 1";
    // Creating it again opens it with its count unchanged.
    auto again = kernel.createSemaphore(name, 0, 1);
    ASSERT_NE(again, nullptr);
    auto opened = kernel.openSemaphore(name);
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->wait(0));
    EXPECT_FALSE(again->wait(0));
}

TEST(Win32KernelObjects, OnlyTheLaunchersMessageWindowsArePostedTo) {
    Win32KernelObjects kernel;
    int received = 0;
    auto window = kernel.createMessageWindow(1324, [&] { ++received; });
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->handle(), 0u);

    EXPECT_TRUE(kernel.postMessage(window->handle(), 1324));
    EXPECT_TRUE(kernel.postMessage(window->handle(), 1325));
    PumpMessages();
    EXPECT_EQ(received, 1) << "only its own message runs the callback";

    // Another window (another class) and no window at all get nothing.
    HWND other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(kernel.postMessage(reinterpret_cast<std::uintptr_t>(other), 1324));
    DestroyWindow(other);
    EXPECT_FALSE(kernel.postMessage(0, 1324));
    const auto stale = window->handle();
    window.reset();
    EXPECT_FALSE(kernel.postMessage(stale, 1324));
}

} // namespace
} // namespace quarl::tests
