#include "win32ui/ResumeView.h"

#include "launch/ResumeForm.h"
#include "win32ui/ResumeViewIds.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/LabelBinding.h"

namespace quarl::win32ui {

ResumeView::ResumeView(ViewHost& host, launch::ResumeForm& form)
    : FormView(host, form, IDD_RESUME), resume_(form) {}

void ResumeView::onCreate() {
    bind(IDC_LBL_RESUME1, resume_.lblLine1);
    bind(IDC_LBL_RESUME2, resume_.lblLine2);
    bind(IDC_BTN_RESUME, resume_.btnResume);
}

} // namespace quarl::win32ui
