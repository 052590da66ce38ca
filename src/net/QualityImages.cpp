#include "net/QualityImages.h"

namespace quarl::net {

namespace {

struct Definition {
    std::string_view name;
    int bars;
    Rgb colour;
};

constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kRed{255, 0, 0};

constexpr Definition kDefinitions[] = {
    {kGreen3, 3, kGreen},   {kGreen2, 2, kGreen},   {kGreen1, 1, kGreen}, {kYellow3, 3, kYellow},
    {kYellow2, 2, kYellow}, {kYellow1, 1, kYellow}, {kRed3, 3, kRed},     {kRed2, 2, kRed},
    {kRed1, 1, kRed},       {kBlank, 0, kRed},
};

constexpr int kBarSize = 5;
constexpr int kBarColumns[] = {1, 7, 13};

} // namespace

std::optional<QualityImage> QualityPixels(std::string_view picture) {
    for (const auto& definition : kDefinitions) {
        if (definition.name != picture)
            continue;
        QualityImage pixels{};
        for (int bar = 0; bar < definition.bars; ++bar)
            for (int row = 1; row <= kBarSize; ++row)
                for (int column = kBarColumns[bar]; column < kBarColumns[bar] + kBarSize; ++column)
                    pixels[static_cast<std::size_t>(row * kQualityImageWidth + column)] =
                        definition.colour;
        return pixels;
    }
    return std::nullopt;
}

} // namespace quarl::net
