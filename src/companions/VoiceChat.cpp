#include "companions/VoiceChat.h"

#include "companions/Companions.h"
#include "config/LauncherKey.h"

namespace quarl::companions {

using platform::RootKey;

namespace {

constexpr std::string_view kSlots = "abcdef";
constexpr std::string_view kOrderValue = "address-mru";

std::string SlotValue(char slot) {
    return "address-" + std::string(1, slot);
}

} // namespace

std::string ChannelOrder(std::string_view stored) {
    std::string order;
    for (const char c : stored)
        if (kSlots.find(c) != std::string_view::npos && order.find(c) == std::string::npos)
            order += c;
    return order;
}

ChannelRecord RecordChannel(std::string_view storedOrder, std::string_view address,
                            const std::function<std::string(char slot)>& slotText) {
    const auto order = ChannelOrder(storedOrder);
    std::optional<std::string> moved;
    // Every slot is compared: should two hold the address, the later one comes to the front.
    for (std::size_t at = 0; at < order.size(); ++at)
        if (slotText(order[at]) == address)
            moved =
                order.size() < 2 ? order : order[at] + order.substr(0, at) + order.substr(at + 1);
    if (moved)
        return {*moved, std::nullopt};
    if (order.size() == kSlots.size())
        return {order.back() + order.substr(0, order.size() - 1), order.back()};
    const char slot = kSlots[kSlots.find_first_not_of(order)];
    return {slot + order, slot};
}

std::string JoinParameters(std::string_view address, std::string_view password) {
    std::string channel(address);
    if (const auto slash = channel.find('/'); slash != std::string::npos)
        channel.insert(slash, " ");
    return "/join " + channel + " " + std::string(password);
}

JoinChannelForm::JoinChannelForm(platform::Platform& platform, config::ConfigStore& store)
    : Form("frmJoinRW", "Join Channel"), platform_(platform), store_(store) {
    imgPicture.picture = "rogerwilco";
    lblText.caption = "To Join a channel, indicate where to find the computer of the person who "
                      "created the channel";
    gbServer.caption = " IP Address or Hostname of Channel Host ";
    gbPassword.caption = " Password (if needed) ";
    chkMinimized.caption = "Minimize";
    btnJoin.caption = "&Join";
    btnCancel.caption = "&Cancel";
    btnJoin.onClick = [this] { btnJoinClick(); };
    btnCancel.onClick = [this] { btnCancelClick(); };
}

void JoinChannelForm::FormShow() {
    LoadChannelHistory();
}

void JoinChannelForm::LoadChannelHistory() {
    cbServer.items.clear();
    const auto order =
        ChannelOrder(store_.ReadRegString(RootKey::CurrentUser, kRogerWilcoKey, kOrderValue));
    for (const char slot : order)
        cbServer.items.push_back(
            store_.ReadRegString(RootKey::CurrentUser, kRogerWilcoKey, SlotValue(slot)));
    // The most recent address replaces the text; an empty history leaves it.
    if (!cbServer.items.empty())
        cbServer.setItemIndex(0);
    chkMinimized.setChecked(store_.ReadRegInteger(RootKey::CurrentUser, config::kLauncherKey,
                                                  config::launcher::MinimizeRW) == 1);
}

void JoinChannelForm::showWithAddress(const std::string& address) {
    show();
    cbServer.text = address;
}

void JoinChannelForm::RecordChannelAddress() {
    const auto record = RecordChannel(
        store_.ReadRegString(RootKey::CurrentUser, kRogerWilcoKey, kOrderValue), cbServer.text,
        [this](char slot) {
            return store_.ReadRegString(RootKey::CurrentUser, kRogerWilcoKey, SlotValue(slot));
        });
    if (record.newSlot)
        store_.WriteRegString(RootKey::CurrentUser, kRogerWilcoKey, SlotValue(*record.newSlot),
                              cbServer.text);
    store_.WriteRegString(RootKey::CurrentUser, kRogerWilcoKey, kOrderValue, record.order);
}

void JoinChannelForm::btnJoinClick() {
    RecordChannelAddress();
    RunRogerWilco(platform_.shell, store_, JoinParameters(cbServer.text, txtPassword.text),
                  chkMinimized.checked() ? platform::ShowCommand::MinimizedNoActivate
                                         : platform::ShowCommand::Normal);
    btnCancelClick();
}

void JoinChannelForm::btnCancelClick() {
    close();
}

void JoinChannelForm::FormClose() {
    store_.WriteRegInteger(RootKey::CurrentUser, config::kLauncherKey, config::launcher::MinimizeRW,
                           chkMinimized.checked() ? 1 : 0);
}

} // namespace quarl::companions
