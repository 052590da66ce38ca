#include "LauncherFixture.h"
#include "mods/ModInfoForm.h"
#include "platform/FileSystem.h"

namespace quarl::tests {
namespace {

using platform::ShellRequest;
using platform::ShowCommand;

class ModInfo : public LauncherFixture {
protected:
    // A started launcher with the mod "Alpha" current and its files as given.
    mods::ModInfoForm& showFor(const std::string& ini, const std::string& contents = {},
                               const std::string& description = {}) {
        installGame(true, false, false);
        addMod("Alpha", ini);
        if (!contents.empty())
            fake.files.addFile(GamePath("mods\\Alpha\\ModsContents.txt"), contents);
        if (!description.empty())
            fake.files.addFile(GamePath("mods\\Alpha\\readme.txt"), description);
        setLauncher("UseMod", "TRUE");
        setLauncher("LastMod", "Alpha");
        auto& main = start();
        main.ListBox1.onDoubleClick();
        return launcher->frmModInfo;
    }
    // Each value label's text, "-" before it when disabled.
    static std::vector<std::string> shown(const mods::ModInfoForm& form) {
        std::vector<std::string> texts;
        for (const ui::Label* label : {&form.lblName, &form.lblVersion, &form.lblModType,
                                       &form.lblCopy, &form.lblDate, &form.lblAuthor})
            texts.push_back((label->enabled ? "" : "-") + label->caption);
        texts.push_back((form.lblSupport.enabled ? "" : "-") + form.lblSupport.caption);
        texts.push_back((form.Memo1.enabled ? "" : "-") + form.Memo1.text);
        return texts;
    }
};

TEST_F(ModInfo, FilesToLabels) {
    const std::string np = "-Not Provided";
    const struct {
        const char* what;
        std::string ini, contents, description;
        std::vector<std::string> expected;
    } rows[] = {
        {"no files", "", "", "", {np, np, np, np, np, np, np, "-"}},
        {"name only",
         "[Information]\r\nName=Alpha & Omega\r\n",
         "",
         "",
         {"Alpha & Omega", np, np, np, np, np, np, "-"}},
        {"every value and a description of two lines (the last without a line end)",
         "[Information]\nName=A\nVersion=1.2\nMultiPlayer=Yes\nCopyright=(c) Us\n"
         "ReleaseDate=2001\nAuthor=Me\nSupport=www.example.org\nDescription=readme.txt\n",
         "",
         "First line\r\nSecond line",
         {"A", "1.2", "Yes", "(c) Us", "2001", "Me", "www.example.org",
          "First line\r\nSecond line\r\n"}},
        {"ModsContents.txt overrides, case-sensitive, a line may set two labels",
         "[Information]\nName=Ini name\nAuthor=Ini author\n",
         "NAME=\"Contents name\"\nversion=\"lower case: ignored\"\n"
         "AUTHOR_NAME \"Both\" trailing\nVERSION \"2.0\nSUPPORT with no quotes\n",
         "",
         {"Both", "", np, np, np, "Both", "", "-"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        resetAll();
        const auto& form = showFor(row.ini, row.contents, row.description);
        EXPECT_EQ(shown(form), row.expected);
    }
}

TEST_F(ModInfo, OnlyWebAndMailAddressesOpen) {
    const struct {
        std::string support;
        std::string opened; // empty: shown only
    } rows[] = {
        {"http://example.org/mod", "http://example.org/mod"},
        {"HTTPS://example.org", "HTTPS://example.org"},
        {"mailto:me@example.org", "mailto:me@example.org"},
        {"www.example.org", "http://www.example.org"},
        {"C:\\Windows\\System32\\calc.exe", ""},
        {"file:///C:/x.exe", ""},
        {"notepad", ""},
        {"http://a\" -x", ""},
        {"http://a\tb", ""},
        {"http://", ""},
        {"Not Provided", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.support);
        EXPECT_EQ(mods::SupportAddress(row.support).value_or(""), row.opened);
    }
    auto& form = showFor("[Information]\nSupport=notepad\n");
    EXPECT_TRUE(form.lblSupport.enabled);
    EXPECT_FALSE(form.lblSupport.active);
    form.lblSupport.click();
    EXPECT_TRUE(fake.shell.opened().empty());
    resetAll();
    auto& linked = showFor("[Information]\nSupport=www.example.org\n");
    linked.lblSupport.click();
    EXPECT_EQ(fake.shell.opened().back(),
              (ShellRequest{"OPEN", "http://www.example.org", "", "", ShowCommand::Normal}));
}

TEST_F(ModInfo, TheMainWindowWaitsForOkAndTheFolderFollowsUseModAndTheFocusedMod) {
    auto& form = showFor("[Information]\nName=Alpha\n");
    auto& main = launcher->frmMain;
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(main.enabled);
    EXPECT_EQ(form.ModFolder(), GamePath("mods\\Alpha"));
    form.btnOk.click();
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(main.enabled);

    // The mods folder itself with "Use Mod" unchecked; the focused item of a multiple selection.
    main.chkUseMod.setChecked(false);
    EXPECT_EQ(form.ModFolder(), GamePath("mods\\"));
    main.chkUseMod.setChecked(true);
    main.ListBox1.setMultiSelect(true);
    main.ListBox1.setItemIndex(-1);
    EXPECT_EQ(form.ModFolder(), GamePath("mods\\"));
}

TEST_F(ModInfo, AnUnreadableFileIsReportedAndOkStillCloses) {
    installGame(true, false, false);
    addMod("Alpha", "[Information]\nName=Alpha\nDescription=readme.txt\n");
    fake.files.addFile(GamePath("mods\\Alpha\\readme.txt"), "text");
    fake.files.failReads(GamePath("mods\\Alpha\\readme.txt"));
    setLauncher("UseMod", "TRUE");
    setLauncher("LastMod", "Alpha");
    auto& main = start();
    EXPECT_THROW(main.mnuModInfo.click(), platform::FileError);
    auto& form = launcher->frmModInfo;
    EXPECT_TRUE(form.visible());
    EXPECT_EQ(form.lblName.caption, "Alpha");
    EXPECT_FALSE(form.lblName.enabled);
    form.btnOk.click();
    EXPECT_TRUE(main.enabled);
}

TEST_F(ModInfo, AHugeDescriptionIsCut) {
    std::string huge(mods::kModTextLimit + 4096, 'x');
    const auto& form = showFor("[Information]\nDescription=readme.txt\n", "", huge);
    EXPECT_EQ(form.Memo1.text.size(), mods::kModTextLimit + 2);
}

} // namespace
} // namespace quarl::tests
