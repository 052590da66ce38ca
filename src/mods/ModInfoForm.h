#pragma once

#include "config/Session.h"
#include "mods/ModList.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <optional>
#include <string>
#include <string_view>

namespace quarl::mods {

// The placeholder of a value the mod's files do not give.
inline constexpr std::string_view kNotProvided = "Not Provided";
// The most of a description file or "ModsContents.txt" that is read: a huge or binary file
// cannot hold the window up.
inline constexpr std::size_t kModTextLimit = 1024 * 1024;

// The address a mod's support text opens: web and mail addresses only ("http://", "https://",
// "mailto:", and "www." with "http://" put in front). Nothing for any other text, or one with
// control characters or double quotes: a mod's files never make the launcher run a program.
std::optional<std::string> SupportAddress(std::string_view text);

// A "ModsContents.txt" line's value: the text between its first two double quotes; empty when
// the line has fewer than two.
std::string QuotedPart(std::string_view line);

// frmModInfo: what a mod's author wrote about it, from its "launcher.ini", its description
// file and its "ModsContents.txt", refilled on every showing. Shown over the main window,
// which stays disabled until "&Ok".
class ModInfoForm final : public ui::Form {
public:
    ModInfoForm(platform::Platform& platform, const config::Session& session, ModChoices choices);

    ui::Label lblName{"lblName"};
    ui::Label lblVersion{"lblVersion"};
    ui::Label lblModType{"lblModType"};
    ui::Label lblCopy{"lblCopy"};
    ui::Label lblDate{"lblDate"};
    ui::Label lblAuthor{"lblAuthor"};
    ui::Link lblSupport{"lblSupport"};
    ui::Memo Memo1{"Memo1"};
    ui::Button btnOk{"btnOk"};

    // The folder whose files are shown: the mods folder, and the main window's current mod in
    // it when "Use Mod" is checked.
    std::string ModFolder() const;
    void FillModInfo();
    void lblSupportClick();
    void btnOkClick();

protected:
    void FormShow() override;

private:
    void readLauncherIni(const std::string& folder);
    void readDescription(const std::string& folder);
    void readModsContents(const std::string& folder);

    platform::Platform& platform_;
    const config::Session& session_;
    ModChoices choices_;
};

} // namespace quarl::mods
