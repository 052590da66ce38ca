#include "app/HandOverArea.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quarl::tests {
namespace {

using namespace quarl::app;

using Area = std::vector<std::byte>;

void Poke(Area& area, std::size_t offset, std::uint32_t number) {
    for (std::size_t i = 0; i < 4; ++i)
        area[offset + i] = static_cast<std::byte>(number >> (8 * i));
}

TEST(HandOverArea, ArgumentsAndTheWindowHandleGoThroughTheSharedLayout) {
    Area area(kHandOverAreaSize);
    WriteHandOverWindow(area, 0x00A1B2C3);
    WriteHandOverArguments(area, {"-CLIENT", "127.0.0.1", "2400"});
    EXPECT_EQ(ReadHandOverWindow(area), 0x00A1B2C3u);
    EXPECT_EQ(ReadHandOverArguments(area),
              (std::vector<std::string>{"-CLIENT", "127.0.0.1", "2400"}));
    // The layout other copies of the launcher read: handle and count little-endian, slots of
    // 301 bytes from offset 8.
    EXPECT_EQ(area[0], std::byte{0xC3});
    EXPECT_EQ(area[2], std::byte{0xA1});
    EXPECT_EQ(area[4], std::byte{3});
    EXPECT_EQ(std::memcmp(&area[8 + 301], "127.0.0.1", 10), 0);
    EXPECT_EQ(std::memcmp(&area[8 + 2 * 301], "2400", 5), 0);

    // A later hand-over with fewer arguments reads back as exactly those.
    WriteHandOverArguments(area, {"-NONET"});
    EXPECT_EQ(ReadHandOverArguments(area), std::vector<std::string>{"-NONET"});
    WriteHandOverArguments(area, {});
    EXPECT_TRUE(ReadHandOverArguments(area).empty());
    EXPECT_EQ(ReadHandOverWindow(area), 0x00A1B2C3u) << "arguments leave the handle alone";
}

// The handle field is 32 bits in every build: a 64-bit launcher truncates its handle when it
// writes and widens with the sign when it reads, so 32-bit and 64-bit copies agree.
TEST(HandOverArea, TheWindowHandleIs32BitsWidenedWithItsSign) {
    Area area(kHandOverAreaSize);
    const auto negative = static_cast<std::uintptr_t>(std::intptr_t{-0x1234});
    WriteHandOverWindow(area, negative);
    EXPECT_EQ(area[0], std::byte{0xCC});
    EXPECT_EQ(area[3], std::byte{0xFF});
    EXPECT_EQ(area[4], std::byte{0}) << "the argument count is not touched";
    EXPECT_EQ(ReadHandOverWindow(area), negative);
}

TEST(HandOverArea, TheFirstTenArgumentsEachCutTo300BytesAreHandedOver) {
    Area area(kHandOverAreaSize);
    std::vector<std::string> eleven;
    for (int i = 1; i <= 11; ++i)
        eleven.push_back("arg" + std::to_string(i));
    eleven[9] = std::string(400, 'm'); // the tenth, in the last slot
    WriteHandOverArguments(area, eleven);
    const auto read = ReadHandOverArguments(area);
    ASSERT_EQ(read.size(), 10u);
    EXPECT_EQ(read[0], "arg1");
    EXPECT_EQ(read[8], "arg9");
    EXPECT_EQ(read[9], std::string(300, 'm'));

    // A cut never splits a UTF-8 character: the two-byte one straddling byte 300 goes whole.
    const std::string mod = std::string(299, 'a') + "\xC3\xA9" + "z";
    WriteHandOverArguments(area, {"-MODS", mod});
    EXPECT_EQ(ReadHandOverArguments(area).at(1), std::string(299, 'a'));
    const std::string exact = std::string(298, 'a') + "\xC3\xA9" + "z";
    WriteHandOverArguments(area, {exact});
    EXPECT_EQ(ReadHandOverArguments(area).at(0), std::string(298, 'a') + "\xC3\xA9");
}

TEST(HandOverArea, HostileContentIsClampedAndNeverReadPastTheArea) {
    Area area(kHandOverAreaSize, std::byte{'x'}); // no slot has its terminating zero
    Poke(area, 4, 0x7FFFFFFF);
    auto read = ReadHandOverArguments(area);
    ASSERT_EQ(read.size(), 10u);
    for (const auto& argument : read)
        EXPECT_EQ(argument, std::string(300, 'x'));

    Poke(area, 4, 11);
    EXPECT_EQ(ReadHandOverArguments(area).size(), 10u);
    Poke(area, 4, 0xFFFFFFFF); // -1
    EXPECT_TRUE(ReadHandOverArguments(area).empty());
    Poke(area, 4, 0x80000000); // the most negative count
    EXPECT_TRUE(ReadHandOverArguments(area).empty());

    // An area shorter than the layout is neither read nor written.
    Area shortArea(100, std::byte{'x'});
    Poke(shortArea, 4, 2);
    const Area before = shortArea;
    EXPECT_TRUE(ReadHandOverArguments(shortArea).empty());
    EXPECT_EQ(ReadHandOverWindow(shortArea), 0u);
    WriteHandOverArguments(shortArea, {"-RS"});
    WriteHandOverWindow(shortArea, 1);
    EXPECT_EQ(shortArea, before);
}

} // namespace
} // namespace quarl::tests
