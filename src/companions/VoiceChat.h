#pragma once

#include "config/ConfigStore.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarl::companions {

// Roger Wilco's own key: its channel history, which the launcher shares with it.
inline constexpr std::string_view kRogerWilcoKey = "Software\\Resounding\\Roger Wilco";

// The order string of the channel history as it is used: the letters "a" to "f" in their
// order, each once; other characters and repeated letters (written by another program) are
// skipped.
std::string ChannelOrder(std::string_view stored);

// Recording an address in the channel history (most recent first, six slots "a" to "f").
struct ChannelRecord {
    std::string order;           // the new "address-mru"
    std::optional<char> newSlot; // the slot the address goes into, when it was not there
};
// An address already in a slot moves to the front; a new one takes the first unused letter,
// or, with all six in use, the least recent one. slotText reads a slot's address.
ChannelRecord RecordChannel(std::string_view storedOrder, std::string_view address,
                            const std::function<std::string(char slot)>& slotText);

// The parameters that join a channel: "/join ", the address ("host/channel" becomes
// "host /channel"), a space and the password.
std::string JoinParameters(std::string_view address, std::string_view password);

// frmJoinRW: joins a Roger Wilco channel; its address box lists the channel history, read from
// Roger Wilco's key on every showing.
class JoinChannelForm final : public ui::Form {
public:
    JoinChannelForm(platform::Platform& platform, config::ConfigStore& store);

    ui::Image imgPicture{"imgPicture"};
    ui::Label lblText{"lblText"};
    ui::GroupBox gbServer{"gbServer"};
    ui::ComboBox cbServer{"cbServer"};
    ui::GroupBox gbPassword{"gbPassword"};
    ui::Edit txtPassword{"txtPassword"};
    ui::CheckBox chkMinimized{"chkMinimized"};
    ui::Button btnJoin{"btnJoin"};
    ui::Button btnCancel{"btnCancel"};

    // Shows the window with the given server address in the address box.
    void showWithAddress(const std::string& address);
    void RecordChannelAddress();
    void btnJoinClick();
    void btnCancelClick();

protected:
    void FormShow() override;
    // However the window closes, the "Minimize" box is remembered.
    void FormClose() override;

private:
    void LoadChannelHistory();

    platform::Platform& platform_;
    config::ConfigStore& store_;
};

} // namespace quarl::companions
