#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

#include <string>

namespace quarl::wizard {

// What the wizard copies from the main window at every showing.
struct WizardSource {
    const ui::ComboBox& txtIPAddress;
    const ui::ListBox& ListBox1;
    const ui::RadioButton& rbRS;
    const ui::RadioButton& rbUO;
};

// frmWiz, the Launch Wizard: six pages that walk a newcomer through the main window's choices.
// Shown without being modal; its choices stay from one showing to the next, its lists are copied
// afresh at each. Finish is the main window's business (onFinish).
class WizardForm final : public ui::Form {
public:
    explicit WizardForm(WizardSource source);

    ui::Notebook pages{"pages"};
    ui::TabSheet pgOpening{"pgOpening"};
    ui::TabSheet pgGame{"pgGame"};
    ui::TabSheet pgGameType{"pgGameType"};
    ui::TabSheet pgHostIP{"pgHostIP"};
    ui::TabSheet pgModInfo{"pgModInfo"};
    ui::TabSheet pgConfirm{"pgConfirm"};

    ui::Label lblWelcome{"lblWelcome"};
    ui::Label lblWelcomeText{"lblWelcomeText"};
    ui::Label lblWelcomeDirections{"lblWelcomeDirections"};

    ui::Label lblGame{"lblGame"};
    ui::Label lblGameText{"lblGameText"};
    ui::RadioGroup gameGroup;
    ui::RadioButton rbRS{"rbRS", gameGroup};
    ui::RadioButton rbUO{"rbUO", gameGroup};
    ui::Label lblGameNote{"lblGameNote"};

    ui::Label lblGameType{"lblGameType"};
    ui::Label lblGameTypeText{"lblGameTypeText"};
    ui::RadioGroup typeGroup;
    ui::RadioButton rbSingle{"rbSingle", typeGroup};
    ui::RadioButton rbJoin{"rbJoin", typeGroup};
    ui::RadioButton rbHost{"rbHost", typeGroup};
    ui::Label lblDescriptionCaption{"lblDescriptionCaption"};
    ui::Label lblDescription{"lblDescription"};

    ui::Label lblHostIP{"lblHostIP"};
    ui::Label lblHostIPText{"lblHostIPText"};
    ui::Label lblHostIPFormat{"lblHostIPFormat"};
    ui::Label lblAddress{"lblAddress"};
    // Editable; its items in sorted order.
    ui::ComboBox txtIPAddress{"txtIPAddress"};

    ui::Label lblModInfo{"lblModInfo"};
    ui::Label lblModText{"lblModText"};
    ui::Label lblModList{"lblModList"};
    ui::Label lblModSelection{"lblModSelection"};
    // Pick-only.
    ui::ComboBox cbMod{"cbMod"};

    ui::Label lblReady{"lblReady"};
    ui::Label lblSettings{"lblSettings"};
    ui::Memo mSettings{"mSettings"};

    // Tab order: Next, Back, Cancel.
    ui::Button btnNext{"btnNext"};
    ui::Button btnBack{"btnBack"};
    ui::Button btnCancel{"btnCancel"};

    // Sets the main window's controls from the choices and closes the wizard.
    ui::Handler onFinish;

    // The wizard page number, 0 to 5.
    int page() const { return pages.pageIndex; }

    void btnNextClick();
    void btnBackClick();
    void btnCancelClick();
    // The summary memo, rebuilt from the choices.
    void BuildSummary();

protected:
    void FormShow() override;

private:
    void goTo(int number) { pages.pageIndex = number; }

    WizardSource source_;
};

} // namespace quarl::wizard
