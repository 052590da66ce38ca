#pragma once

#include <cstdint>
#include <string_view>

namespace quarl::platform {

// Top-level windows: those of other programs, found by class and title and sent messages (sent
// and waited for, not posted; a handle of 0 means not found), and this program's own.
class WindowMessages {
public:
    virtual ~WindowMessages() = default;
    // Minimises and restores this program's main window and brings the program to the front,
    // as when another start hands over to it.
    virtual void bringToFront() = 0;
    virtual std::uintptr_t findWindow(std::string_view className, std::string_view title) = 0;
    virtual void sendMessage(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
};

} // namespace quarl::platform
