#include "win32ui/QualityImageDraw.h"

#include "net/QualityImages.h"

#include <array>
#include <cstdint>

namespace quarl::win32ui {

void DrawQualityImage(HDC dc, const RECT& rect, std::string_view picture) {
    auto pixels = net::QualityPixels(picture);
    if (!pixels)
        pixels = net::QualityPixels(net::kBlank);

    // A top-down 32-bit bitmap of the picture: blue, green, red, unused per pixel.
    std::array<std::uint32_t, net::kQualityImageWidth * net::kQualityImageHeight> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i) {
        const auto& pixel = (*pixels)[i];
        bits[i] = static_cast<std::uint32_t>(pixel.red) << 16 |
                  static_cast<std::uint32_t>(pixel.green) << 8 | pixel.blue;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = net::kQualityImageWidth;
    info.bmiHeader.biHeight = -net::kQualityImageHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    // Whole pixels only: at a scale of 2 every picture pixel becomes a 2 x 2 block.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0,
                  net::kQualityImageWidth, net::kQualityImageHeight, bits.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

} // namespace quarl::win32ui
