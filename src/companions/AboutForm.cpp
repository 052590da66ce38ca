#include "companions/AboutForm.h"

#include "companions/Companions.h"

namespace quarl::companions {

AboutForm::AboutForm(platform::Platform& platform)
    : Form("AboutBox", "About Quarl Launcher"), platform_(platform) {
    imgLogo.picture = "about";
    lblName.caption = "Quarl Launcher";
    lblName.bold = true;
    lblVersion.caption = "Version 2.10 Build 8";
    lblAuthor.caption = "Written by the Quarl Launcher team";
    lblYears.caption = "2001 - 2026";
    lblCompany.caption = "Tamsel Software";
    lblLegal.caption = "Rogue Spear is a trademark of its owners.";
    lnkHomePage.caption = "Visit Home Page";
    btnOk.caption = "&Ok";
    lnkHomePage.onClick = [this] { lnkHomePageClick(); };
    btnOk.onClick = [this] { btnOkClick(); };
}

void AboutForm::lnkHomePageClick() {
    OpenWebPage(platform_.shell, kTamselHomePage);
}

void AboutForm::btnOkClick() {
    close();
}

} // namespace quarl::companions
