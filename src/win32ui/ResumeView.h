#pragma once

#include "win32ui/FormView.h"

namespace quarl::launch {
class ResumeForm;
}

namespace quarl::win32ui {

class ResumeView final : public FormView {
public:
    ResumeView(ViewHost& host, launch::ResumeForm& form);

protected:
    void onCreate() override;

private:
    launch::ResumeForm& resume_;
};

} // namespace quarl::win32ui
