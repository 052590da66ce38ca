// "launcher.ini" as a mod's author wrote it, through the profile reader the fake platform gives
// the core: a value read is the default or a part of the file, and a key put in front of the
// file is the one found.
#include "FuzzTarget.h"

#include "platform/fake/FakeFileSystem.h"

namespace {

bool Plain(std::string_view name) {
    return name.find_first_of("[]=;\r\n\"'") == std::string_view::npos &&
           name.find_first_not_of(" \t") != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarl;
    const auto parts = fuzz::Split(fuzz::AsText(data, size), '\0', 3);
    if (parts.size() < 3)
        return 0;
    const auto& section = parts[0];
    const auto& key = parts[1];
    const auto& text = parts[2];

    const auto value = platform::fake::ProfileLookup(text, section, key, "0");
    FUZZ_CHECK(value == "0" || text.find(value) != std::string::npos);
    FUZZ_CHECK(value.find('\n') == std::string::npos);

    if (Plain(section) && Plain(key)) {
        const auto first = "[" + section + "]\r\n" + key + "=first\r\n" + text;
        FUZZ_CHECK(platform::fake::ProfileLookup(first, section, key, "0") == "first");
    }

    platform::fake::FakeFileSystem files;
    files.addFile("C:\\Games\\mods\\m\\launcher.ini", text);
    FUZZ_CHECK(files.readProfileString("C:\\Games\\mods\\m\\launcher.ini", section, key, "0") ==
               value);
    return 0;
}
