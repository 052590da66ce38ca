// The settings window's conversions of stored texts: volumes, map zooms and the integer fields
// (the ports). Each stays in its control's range, and what it writes reads back the same.
#include "FuzzTarget.h"

#include "config/ConfigStore.h"
#include "platform/fake/FakeRegistry.h"
#include "settings/GameSettings.h"

#include <charconv>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarl;
    const auto text = fuzz::AsText(data, size);

    const int position = settings::VolumePosition(text);
    FUZZ_CHECK(position >= 0 && position <= 20);
    FUZZ_CHECK(settings::VolumePosition(settings::VolumeText(position)) == position);

    const int zoom = settings::MapZoomIndex(text);
    FUZZ_CHECK(zoom >= -1 && zoom < static_cast<int>(settings::kMapZooms.size()));
    if (zoom >= 0)
        FUZZ_CHECK(settings::MapZoomText(zoom) == std::string(text));

    // The integer fields: a text is written only when it is a whole decimal integer, and then
    // reads back as that number.
    const auto number = config::ParseInteger(text);
    if (number) {
        auto digits = text;
        if (digits.starts_with('+') || digits.starts_with('-'))
            digits.remove_prefix(1);
        FUZZ_CHECK(!digits.empty() && digits.find_first_not_of("0123456789") == digits.npos);
        std::int64_t wide = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), wide);
        FUZZ_CHECK(text.starts_with('-') ? -wide == *number : wide == *number);
    }
    platform::fake::FakeRegistry registry;
    config::ConfigStore store(registry);
    const auto root = platform::RootKey::LocalMachine;
    store.WriteRegInteger(root, "Game", "MultiplayerGameJoinPort", 2346);
    store.WriteRegIntegerFromText(root, "Game", "MultiplayerGameJoinPort", text);
    const auto stored = store.ReadRegIntegerAsText(root, "Game", "MultiplayerGameJoinPort");
    FUZZ_CHECK(stored == (number ? std::to_string(*number) : "2346"));
    return 0;
}
