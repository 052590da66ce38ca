#include "net/PingStatsForm.h"

#include "net/PingMonitor.h"

#include <string>

namespace quarl::net {

PingStatsForm::PingStatsForm(PingMonitor& monitor)
    : Form("frmPingStats", "Ping Stats"), monitor_(monitor) {
    // The texts until the first tick or the first stop after start-up.
    Label1.caption = "Total Pings: 0";
    Label2.caption = "Average Ping: 0";
    Label3.caption = "Packet Loss: 0%";
    Label4.caption = "Pings Lost: 0";
    btnReset.caption = "&Reset";
    btnClose.caption = "&Close";
    btnReset.onClick = [this] { btnResetClick(); };
    btnClose.onClick = [this] { btnCloseClick(); };
}

void PingStatsForm::paint() {
    if (!top)
        top = 1;
}

void PingStatsForm::showStatistics(const PingMonitor& monitor) {
    const std::int64_t total = monitor.PingTotal;
    const std::int64_t lost = monitor.PingLost;
    const std::int64_t average = total > lost ? monitor.PingSumMs / (total - lost) : 0;
    const std::int64_t loss = lost > 0 && total > 0 ? lost * 100 / total : 0;
    Label1.caption = "Total Pings: " + std::to_string(total);
    Label2.caption = "Average Ping: " + std::to_string(average) + "ms";
    Label3.caption = "Packet Loss: " + std::to_string(loss) + "%";
    Label4.caption = "Lost Pings: " + std::to_string(lost);
}

void PingStatsForm::btnResetClick() {
    monitor_.StopPingMonitor();
    monitor_.StartPingMonitor();
}

void PingStatsForm::btnCloseClick() {
    close();
}

} // namespace quarl::net
