#include "settings/GameSettings.h"

#include <algorithm>

namespace quarl::settings {

namespace {

constexpr int kMaxVolumePosition = 20;

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& list, std::string_view text) {
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

} // namespace

const GameSetting* FindGameSetting(std::string_view value) {
    const auto found =
        std::find_if(kGameSettings.begin(), kGameSettings.end(),
                     [value](const auto& setting) { return setting.value == value; });
    return found == kGameSettings.end() ? nullptr : &*found;
}

bool IsTrue(std::string_view text) {
    return text == "TRUE";
}

int VolumePosition(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    // Any number from 100 on shows the top position: the reading saturates there, so that a
    // long run of digits cannot overflow.
    int number = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        number = std::min(number * 10 + (text[at] - '0'), 5 * kMaxVolumePosition);
    return number / 5;
}

std::string VolumeText(int position) {
    // std::to_string of an integer does not depend on the locale; the game reads a point.
    return std::to_string(5 * std::clamp(position, 0, kMaxVolumePosition)) + ".000000";
}

int RateOfFireIndex(std::int32_t stored) {
    return stored >= 0 && stored <= 3 ? 3 - stored : -1;
}

std::optional<std::int32_t> RateOfFireStored(int index) {
    if (index < 0 || index > 3)
        return std::nullopt;
    return 3 - index;
}

int MapZoomIndex(std::string_view text) {
    return IndexOf(kMapZoomTexts, text);
}

std::optional<std::string> MapZoomText(int index) {
    if (index < 0 || index >= static_cast<int>(kMapZoomTexts.size()))
        return std::nullopt;
    return std::string(kMapZoomTexts[static_cast<std::size_t>(index)]);
}

int ZeroOrOneIndex(std::string_view integerText) {
    return integerText == "0" ? 0 : 1;
}

std::string ZeroOrOneText(int index) {
    return index == 0 ? "0" : "1";
}

int ForceFeedbackIndex(std::string_view text) {
    return IsTrue(text) ? 0 : 1;
}

std::string ForceFeedbackText(int index) {
    return index == 0 ? "TRUE" : "FALSE";
}

std::optional<std::string> VideoResolutionText(std::string_view boxText) {
    if (boxText.empty())
        return std::nullopt;
    return std::string(boxText);
}

} // namespace quarl::settings
