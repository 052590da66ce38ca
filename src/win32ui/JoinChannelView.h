#pragma once

#include "win32ui/FormView.h"

namespace quarl::companions {
class JoinChannelForm;
}

namespace quarl::win32ui {

// Roger Wilco's Join Channel window: the channel host's address, the password, "Minimize".
class JoinChannelView final : public FormView {
public:
    JoinChannelView(ViewHost& host, companions::JoinChannelForm& form);

protected:
    void onCreate() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    companions::JoinChannelForm& form_;
};

} // namespace quarl::win32ui
