#include "win32ui/Windows.h"

#include "app/Launcher.h"
#include "win32ui/ABEditView.h"
#include "win32ui/AboutView.h"
#include "win32ui/AddressBookView.h"
#include "win32ui/JoinChannelView.h"
#include "win32ui/LocalAddressesView.h"
#include "win32ui/ModInfoView.h"
#include "win32ui/PingStatsView.h"
#include "win32ui/ResumeView.h"
#include "win32ui/SettingsView.h"
#include "win32ui/ToolView.h"
#include "win32ui/WizardView.h"

#include <memory>

namespace quarl::win32ui {

namespace {

template <class View, class Form> ViewFactory ViewOf(Form& form) {
    return [&form](ViewHost& host) { return std::make_unique<View>(host, form); };
}

} // namespace

std::vector<WindowEntry> SecondaryWindows(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    return {
        {launcher.frmWiz, ViewOf<WizardView>(launcher.frmWiz), main},
        {launcher.frmTool, ViewOf<ToolView>(launcher.frmTool), main},
        {launcher.AboutBox, ViewOf<AboutView>(launcher.AboutBox), main},
        {launcher.frmAddressBook,
         [&launcher](ViewHost& host) {
             return std::make_unique<AddressBookView>(host, launcher.frmAddressBook,
                                                      launcher.session.store);
         },
         main},
        {launcher.frmSettings, ViewOf<SettingsView>(launcher.frmSettings), main},
        {launcher.frmModInfo, ViewOf<ModInfoView>(launcher.frmModInfo), main},
        {launcher.frmResume, ViewOf<ResumeView>(launcher.frmResume), main},
        {launcher.frmIPAddress, ViewOf<LocalAddressesView>(launcher.frmIPAddress), main},
        {launcher.frmPingStats, ViewOf<PingStatsView>(launcher.frmPingStats), main},
        {launcher.frmABEdit, ViewOf<ABEditView>(launcher.frmABEdit), launcher.frmAddressBook},
        {launcher.frmJoinRW, ViewOf<JoinChannelView>(launcher.frmJoinRW), main},
    };
}

} // namespace quarl::win32ui
