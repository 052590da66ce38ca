// Roger Wilco's channel history as any program may have left it: the order string keeps each
// slot letter once; a channel joined comes first in the history the window shows next, which
// never lists more than the six slots.
#include "FuzzTarget.h"

#include "companions/VoiceChat.h"
#include "platform/fake/FakePlatform.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarl;
    const auto parts = fuzz::Split(fuzz::AsText(data, size), '\n', 8);
    const auto& stored = parts[0];

    const auto order = companions::ChannelOrder(stored);
    FUZZ_CHECK(order.size() <= 6);
    for (std::size_t i = 0; i < order.size(); ++i) {
        FUZZ_CHECK(order[i] >= 'a' && order[i] <= 'f');
        FUZZ_CHECK(order.find(order[i], i + 1) == std::string::npos);
        FUZZ_CHECK(stored.find(order[i]) != std::string::npos);
    }
    FUZZ_CHECK(companions::ChannelOrder(order) == order);

    platform::fake::FakePlatform fake;
    auto services = fake.platform();
    config::ConfigStore store(fake.registry);
    const auto key = std::string(companions::kRogerWilcoKey);
    fake.registry.setString(platform::RootKey::CurrentUser, key, "address-mru", stored);
    for (std::size_t slot = 0; slot + 2 < parts.size(); ++slot)
        fake.registry.setString(platform::RootKey::CurrentUser, key,
                                "address-" + std::string(1, static_cast<char>('a' + slot)),
                                parts[slot + 2]);
    const auto address = parts.size() > 1 ? parts[1] : std::string("127.0.0.1");

    companions::JoinChannelForm form(services, store);
    form.cbServer.text = address;
    form.RecordChannelAddress();
    const auto written =
        fake.registry.readValue(platform::RootKey::CurrentUser, key, "address-mru");
    FUZZ_CHECK(written && companions::ChannelOrder(written->text) == written->text);
    FUZZ_CHECK(written->text.size() >= std::max<std::size_t>(order.size(), 1));
    form.show();
    FUZZ_CHECK(!form.cbServer.items.empty() && form.cbServer.items.size() <= 6);
    FUZZ_CHECK(form.cbServer.items.front() == address);
    return 0;
}
