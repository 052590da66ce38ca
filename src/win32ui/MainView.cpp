#include "win32ui/MainView.h"

#include "app/Launcher.h"
#include "net/QualityImages.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/QualityImageDraw.h"
#include "win32ui/Toolbar.h"
#include "win32ui/ToolbarIcons.h"
#include "win32ui/ViewHost.h"
#include "win32ui/bindings/ButtonBinding.h"
#include "win32ui/bindings/CheckBoxBinding.h"
#include "win32ui/bindings/ComboBoxBinding.h"
#include "win32ui/bindings/EditBinding.h"
#include "win32ui/bindings/ImageBinding.h"
#include "win32ui/bindings/LabelBinding.h"
#include "win32ui/bindings/ListBoxBinding.h"
#include "win32ui/bindings/RadioButtonBinding.h"
#include "win32ui/bindings/StatusBarBinding.h"

#include <commctrl.h>

namespace quarl::win32ui {

namespace {

// Posted when the model has closed the main window, so that the window is destroyed outside
// the reconcile that noticed it.
constexpr UINT kDestroyMessage = WM_APP + 1;

} // namespace

MainView::MainView(ViewHost& host, app::Launcher& launcher)
    : FormView(host, launcher.frmMain, IDD_MAIN), launcher_(launcher) {
    host.add(*this);
}

void MainView::onCreate() {
    setLauncherIcon();
    createToolbar();
    createStatusBar();
    sizeWindow();
    bindControls();
    // The single-instance check, the creation handler and the start-up switches.
    carryOn_ = launcher_.frmMain.create();
    // A start that ends at once (handed over, uninstalling) leaves the stored position alone.
    if (carryOn_)
        keepPosition(launcher_.session.store, app::kMainPos);
}

void MainView::onClosed() {
    PostMessageW(hwnd(), kDestroyMessage, 0, 0);
}

void MainView::createToolbar() {
    setToolbar(CreateToolbar(hwnd(), IDC_TOOLBAR));
    SendMessageW(toolbar(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    setToolbarImages();
    AddToolbarButtons(toolbar(), {{0, IDT_LAUNCH},
                                  kToolbarSeparator,
                                  {1, IDT_TELNET},
                                  {2, IDT_IPADDRESS},
                                  {3, IDT_SETTINGS},
                                  {4, IDT_ADDRESSBOOK},
                                  {5, IDT_HELP},
                                  kToolbarSeparator,
                                  {6, IDT_ROGERWILCO, BTNS_DROPDOWN},
                                  {7, IDT_GAMESPY},
                                  {8, IDT_KALI},
                                  {9, IDT_STATS}});
}

// The toolbar's pictures, drawn for the window's scale.
void MainView::setToolbarImages() {
    const HIMAGELIST previous = images_;
    const int size = MulDiv(16, dpi(), 96);
    images_ = CreateToolbarImages(size);
    SendMessageW(toolbar(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    SendMessageW(toolbar(), TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    if (previous)
        ImageList_Destroy(previous);
}

void MainView::createStatusBar() {
    statusBar_ =
        CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd(),
                        reinterpret_cast<HMENU>(IDC_STATUSBAR), GetModuleHandleW(nullptr), nullptr);
    int parts[] = {-1};
    SendMessageW(statusBar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
}

void MainView::sizeWindow() {
    sizeClientArea(328, 278, false);
    sizeBars();
}

// The bars and the ping image, which the template's scaling does not size.
void MainView::sizeBars() {
    const int dpi = this->dpi();
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    SendMessageW(toolbar(), TB_AUTOSIZE, 0, 0);
    // The ping image shows its picture pixel for pixel (scaled whole with the DPI).
    SetWindowPos(
        GetDlgItem(hwnd(), IDC_IMG_PING), nullptr, 0, 0, MulDiv(net::kQualityImageWidth, dpi, 96),
        MulDiv(net::kQualityImageHeight, dpi, 96), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainView::onDpiChanged() {
    setToolbarImages();
    sizeBars();
}

void MainView::bindControls() {
    auto& m = launcher_.frmMain;
    bind(IDC_RB_RS, m.rbRS);
    bind(IDC_RB_UO, m.rbUO);
    bind(IDC_RB_CO, m.rbCO);
    bind(IDC_CHK_USENETWORK, m.chkUseNetwork);
    bind(IDC_RB_JOIN, m.rbJoin);
    bind(IDC_RB_HOST, m.rbHost);
    bind(IDC_CB_IPADDRESS, m.txtIPAddress);
    bind(IDC_BTN_ADDADDRESS, m.btnAddAddress);
    bind(IDC_EDT_PORT, m.txtPort);
    bind(IDC_IMG_PING, m.imgPing);
    bind(IDC_LBL_PINGTIME, m.Pingtime);
    bind(IDC_LST_MODS, m.ListBox1);
    bind(IDC_CHK_USEMOD, m.chkUseMod);
    bind(IDC_CHK_DELETEKIT, m.chkDeleteKit);
    bind(IDC_LBL_VERSION, m.lblVersion);
    bind(IDC_STATUSBAR, m.StatusBar1);
    bindTimer(IDC_TMR_PING, m.PingTimer);

    const std::pair<int, ui::MenuItem*> menu[] = {
        {IDM_LAUNCH, &m.mnuLaunch},
        {IDM_ADDRESSBOOK, &m.mnuAddressBook},
        {IDM_SETTINGS, &m.mnuSettings},
        {IDM_MODINFO, &m.mnuModInfo},
        {IDM_EXIT, &m.mnuExit},
        {IDM_WIZARD, &m.mnuWizard},
        {IDM_LAUNCHTOOL, &m.mnuLaunchTool},
        {IDM_TELNET, &m.mnuTelnet},
        {IDM_IPADDRESS, &m.mnuIPAddress},
        {IDM_PINGDETAILS, &m.mnuPingDetails},
        {IDM_BOUNDKEYS, &m.mnuBoundkeys},
        {IDM_KITRESTRICTIONS, &m.mnuKitrestrictions},
        {IDM_COPYJOINLINK, &m.mnuCopyJoinLink},
        {IDM_ROGERWILCO, &m.mnuRogerWilco},
        {IDM_GAMESPY, &m.mnuGameSpy},
        {IDM_KALI, &m.mnuKali},
        {IDM_STATS, &m.mnuStats},
        {IDM_CONTENTS, &m.mnuContents},
        {IDM_KEYWORDSEARCH, &m.mnuKeywordSearch},
        {IDM_HELP_INTRODUCTION, &m.mnuHelpIntroduction},
        {IDM_HELP_ZONE, &m.mnuHelpZone},
        {IDM_HELP_GAMESPY, &m.mnuHelpGameSpy},
        {IDM_HELP_MPLAYER, &m.mnuHelpMPlayer},
        {IDM_HELP_KALI, &m.mnuHelpKali},
        {IDM_CHECKUPDATES, &m.mnuCheckUpdates},
        {IDM_WEB_TAMSEL, &m.mnuWebTamsel},
        {IDM_WEB_PRODUCTGROUP, &m.mnuWebProductGroup},
        {IDM_ABOUT, &m.mnuAbout},
        {IDM_RW_JOIN, &m.mnuRWJoin},
        {IDM_RW_JOINRS, &m.mnuRWJoinRS},
        {IDM_RW_HOSTNORMAL, &m.mnuRWHostNormal},
        {IDM_RW_HOSTMINIMIZE, &m.mnuRWHostMinimize},
    };
    for (const auto& [id, item] : menu)
        bindCommand(id, *item, CommandKind::Menu);

    const std::pair<int, ui::ToolButton*> toolButtons[] = {
        {IDT_LAUNCH, &m.btnLaunch},
        {IDT_TELNET, &m.tbTelnet},
        {IDT_IPADDRESS, &m.tbIPAddress},
        {IDT_SETTINGS, &m.btnSettings},
        {IDT_ADDRESSBOOK, &m.tbAddressBook},
        {IDT_HELP, &m.tbHelp},
        {IDT_ROGERWILCO, &m.tbRogerWilco},
        {IDT_GAMESPY, &m.tbGameSpy},
        {IDT_KALI, &m.tbKali},
        {IDT_STATS, &m.tbStats},
    };
    for (const auto& [id, button] : toolButtons)
        bindCommand(id, *button, CommandKind::Toolbar);
}

bool MainView::onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd(), &paint);
        EndPaint(hwnd(), &paint);
        // After EndPaint: the window is valid again, so messages processed during the one-time
        // work do not bring another paint here.
        launcher_.frmMain.paint();
        host_.reconcileAll();
        result = 0;
        return true;
    }
    case WM_MENUSELECT: {
        const UINT flags = HIWORD(wParam);
        if (flags == 0xFFFF && lParam == 0)
            host_.setHint({});
        else if (!(flags & MF_POPUP)) {
            const auto* hint = commandHint(LOWORD(wParam));
            host_.setHint(hint ? *hint : std::string());
        }
        result = 0;
        return true;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == toolbar() && header->code == TBN_DROPDOWN) {
            const auto* drop = reinterpret_cast<const NMTOOLBARW*>(lParam);
            RECT rect;
            SendMessageW(toolbar(), TB_GETRECT, static_cast<WPARAM>(drop->iItem),
                         reinterpret_cast<LPARAM>(&rect));
            MapWindowPoints(toolbar(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
            HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ROGERWILCOMENU));
            HMENU popup = GetSubMenu(menu, 0);
            auto& m = launcher_.frmMain;
            for (const auto& [id, item] :
                 {std::pair{IDM_RW_JOIN, &m.mnuRWJoin}, std::pair{IDM_RW_JOINRS, &m.mnuRWJoinRS},
                  std::pair{IDM_RW_HOSTNORMAL, &m.mnuRWHostNormal},
                  std::pair{IDM_RW_HOSTMINIMIZE, &m.mnuRWHostMinimize}})
                EnableMenuItem(popup, static_cast<UINT>(id),
                               MF_BYCOMMAND | (item->available() ? MF_ENABLED : MF_GRAYED));
            TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, rect.left, rect.bottom, 0, hwnd(),
                           nullptr);
            DestroyMenu(menu);
            SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, TBDDRET_DEFAULT);
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_IMG_PING)
            return false;
        DrawQualityImage(item->hDC, item->rcItem, launcher_.frmMain.imgPing.picture);
        result = TRUE;
        return true;
    }
    case WM_QUERYENDSESSION:
        // The launcher never holds up a logoff or shutdown; it saves when the session ends.
        SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, TRUE);
        result = TRUE;
        return true;
    case WM_ENDSESSION:
        // The process may be ended as soon as this returns: save now, as a close does.
        if (wParam && !launcher_.frmMain.closed()) {
            launcher_.frmMain.close();
            host_.reconcileAll();
        }
        result = 0;
        return true;
    case kDestroyMessage:
        DestroyWindow(hwnd());
        result = 0;
        return true;
    case WM_DESTROY:
        ImageList_Destroy(images_);
        images_ = nullptr;
        PostQuitMessage(0);
        result = 0;
        return true;
    default: return false;
    }
}

} // namespace quarl::win32ui
