#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quarl::net {

// The ping quality pictures: 19 x 7 pixels, black, with up to three bars of 5 x 5 pixels in
// rows 1 to 5 starting at columns 1, 7 and 13.
inline constexpr int kQualityImageWidth = 19;
inline constexpr int kQualityImageHeight = 7;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Pixels row by row from the top left.
using QualityImage = std::array<Rgb, kQualityImageWidth * kQualityImageHeight>;

// The names the main window's ping image takes.
inline constexpr std::string_view kGreen3 = "Green3";
inline constexpr std::string_view kGreen2 = "Green2";
inline constexpr std::string_view kGreen1 = "Green1";
inline constexpr std::string_view kYellow3 = "Yellow3";
inline constexpr std::string_view kYellow2 = "Yellow2";
inline constexpr std::string_view kYellow1 = "Yellow1";
inline constexpr std::string_view kRed3 = "Red3";
inline constexpr std::string_view kRed2 = "Red2";
inline constexpr std::string_view kRed1 = "Red1";
inline constexpr std::string_view kBlank = "blank";

// The pixels of a named picture; nothing for a name that is not one of the ten.
std::optional<QualityImage> QualityPixels(std::string_view picture);

} // namespace quarl::net
