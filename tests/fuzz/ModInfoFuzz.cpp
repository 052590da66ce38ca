// A mod's own files as its author wrote them ("launcher.ini", the description file it names and
// "ModsContents.txt"), shown in the Mod Information window: the description shows as whole
// lines, a value taken from "ModsContents.txt" holds no quote, a label is enabled exactly when it
// has a value, and the support link opens nothing but a web or mail address.
#include "FuzzTarget.h"

#include "config/LauncherKey.h"
#include "mods/ModInfoForm.h"
#include "platform/fake/FakePlatform.h"

namespace {

using namespace quarl;

constexpr const char* kGame = "C:\\Games\\Rogue Spear";
constexpr const char* kMod = "C:\\Games\\Rogue Spear\\mods\\Alpha";

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size())
        return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != start[i])
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Split(fuzz::AsText(data, size), '\0', 3);
    if (parts.size() < 3)
        return 0;
    platform::fake::FakePlatform fake;
    fake.registry.setString(platform::RootKey::LocalMachine, config::kGameKey, "InstallationPath",
                            kGame);
    fake.registry.setString(platform::RootKey::LocalMachine, config::kGameKey, "ModsPath",
                            "\\mods");
    // The description file is the one the ini names, when that is a plain name.
    fake.files.addFile(std::string(kMod) + "\\launcher.ini", parts[0]);
    fake.files.addFile(std::string(kMod) + "\\readme.txt", parts[1]);
    fake.files.addFile(std::string(kMod) + "\\ModsContents.txt", parts[2]);
    auto services = fake.platform();
    config::Session session(fake.registry);
    session.gameKeyPath = std::string(config::kGameKey);

    ui::RadioGroup games;
    ui::RadioButton rbRS("rbRS", games), rbUO("rbUO", games);
    ui::CheckBox chkUseMod("chkUseMod");
    ui::ListBox ListBox1("ListBox1");
    rbRS.select();
    chkUseMod.setChecked(true);
    ListBox1.add("Alpha");
    ListBox1.setItemIndex(0);
    mods::ModInfoForm form(services, session, {rbRS, rbUO, chkUseMod, ListBox1});
    form.show();

    // The memo holds whole lines, each ending in CR LF.
    const auto& memo = form.Memo1.text;
    for (std::size_t at = 0; at < memo.size(); ++at) {
        if (memo[at] == '\n')
            FUZZ_CHECK(at > 0 && memo[at - 1] == '\r');
    }
    FUZZ_CHECK(memo.empty() || memo.ends_with("\r\n"));
    FUZZ_CHECK(form.Memo1.enabled == !memo.empty());
    for (const auto* label : {&form.lblName, &form.lblVersion, &form.lblModType, &form.lblCopy,
                              &form.lblDate, &form.lblAuthor})
        FUZZ_CHECK(label->enabled == (label->caption != mods::kNotProvided));
    FUZZ_CHECK(form.lblSupport.enabled == (form.lblSupport.caption != mods::kNotProvided));
    if (parts[2].find("AUTHOR") != std::string::npos)
        FUZZ_CHECK(form.lblAuthor.caption.find('"') == std::string::npos);

    form.lblSupport.click();
    FUZZ_CHECK(fake.shell.opened().size() <= 1);
    for (const auto& opened : fake.shell.opened()) {
        const auto& address = opened.file;
        FUZZ_CHECK(StartsWithNoCase(address, "http://") || StartsWithNoCase(address, "https://") ||
                   StartsWithNoCase(address, "mailto:"));
        for (const char c : address)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && c != '"');
        FUZZ_CHECK(opened.parameters.empty());
    }
    FUZZ_CHECK(fake.dialogs.shown().empty());
    return 0;
}
