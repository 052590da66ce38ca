#include "companions/ToolForm.h"

#include "base/ScopeExit.h"
#include "companions/PatchSteps.h"
#include "companions/ServicePatching.h"
#include "config/LauncherKey.h"

namespace quarl::companions {

namespace keys = config::launcher;
using platform::RootKey;

namespace {

constexpr std::string_view kZoneKey = "Software\\Microsoft\\Internet Gaming Zone\\Setup";
constexpr std::string_view kMPlayerKey = "Software\\MPath\\MPlayer\\Manifest\\Game364";
constexpr std::string_view kKaliMiscKey = "Software\\Kali\\Kali95\\Misc";

constexpr ui::Color kHeaderColor = 0x8080FF;

constexpr const char* kIntroduction[] = {
    "This Wizard will allow you to use the Quarl Launcher with ",
    "online gaming services such as Kali, GameSpy, The Zone ",
    "and MPlayer.",
    "",
    "Simply select the gaming services that you wish to be ",
    "updated or \"patched\" on the next screen and click next to ",
    "start the process.",
    "",
    "On some machines, the program may appear to stop ",
    "working, this is because it is moving around a lot of data, ",
    "simply wait a few seconds and you should be ready to ",
    "rock.",
};

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

std::string YesNo(bool yes) {
    return yes ? "Yes" : "No";
}

// "Patching for GameSpy. . ." becomes "Patching for GameSpy failed: ".
std::string Failed(std::string step) {
    constexpr std::string_view kDots = ". . .";
    if (step.size() >= kDots.size() &&
        step.compare(step.size() - kDots.size(), kDots.size(), kDots) == 0)
        step.resize(step.size() - kDots.size());
    return step + " failed: ";
}

} // namespace

ToolForm::ToolForm(platform::Platform& platform, config::Session& session, ui::Form& mainWindow)
    : Form("frmTool", "Launcher Tool"), platform_(platform), session_(session),
      mainWindow_(mainWindow) {
    pages.pages = {&pgIntroduction, &pgServices, &pgProgress};
    pgIntroduction.controls = {&mIntroduction};
    pgServices.controls = {&lblChoose,    &lblServiceName, &lblFound,       &lblPatched,
                           &lblServiceGZ, &lblFoundGZ,     &chkPatchGZ,     &lblServiceGS,
                           &lblFoundGS,   &chkPatchGS,     &lblServiceKali, &lblFoundKali,
                           &chkPatchKali, &lblNote};
    pgProgress.controls = {&lblSettings,      &lblSettingGZ, &lblSettingGS, &lblSettingKali,
                           &lblStatusCaption, &lblStatus,    &pbCopy};

    for (std::size_t line = 0; line < std::size(kIntroduction); ++line)
        mIntroduction.text += (line ? "\r\n" : "") + std::string(kIntroduction[line]);
    mIntroduction.readOnly = true;
    mIntroduction.verticalScrollBar = true;

    lblChoose.caption = "Use the check boxes below to enable/disable the patching of a particular "
                        "gaming service.";
    lblServiceName.caption = "Service Name";
    lblFound.caption = "Found";
    lblPatched.caption = "Patched";
    for (auto* header : {&lblServiceName, &lblFound, &lblPatched})
        header->color = kHeaderColor;
    lblServiceGZ.caption = "The Zone / MPlayer";
    lblServiceGS.caption = "GameSpy";
    lblServiceKali.caption = "Kali";
    lblNote.caption = "NOTE: If you plan to play on MPlayer, you will need to patch the game every "
                      "time you enter the main lobby and unpatch every time you leave (or before "
                      "you join again).";
    mnuOverrideDetection.caption = "Override Detection";
    mnuOverrideDetection.onClick = [this] { OverrideDetectionClick(); };
    pmDetection.items = {&mnuOverrideDetection};
    for (auto* cell :
         {&lblServiceGZ, &lblServiceGS, &lblServiceKali, &lblFoundGZ, &lblFoundGS, &lblFoundKali})
        cell->popupMenu = &pmDetection;

    lblSettings.caption = "Settings:";
    lblStatusCaption.caption = "Status:";

    btnCancel.caption = "&Cancel";
    btnBack.caption = "&Back";
    btnNext.caption = "&Next";
    btnCancel.onClick = [this] { btnCancelClick(); };
    btnBack.onClick = [this] { btnBackClick(); };
    btnNext.onClick = [this] { btnNextClick(); };
    showPage(1);
}

// The folders are read once. The window exists before start-up has found the game key, so
// "once" is at the first showing, which is the first time they are needed.
void ToolForm::readFolders() {
    foldersRead_ = true;
    launcherFolder_ = session_.launcherString(keys::InstallationPath);
    // The installer writes the value; without it the launcher's own folder holds its files, as
    // for the address book: never the current folder or the drive's root.
    if (launcherFolder_.empty())
        launcherFolder_ = platform_.files.programFolder();
    launcherFolder_ = WithBackslash(launcherFolder_);
    gameFolder_ = WithBackslash(session_.gameFolder());
}

void ToolForm::FormShow() {
    if (!foldersRead_)
        readFolders();
    detectServices();
    lblSettingGZ.caption = "Patch for The Zone/MPlayer:";
    lblSettingGS.caption = "Patch for GameSpy:";
    lblSettingKali.caption = "Patch for Kali:";
    lblStatus.caption.clear();
    pbCopy.position = pbCopy.max = 0;
    showPage(1);
    btnNext.caption = "&Next";
    btnNext.enabled = btnNext.visible = true;
    btnBack.visible = true;
    btnBack.enabled = false;
    btnCancel.visible = btnCancel.enabled = true;
}

void ToolForm::detectServices() {
    const auto& store = session_.store;
    const bool gameSpy =
        !store.ReadRegString(RootKey::CurrentUser, kGameSpyRogueSpearKey, "Cmdline").empty();
    lblFoundGS.caption = YesNo(gameSpy);
    chkPatchGS.enabled = gameSpy;

    const bool zone = !store.ReadRegString(RootKey::LocalMachine, kZoneKey, "Version").empty();
    lblFoundGZ.caption = YesNo(zone);
    chkPatchGZ.enabled = zone;

    // Kali's "Location" ends in a backslash. Without one, "Kali.exe" would be looked for in the
    // current folder.
    const auto kaliFolder = store.ReadRegString(RootKey::CurrentUser, kKaliMiscKey, "Location");
    const bool kali = !kaliFolder.empty() && platform_.files.fileExists(kaliFolder + "Kali.exe");
    lblFoundKali.caption = YesNo(kali);
    chkPatchKali.enabled = kali;

    const bool mplayer =
        !store.ReadRegString(RootKey::LocalMachine, kMPlayerKey, "Cmdline").empty();
    lblFoundGZ.caption += " / " + YesNo(mplayer);
    if (mplayer)
        chkPatchGZ.enabled = true;

    // A disabled box still shows its marker.
    const auto marked = [this](std::string_view marker) {
        return session_.launcherString(marker) == kMarkerTrue;
    };
    chkPatchKali.setChecked(marked(keys::KaliPatched));
    chkPatchGZ.setChecked(marked(keys::Patched));
    chkPatchGS.setChecked(marked(keys::GameSpyPatched));
    wasPatchedGZ_ = chkPatchGZ.checked();
    wasPatchedGS_ = chkPatchGS.checked();
    wasPatchedKali_ = chkPatchKali.checked();
}

void ToolForm::showPage(int number) {
    pages.pageIndex = number - 1;
}

void ToolForm::OverrideDetectionClick() {
    chkPatchGZ.enabled = chkPatchGS.enabled = chkPatchKali.enabled = true;
}

void ToolForm::btnNextClick() {
    if (running_)
        return;
    switch (page()) {
    case 1:
        btnBack.enabled = true;
        btnNext.caption = "&Finish";
        showPage(2);
        break;
    case 2: PatchRun(); break;
    default: close();
    }
}

void ToolForm::btnBackClick() {
    if (page() != 2)
        return;
    showPage(1);
    btnNext.caption = "&Next";
    btnBack.enabled = false;
}

void ToolForm::btnCancelClick() {
    close();
}

bool ToolForm::FormCloseQuery() {
    return !running_;
}

void ToolForm::setStatus(std::string text) {
    lblStatus.caption = std::move(text);
    platform_.messages.processPendingMessages();
}

void ToolForm::PatchRun() {
    // The window repaints while it copies, so other events run meanwhile: the main window is
    // disabled, and this window, the launcher and a launch refuse to close or start.
    running_ = true;
    const bool mainEnabled = mainWindow_.enabled;
    mainWindow_.enabled = false;
    base::ScopeExit finished([this, mainEnabled] {
        running_ = false;
        mainWindow_.enabled = mainEnabled;
    });
    auto& messages = platform_.messages;
    // What the boxes said at Finish decides, whatever happens to them meanwhile.
    const bool zone = chkPatchGZ.checked();
    const bool gameSpy = chkPatchGS.checked();
    const bool kali = chkPatchKali.checked();

    showPage(3);
    btnNext.enabled = false;
    btnNext.caption = "&Done";
    btnBack.enabled = btnBack.visible = false;
    btnCancel.enabled = btnCancel.visible = false;
    messages.processPendingMessages();
    lblSettingGZ.caption = "Patch for The Zone/MPlayer: " + YesNo(zone);
    messages.processPendingMessages();
    lblSettingGS.caption = "Patch for GameSpy: " + YesNo(gameSpy);
    messages.processPendingMessages();
    lblSettingKali.caption = "Patch for Kali: " + YesNo(kali);
    messages.processPendingMessages();

    PatchContext context{platform_.files, session_, launcherFolder_, gameFolder_,
                         [this](std::uint64_t copied, std::uint64_t total) {
                             pbCopy.max = total;
                             pbCopy.position = copied;
                             platform_.messages.processPendingMessages();
                         }};
    bool zoneSkipped = false;
    try {
        if (!zone && wasPatchedGZ_) {
            setStatus("Unpatching for The Zone/MPlayer. . .");
            UnpatchZone(context);
        }
        if (zone && !wasPatchedGZ_) {
            setStatus("Patching for The Zone/MPlayer. . .");
            if (platform_.files.fileExists(RedirectPath(context))) {
                PatchZone(context);
            } else {
                // Without it the executables would stay the game while the launcher started
                // the backups: the service is left unpatched.
                zoneSkipped = true;
                platform::ShowError(platform_.dialogs,
                                    RedirectPath(context) +
                                        " was not found.\r\n\r\nThe Zone/MPlayer will not be "
                                        "patched.");
            }
        }
        if (!gameSpy && wasPatchedGS_) {
            setStatus("Unpatching for GameSpy. . .");
            UnpatchGameSpy(context);
        }
        if (gameSpy && !wasPatchedGS_) {
            setStatus("Patching for GameSpy. . .");
            PatchGameSpy(context);
        }
        if (!kali && wasPatchedKali_) {
            setStatus("Unpatching for Kali. . .");
            UnpatchKali(context);
        }
        if (kali && !wasPatchedKali_) {
            setStatus("Patching for Kali. . .");
            PatchKali(context);
        }
        setStatus("Saving Settings. . .");
        const auto marker = [](bool patched) { return patched ? kMarkerTrue : kMarkerFalse; };
        session_.writeLauncherString(keys::Patched, marker(zone && !zoneSkipped));
        session_.writeLauncherString(keys::GameSpyPatched, marker(gameSpy));
        session_.writeLauncherString(keys::KaliPatched, marker(kali));
    } catch (const std::exception& error) {
        // The window says what failed and can be closed; the error goes on to be shown.
        lblStatus.caption = Failed(lblStatus.caption) + error.what();
        btnNext.enabled = true;
        throw;
    }
    btnNext.enabled = true;
    setStatus(zoneSkipped ? "The Zone/MPlayer was not patched: redirect.exe is missing." : "Done!");
}

} // namespace quarl::companions
