#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

#include <optional>

namespace quarl::net {

class PingMonitor;

// frmPingStats: the ping monitor's statistics, shown without being modal; closing it only
// hides it, and the statistics keep running.
class PingStatsForm final : public ui::Form {
public:
    explicit PingStatsForm(PingMonitor& monitor);

    ui::Label Label1{"Label1"};
    ui::Label Label2{"Label2"};
    ui::Label Label3{"Label3"};
    ui::Label Label4{"Label4"};
    ui::Button btnReset{"btnReset"};
    ui::Button btnClose{"btnClose"};

    // The window opens centred on the screen; its first paint moves it to this screen top
    // coordinate, keeping its horizontal position. Empty until then.
    std::optional<int> top;

    void paint();
    // Total, average, loss and lost count of the monitor's statistics.
    void showStatistics(const PingMonitor& monitor);

    void btnResetClick();
    void btnCloseClick();

private:
    PingMonitor& monitor_;
};

} // namespace quarl::net
