#include "win32ui/ModInfoView.h"

#include "mods/ModInfoForm.h"
#include "win32ui/ModInfoViewIds.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/LabelBinding.h"
#include "win32ui/bindings/LinkBinding.h"
#include "win32ui/bindings/MemoBinding.h"

namespace quarl::win32ui {

ModInfoView::ModInfoView(ViewHost& host, mods::ModInfoForm& form)
    : FormView(host, form, IDD_MODINFO), form_(form) {}

void ModInfoView::onCreate() {
    sizeClientArea(309, 263, true);
    bind(IDC_LBL_MODNAME, form_.lblName);
    bind(IDC_LBL_MODVERSION, form_.lblVersion);
    bind(IDC_LBL_MODTYPE, form_.lblModType);
    bind(IDC_LBL_MODCOPY, form_.lblCopy);
    bind(IDC_LBL_MODDATE, form_.lblDate);
    bind(IDC_LBL_MODAUTHOR, form_.lblAuthor);
    bind(IDC_LNK_MODSUPPORT, form_.lblSupport);
    bind(IDC_EDT_MODDESCRIPTION, form_.Memo1);
    bind(IDC_BTN_MODINFOOK, form_.btnOk);
    setEscapeButton(form_.btnOk);
}

} // namespace quarl::win32ui
