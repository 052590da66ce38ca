#include "win32ui/WizardView.h"

#include "win32ui/WizardViewIds.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/ComboBoxBinding.h"
#include "win32ui/bindings/LabelBinding.h"
#include "win32ui/bindings/MemoBinding.h"
#include "win32ui/bindings/NotebookBinding.h"
#include "win32ui/bindings/RadioButtonBinding.h"
#include "win32ui/bindings/TabSheetBinding.h"
#include "wizard/WizardForm.h"

namespace quarl::win32ui {

WizardView::WizardView(ViewHost& host, wizard::WizardForm& form)
    : FormView(host, form, IDD_WIZARD), form_(form) {}

void WizardView::onCreate() {
    sizeClientArea(316, 279, true);
    for (int page = 0; page < 6; ++page)
        createPage(IDD_WIZARD_OPENING + page, IDC_PAGE_WIZ_OPENING + page);

    auto& f = form_;
    bind(IDC_LBL_WELCOME, f.lblWelcome);
    bind(IDC_LBL_WELCOMETEXT, f.lblWelcomeText);
    bind(IDC_LBL_WELCOMEDIRECTIONS, f.lblWelcomeDirections);

    bind(IDC_LBL_WIZGAME, f.lblGame);
    bind(IDC_LBL_WIZGAMETEXT, f.lblGameText);
    bind(IDC_RB_WIZRS, f.rbRS);
    bind(IDC_RB_WIZUO, f.rbUO);
    bind(IDC_LBL_WIZGAMENOTE, f.lblGameNote);

    bind(IDC_LBL_WIZGAMETYPE, f.lblGameType);
    bind(IDC_LBL_WIZGAMETYPETEXT, f.lblGameTypeText);
    bind(IDC_RB_WIZSINGLE, f.rbSingle);
    bind(IDC_RB_WIZJOIN, f.rbJoin);
    bind(IDC_RB_WIZHOST, f.rbHost);
    bind(IDC_LBL_DESCRIPTIONCAPTION, f.lblDescriptionCaption);
    bind(IDC_LBL_DESCRIPTION, f.lblDescription);

    bind(IDC_LBL_WIZHOSTIP, f.lblHostIP);
    bind(IDC_LBL_WIZHOSTIPTEXT, f.lblHostIPText);
    bind(IDC_LBL_WIZHOSTIPFORMAT, f.lblHostIPFormat);
    bind(IDC_LBL_WIZADDRESS, f.lblAddress);
    bind(IDC_CB_WIZADDRESS, f.txtIPAddress);

    bind(IDC_LBL_WIZMODINFO, f.lblModInfo);
    bind(IDC_LBL_WIZMODTEXT, f.lblModText);
    bind(IDC_LBL_WIZMODLIST, f.lblModList);
    bind(IDC_LBL_WIZMODSELECTION, f.lblModSelection);
    bind(IDC_CB_WIZMOD, f.cbMod);

    bind(IDC_LBL_WIZREADY, f.lblReady);
    bind(IDC_LBL_WIZSETTINGS, f.lblSettings);
    bind(IDC_MEMO_WIZSETTINGS, f.mSettings);

    bind(IDC_BTN_WIZ_NEXT, f.btnNext);
    bind(IDC_BTN_WIZ_BACK, f.btnBack);
    bind(IDC_BTN_WIZ_CANCEL, f.btnCancel);

    // The pages before their notebook, which shows the active one over them.
    for (std::size_t page = 0; page < f.pages.pages.size(); ++page)
        bind(IDC_PAGE_WIZ_OPENING + static_cast<int>(page), *f.pages.pages[page]);
    bind(IDC_WIZ_PAGES, f.pages);
}

} // namespace quarl::win32ui
