#pragma once

#include "win32ui/FormView.h"

#include <optional>

namespace quarl::net {
class PingStatsForm;
}

namespace quarl::win32ui {

// The Ping Stats window: four labels and two buttons; centred on the screen when created,
// moved to where the model puts it at its first paint.
class PingStatsView final : public FormView {
public:
    PingStatsView(ViewHost& host, net::PingStatsForm& form);

protected:
    void onCreate() override;
    void onReconciled() override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    net::PingStatsForm& form_;
    std::optional<int> top_;
};

} // namespace quarl::win32ui
