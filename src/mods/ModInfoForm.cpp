#include "mods/ModInfoForm.h"

#include "base/Text.h"

#include <algorithm>

namespace quarl::mods {

namespace {

constexpr std::string_view kInformation = "Information";

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           base::UpperAscii(text.substr(0, start.size())) == base::UpperAscii(start);
}

} // namespace

std::optional<std::string> SupportAddress(std::string_view text) {
    const bool unsafe = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == '"';
    });
    if (unsafe)
        return std::nullopt;
    for (const std::string_view scheme : {"http://", "https://", "mailto:"})
        if (StartsWithNoCase(text, scheme) && text.size() > scheme.size())
            return std::string(text);
    if (StartsWithNoCase(text, "www.") && text.size() > 4)
        return "http://" + std::string(text);
    return std::nullopt;
}

std::string QuotedPart(std::string_view line) {
    const auto open = line.find('"');
    if (open == std::string_view::npos)
        return {};
    const auto rest = line.substr(open + 1);
    const auto close = rest.find('"');
    return close == std::string_view::npos ? std::string() : std::string(rest.substr(0, close));
}

ModInfoForm::ModInfoForm(platform::Platform& platform, const config::Session& session,
                         ModChoices choices)
    : Form("frmModInfo", "Mod Information"), platform_(platform), session_(session),
      choices_(choices) {
    Memo1.readOnly = true;
    Memo1.verticalScrollBar = true;
    btnOk.caption = "&Ok";
    lblSupport.onClick = [this] { lblSupportClick(); };
    btnOk.onClick = [this] { btnOkClick(); };
}

void ModInfoForm::FormShow() {
    FillModInfo();
}

std::string ModInfoForm::ModFolder() const {
    auto folder = session_.gameString("InstallationPath") + session_.gameString("ModsPath");
    if (!folder.ends_with('\\'))
        folder += '\\';
    const auto& list = choices_.ListBox1;
    if (choices_.chkUseMod.checked() && list.itemIndex() >= 0 &&
        list.itemIndex() < static_cast<int>(list.items().size()))
        folder += list.items()[static_cast<std::size_t>(list.itemIndex())];
    return folder;
}

void ModInfoForm::FillModInfo() {
    lblSupport.caption = kNotProvided;
    lblSupport.active = false;
    for (auto* label : {&lblName, &lblVersion, &lblModType, &lblCopy, &lblDate, &lblAuthor})
        label->enabled = false;
    lblSupport.enabled = Memo1.enabled = false;
    Memo1.text.clear();

    // A file that cannot be read ends the filling here: its error is shown and what was set so
    // far stays disabled, but the window still opens and "&Ok" still closes it.
    const auto folder = ModFolder();
    readLauncherIni(folder);
    readDescription(folder);
    readModsContents(folder);

    for (auto* label : {&lblName, &lblVersion, &lblModType, &lblCopy, &lblDate, &lblAuthor})
        label->enabled = label->caption != kNotProvided;
    lblSupport.enabled = lblSupport.caption != kNotProvided;
    Memo1.enabled = !Memo1.text.empty();
    lblSupport.active = lblSupport.enabled && SupportAddress(lblSupport.caption).has_value();
}

void ModInfoForm::readLauncherIni(const std::string& folder) {
    const auto ini = folder + "\\launcher.ini";
    const auto read = [&](std::string_view key) {
        return platform_.files.readProfileString(ini, kInformation, key, kNotProvided);
    };
    lblName.caption = read("Name");
    lblVersion.caption = read("Version");
    lblCopy.caption = read("Copyright");
    lblDate.caption = read("ReleaseDate");
    lblAuthor.caption = read("Author");
    lblSupport.caption = read("Support");
    lblModType.caption = read("MultiPlayer");
}

void ModInfoForm::readDescription(const std::string& folder) {
    const auto description = platform_.files.readProfileString(folder + "\\launcher.ini",
                                                               kInformation, "Description", "");
    const auto path = folder + "\\" + description;
    if (description.empty() || !platform_.files.fileExists(path))
        return;
    const auto text = platform_.files.readTextFileStart(path, kModTextLimit);
    for (const auto line : base::TextLines(text)) {
        Memo1.text += line;
        Memo1.text += "\r\n";
    }
}

void ModInfoForm::readModsContents(const std::string& folder) {
    const auto path = folder + "\\ModsContents.txt";
    if (!platform_.files.fileExists(path))
        return;
    const auto text = platform_.files.readTextFileStart(path, kModTextLimit);
    for (const auto line : base::TextLines(text)) {
        // Each word is tested on its own: a line may set several labels.
        if (line.find("NAME") != std::string_view::npos)
            lblName.caption = QuotedPart(line);
        if (line.find("AUTHOR") != std::string_view::npos)
            lblAuthor.caption = QuotedPart(line);
        if (line.find("VERSION") != std::string_view::npos)
            lblVersion.caption = QuotedPart(line);
        if (line.find("SUPPORT") != std::string_view::npos)
            lblSupport.caption = QuotedPart(line);
    }
}

void ModInfoForm::lblSupportClick() {
    if (const auto address = SupportAddress(lblSupport.caption))
        platform_.shell.open({"OPEN", *address, "", "", platform::ShowCommand::Normal});
}

void ModInfoForm::btnOkClick() {
    close();
}

} // namespace quarl::mods
