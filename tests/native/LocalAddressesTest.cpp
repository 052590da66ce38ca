#include "LauncherFixture.h"

namespace quarl::tests {
namespace {

class LocalAddresses : public LauncherFixture {
protected:
    net::LocalAddressesForm& open(std::vector<std::string> addresses) {
        fake.localAddresses.addresses = std::move(addresses);
        installGame(true, false, false);
        start().tbIPAddress.click();
        return launcher->frmIPAddress;
    }
    static std::vector<std::string> Shown(net::LocalAddressesForm& form) {
        std::vector<std::string> texts;
        for (const auto* panel : form.panels())
            texts.push_back(panel->caption);
        return texts;
    }
};

TEST_F(LocalAddresses, ThePanelsShowTheFirstFiveAddressesFoundAndNotApplicableForTheRest) {
    const std::vector<std::string> seven{"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4",
                                         "10.0.0.5", "10.0.0.6", "10.0.0.7"};
    const struct {
        std::vector<std::string> found;
        std::vector<std::string> shown;
    } rows[] = {
        {{}, {"N/A", "N/A", "N/A", "N/A", "N/A"}},
        {{"192.168.1.20"}, {"192.168.1.20", "N/A", "N/A", "N/A", "N/A"}},
        {seven, {seven.begin(), seven.begin() + 5}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.found.size());
        resetAll();
        EXPECT_EQ(Shown(open(row.found)), row.shown);
    }
}

TEST_F(LocalAddresses, CopyTakesThePanelTheMenuOpenedOnAndOkGivesTheMainWindowBack) {
    auto& form = open({"10.0.0.1", "10.0.0.2", "10.0.0.3"});
    EXPECT_TRUE(form.visible());
    EXPECT_FALSE(launcher->frmMain.enabled);
    form.IPMenu.popup(form.IP3);
    form.Copy1.click();
    EXPECT_EQ(fake.clipboard.text(), "10.0.0.3");
    form.IPMenu.popup(form.IP5);
    form.Copy1.click();
    EXPECT_EQ(fake.clipboard.text(), "N/A");
    form.btnOk.click();
    EXPECT_FALSE(form.visible());
    EXPECT_TRUE(launcher->frmMain.enabled);
    // Looked up once: a changed address shows at the next start only.
    fake.localAddresses.addresses = {"10.9.9.9"};
    launcher->frmMain.mnuIPAddress.click();
    EXPECT_EQ(form.IP1.caption, "10.0.0.1");
    EXPECT_EQ(fake.localAddresses.lookups(), 1);
}

} // namespace
} // namespace quarl::tests
