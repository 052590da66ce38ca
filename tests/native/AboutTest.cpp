#include "LauncherFixture.h"
#include "companions/Companions.h"

namespace quarl::tests {
namespace {

class About : public LauncherFixture {};

TEST_F(About, TheBoxKeepsTheMainWindowDisabledUntilOkAndItsLinkOpensTheHomePage) {
    installGame(true, false, false);
    auto& main = start();
    main.mnuAbout.click();
    auto& about = launcher->AboutBox;
    EXPECT_TRUE(about.visible());
    EXPECT_FALSE(main.enabled);
    EXPECT_EQ(about.lblVersion.caption, "Version 2.10 Build 8");
    about.lnkHomePage.click();
    EXPECT_EQ(fake.shell.opened().back(),
              (platform::ShellRequest{"OPEN", std::string(companions::kTamselHomePage), "", "",
                                      platform::ShowCommand::Normal}));
    about.btnOk.click();
    EXPECT_FALSE(about.visible());
    EXPECT_TRUE(main.enabled);
}

} // namespace
} // namespace quarl::tests
