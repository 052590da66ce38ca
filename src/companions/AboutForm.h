#pragma once

#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace quarl::companions {

// AboutBox: the launcher's name, version, makers and home page. Shown over the main window,
// which stays disabled until "&Ok".
class AboutForm final : public ui::Form {
public:
    explicit AboutForm(platform::Platform& platform);

    ui::Image imgLogo{"imgLogo"};
    ui::Label lblName{"lblName"};
    ui::Label lblVersion{"lblVersion"};
    ui::Label lblAuthor{"lblAuthor"};
    ui::Label lblYears{"lblYears"};
    ui::Label lblCompany{"lblCompany"};
    ui::Label lblLegal{"lblLegal"};
    ui::Link lnkHomePage{"lnkHomePage"};
    ui::Button btnOk{"btnOk"};

    void lnkHomePageClick();
    void btnOkClick();

private:
    platform::Platform& platform_;
};

} // namespace quarl::companions
