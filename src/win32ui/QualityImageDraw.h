#pragma once

#include <windows.h>

#include <string_view>

namespace quarl::win32ui {

// Draws a ping quality picture, scaled to fill the rectangle; an unknown name draws the blank
// picture.
void DrawQualityImage(HDC dc, const RECT& rect, std::string_view picture);

} // namespace quarl::win32ui
