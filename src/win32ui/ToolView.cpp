#include "win32ui/ToolView.h"

#include "companions/ToolForm.h"
#include "win32ui/ToolViewIds.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/CheckBoxBinding.h"
#include "win32ui/bindings/LabelBinding.h"
#include "win32ui/bindings/MemoBinding.h"
#include "win32ui/bindings/NotebookBinding.h"
#include "win32ui/bindings/ProgressBarBinding.h"
#include "win32ui/bindings/TabSheetBinding.h"

namespace quarl::win32ui {

ToolView::ToolView(ViewHost& host, companions::ToolForm& form)
    : FormView(host, form, IDD_TOOL), form_(form) {}

void ToolView::onCreate() {
    sizeClientArea(330, 235, true);
    createPage(IDD_TOOL_INTRODUCTION, IDC_PAGE_TOOL_INTRODUCTION);
    createPage(IDD_TOOL_SERVICES, IDC_PAGE_TOOL_SERVICES);
    createPage(IDD_TOOL_PROGRESS, IDC_PAGE_TOOL_PROGRESS);

    auto& f = form_;
    bind(IDC_MEMO_INTRODUCTION, f.mIntroduction);

    bind(IDC_LBL_CHOOSE, f.lblChoose);
    bind(IDC_LBL_SERVICENAME, f.lblServiceName);
    bind(IDC_LBL_FOUND, f.lblFound);
    bind(IDC_LBL_PATCHED, f.lblPatched);
    bind(IDC_LBL_SERVICEGZ, f.lblServiceGZ);
    bind(IDC_LBL_SERVICEGS, f.lblServiceGS);
    bind(IDC_LBL_SERVICEKALI, f.lblServiceKali);
    bind(IDC_LBL_FOUNDGZ, f.lblFoundGZ);
    bind(IDC_LBL_FOUNDGS, f.lblFoundGS);
    bind(IDC_LBL_FOUNDKALI, f.lblFoundKali);
    bind(IDC_CHK_PATCHGZ, f.chkPatchGZ);
    bind(IDC_CHK_PATCHGS, f.chkPatchGS);
    bind(IDC_CHK_PATCHKALI, f.chkPatchKali);
    bind(IDC_LBL_NOTE, f.lblNote);

    bind(IDC_LBL_SETTINGS, f.lblSettings);
    bind(IDC_LBL_SETTINGGZ, f.lblSettingGZ);
    bind(IDC_LBL_SETTINGGS, f.lblSettingGS);
    bind(IDC_LBL_SETTINGKALI, f.lblSettingKali);
    bind(IDC_LBL_STATUSCAPTION, f.lblStatusCaption);
    bind(IDC_LBL_STATUS, f.lblStatus);
    bind(IDC_PB_COPY, f.pbCopy);

    bind(IDC_BTN_TOOL_CANCEL, f.btnCancel);
    bind(IDC_BTN_TOOL_BACK, f.btnBack);
    bind(IDC_BTN_TOOL_NEXT, f.btnNext);

    // The pages before their notebook, which shows the active one over them.
    for (std::size_t page = 0; page < f.pages.pages.size(); ++page)
        bind(IDC_PAGE_TOOL_INTRODUCTION + static_cast<int>(page), *f.pages.pages[page]);
    bind(IDC_TOOL_PAGES, f.pages);
}

} // namespace quarl::win32ui
