#include "app/WindowPosition.h"
#include "platform/fake/FakeRegistry.h"

#include <gtest/gtest.h>

namespace quarl::app {
namespace {

// One 1024 x 768 monitor with the taskbar along the bottom, and a window of 400 x 300.
const Screens kOneMonitor{{0, 0, 1024, 768}, {0, 0, 1024, 738}, {{0, 0, 1024, 768}}};
constexpr int kWidth = 400;
constexpr int kHeight = 300;

std::optional<RestoredPosition> Restore(StoredPosition stored, const Screens& screens = kOneMonitor,
                                        const PositionKeeper& keeper = kMainPos) {
    return RestorePosition(stored, keeper, kWidth, kHeight, screens);
}

StoredPosition At(std::string left, std::string top) {
    return {std::move(left), std::move(top), "400", "300", "", ""};
}

TEST(WindowPosition, StoredNumbersAreDecimalOrHexadecimalAfter0x) {
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases = {
        {"500", 500},
        {"0x1F4", 500},
        {"0X1f4", 500},
        {"-32", -32},
        {"0xFFFFFFFF", -1},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {"0x", std::nullopt},
        {"0x1G", std::nullopt},
        {" 5", std::nullopt},
        {"0x100000000", std::nullopt},
        {"-0x10", std::nullopt}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParsePositionValue(text), expected) << text;
}

TEST(WindowPosition, WithoutStoredValuesTheWindowIsCentred) {
    EXPECT_EQ(Restore({}), (RestoredPosition{312, 234, std::nullopt, false}));
    EXPECT_EQ(Restore(At("garbage", "0xZZ")), (RestoredPosition{312, 234, std::nullopt, false}));
    // Placement coordinates count from the work area: with the taskbar along the top, the
    // centre lies that much higher in them.
    const Screens taskbarOnTop{{0, 0, 1024, 768}, {0, 30, 1024, 768}, {{0, 0, 1024, 768}}};
    EXPECT_EQ(Restore({}, taskbarOnTop), (RestoredPosition{312, 204, std::nullopt, false}));
}

TEST(WindowPosition, AZeroAmongTheFourLeavesTheWindowWhereTheSystemPutsIt) {
    EXPECT_EQ(Restore(At("0", "100")), std::nullopt);
    EXPECT_EQ(Restore(At("100", "0")), std::nullopt);
    EXPECT_EQ(Restore({"100", "100", "0x0", "300", "1", "0"}), std::nullopt);
}

TEST(WindowPosition, APositionOnNoMonitorIsCentred) {
    const Screens twoMonitors{
        {0, 0, 1024, 768}, {0, 0, 1024, 738}, {{0, 0, 1024, 768}, {-1280, 0, 0, 1024}}};
    const std::vector<std::tuple<StoredPosition, Screens, int, int>> cases = {
        {At("0x1F4", "-20"), kOneMonitor, 500, -20},     // partly above the top: still on it
        {At("3000", "100"), kOneMonitor, 312, 234},      // right of the only monitor
        {At("-32000", "-32000"), kOneMonitor, 312, 234}, // where a minimised window sits
        {At("-1000", "100"), kOneMonitor, 312, 234},
        {At("-1000", "100"), twoMonitors, -1000, 100}, // on the monitor to the left
    };
    for (const auto& [stored, screens, left, top] : cases) {
        const auto restored = Restore(stored, screens);
        ASSERT_TRUE(restored) << stored.Left;
        EXPECT_EQ(restored->left, left) << stored.Left;
        EXPECT_EQ(restored->top, top) << stored.Left;
    }
}

TEST(WindowPosition, StateAndRestoreToMaxGiveTheShowState) {
    struct Case {
        const char* state;
        const char* restoreToMax;
        const PositionKeeper& keeper;
        std::optional<ShowState> show;
        bool restoreToMaximised;
    };
    const std::vector<Case> cases = {
        {"1", "1", kMainPos, ShowState::Normal, false},
        {"2", "0", kMainPos, ShowState::Minimised, false},
        {"2", "1", kMainPos, ShowState::Minimised, true},
        {"3", "0", kMainPos, ShowState::Maximised, false},
        {"0", "1", kMainPos, std::nullopt, false},
        {"x", "1", kMainPos, std::nullopt, false},
        // Only the main window brings the program up minimised.
        {"2", "0", kAddressBookPos, ShowState::Normal, false},
        {"2", "1", kAddressBookPos, ShowState::Maximised, false},
        {"3", "0", kAddressBookPos, ShowState::Maximised, false},
    };
    for (const auto& [state, restoreToMax, keeper, show, restoreToMaximised] : cases) {
        const auto restored =
            Restore({"100", "100", "400", "300", state, restoreToMax}, kOneMonitor, keeper);
        ASSERT_TRUE(restored);
        EXPECT_EQ(restored->state, show) << state << restoreToMax << keeper.key;
        EXPECT_EQ(restored->restoreToMaximised, restoreToMaximised) << state << restoreToMax;
    }
}

TEST(WindowPosition, SavingStoresTheNormalRectangleAndTheShowState) {
    const Rect normal{-200, 50, 300, 450};
    const std::vector<std::tuple<ShowState, bool, std::string, std::string>> cases = {
        {ShowState::Normal, false, "1", "0"},   {ShowState::Normal, true, "3", "0"},
        {ShowState::Maximised, true, "3", "0"}, {ShowState::Minimised, false, "2", "0"},
        {ShowState::Minimised, true, "2", "1"},
    };
    for (const auto& [application, maximised, state, restoreToMax] : cases)
        EXPECT_EQ(SavePosition(normal, application, maximised),
                  (StoredPosition{"-200", "50", "500", "400", state, restoreToMax}));
}

TEST(WindowPosition, ValuesAreStringsUnderTheKeepersKey) {
    platform::fake::FakeRegistry registry;
    config::ConfigStore store(registry);
    const StoredPosition values{"-200", "50", "500", "400", "2", "1"};
    WriteStoredPosition(store, kAddressBookPos, values);
    const auto width = registry.readValue(platform::RootKey::CurrentUser,
                                          "Software\\Quarl\\Launcher\\AddressBookPos", "Width");
    ASSERT_TRUE(width);
    EXPECT_EQ(*width, platform::RegistryValue::String("500"));
    EXPECT_EQ(ReadStoredPosition(store, kAddressBookPos), values);
    EXPECT_EQ(ReadStoredPosition(store, kMainPos), StoredPosition{});
    // A value of another type reads as unreadable text, giving the default.
    registry.setDword(platform::RootKey::CurrentUser, "Software\\Quarl\\Launcher\\MainPos", "Left",
                      100);
    EXPECT_EQ(ReadStoredPosition(store, kMainPos).Left, "");
}

} // namespace
} // namespace quarl::app
