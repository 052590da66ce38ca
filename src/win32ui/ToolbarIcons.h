#pragma once

#include <windows.h>
#include <commctrl.h>

namespace quarl::win32ui {

// The toolbar's pictures, drawn by the launcher itself at the given size (16 at 96 DPI):
// launch, telnet, IP addresses, settings, address book, help, Roger Wilco, GameSpy, Kali and
// RS Stats, in that order.
HIMAGELIST CreateToolbarImages(int size);

} // namespace quarl::win32ui
