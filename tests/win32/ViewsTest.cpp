// The native views over a launcher on the fake platform: templates and bindings agree, and the
// views keep working through failures, a change of screen scale and the end of the session.
#include "app/Launcher.h"
#include "settings/SettingsForm.h"
#include "config/LauncherKey.h"
#include "companions/ToolForm.h"
#include "platform/fake/FakePlatform.h"
#include "win32ui/EmptyViewIds.h"
#include "win32ui/FormView.h"
#include "win32ui/MainView.h"
#include "win32ui/MainViewIds.h"
#include "win32ui/SettingsViewIds.h"
#include "win32ui/ToolViewIds.h"
#include "win32ui/WizardViewIds.h"
#include "win32ui/bindings/ProgressBarBinding.h"
#include "win32ui/ViewHost.h"
#include "win32ui/Windows.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace quarl::tests {
namespace {

// The launcher's model on the fake platform with its real views, the main window created.
class Views : public ::testing::Test {
protected:
    Views() {
        for (auto& window : win32ui::SecondaryWindows(launcher))
            host.addWindow(window.form, std::move(window.makeView), window.owner);
        main.create(nullptr);
        launcher.frmMain.show();
        host.reconcileAll();
    }
    ~Views() override {
        if (IsWindow(main.hwnd()))
            DestroyWindow(main.hwnd());
    }
    HWND item(int id) const { return GetDlgItem(main.hwnd(), id); }
    static SIZE Size(HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    static LONG FontHeight(HWND window) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return font.lfHeight;
    }

    platform::fake::FakePlatform fake;
    platform::Platform services = fake.platform();
    app::Launcher launcher{services};
    win32ui::ViewHost host{launcher.application};
    win32ui::MainView main{host, launcher};
};

TEST_F(Views, EveryControlAViewBindsIsInItsWindowsTemplate) {
    host.createAll();
    ASSERT_EQ(host.views().size(), 12u) << "the main window and the eleven others";
    for (const auto* view : host.views()) {
        SCOPED_TRACE(view->form().name);
        EXPECT_NE(view->hwnd(), nullptr);
        EXPECT_TRUE(view->missingControls().empty());
    }
}

TEST_F(Views, AWindowsViewIsMadeWhenItIsFirstShown) {
    EXPECT_EQ(host.views().size(), 1u);
    launcher.frmPingStats.show();
    host.reconcileAll();
    ASSERT_EQ(host.views().size(), 2u);
    EXPECT_TRUE(IsWindowVisible(host.views().back()->hwnd()));
    EXPECT_EQ(GetWindow(host.views().back()->hwnd(), GW_OWNER), main.hwnd());
}

// A failure while the views are brought up to date must not leave every later update skipped.
TEST_F(Views, AReconcileThatFailsLeavesTheNextOnesWorking) {
    struct FailingOnce final : win32ui::FormView {
        FailingOnce(win32ui::ViewHost& host, ui::Form& form) : FormView(host, form, IDD_EMPTY) {
            host.add(*this);
        }
        void onReconciled() override {
            if (std::exchange(fail, false))
                throw std::runtime_error("reconcile failed");
        }
        bool fail = false;
    };
    ui::Form form{"frmTest", "First"};
    FailingOnce view(host, form);
    view.create(nullptr);
    view.fail = true;
    form.caption = "Second";
    EXPECT_THROW(host.reconcileAll(), std::runtime_error);
    form.caption = "Third";
    host.reconcileAll();
    wchar_t caption[32] = {};
    GetWindowTextW(view.hwnd(), caption, 32);
    EXPECT_STREQ(caption, L"Third");
    DestroyWindow(view.hwnd());
}

// Moved to a screen of twice the scale, the window, its controls' font, the toolbar pictures and
// the ping image grow with it.
TEST_F(Views, AChangeOfScreenScaleRescalesTheWindow) {
    const int dpi = main.dpi();
    const auto window = Size(main.hwnd());
    const auto button = Size(item(IDC_CHK_USENETWORK));
    const auto font = FontHeight(item(IDC_RB_RS));
    RECT suggested;
    GetWindowRect(main.hwnd(), &suggested);
    suggested.right = suggested.left + 2 * window.cx;
    suggested.bottom = suggested.top + 2 * window.cy;
    SendMessageW(main.hwnd(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(main.dpi(), 2 * dpi);
    EXPECT_EQ(Size(main.hwnd()).cx, 2 * window.cx);
    EXPECT_NEAR(Size(item(IDC_CHK_USENETWORK)).cx, 2 * button.cx, 1);
    EXPECT_NEAR(Size(item(IDC_CHK_USENETWORK)).cy, 2 * button.cy, 1);
    EXPECT_EQ(FontHeight(item(IDC_RB_RS)), 2 * font);
    int width = 0;
    int height = 0;
    const auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageW(item(IDC_TOOLBAR), TB_GETIMAGELIST, 0, 0));
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, MulDiv(16, 2 * dpi, 96));
    EXPECT_EQ(Size(item(IDC_IMG_PING)).cx, MulDiv(19, 2 * dpi, 96));
}

// A logoff or shutdown saves the window's state as a close does.
TEST_F(Views, TheEndOfTheSessionSavesTheState) {
    EXPECT_EQ(SendMessageW(main.hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_FALSE(fake.registry.readValue(platform::RootKey::CurrentUser, config::kLauncherKey,
                                         "UseNetwork"));
    SendMessageW(main.hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(launcher.frmMain.closed());
    EXPECT_TRUE(fake.registry.readValue(platform::RootKey::CurrentUser, config::kLauncherKey,
                                        "UseNetwork"));
}

// The settings window over the main one, its view made by the showing.
class SettingsViews : public Views {
protected:
    SettingsViews() {
        launcher.frmSettings.showModal(launcher.frmMain, true);
        host.reconcileAll();
        for (const auto* view : host.views())
            if (&view->form() == &launcher.frmSettings)
                window = view->hwnd();
    }
    HWND page(int id) const { return GetDlgItem(window, id); }
    HWND control(int pageId, int id) const { return GetDlgItem(page(pageId), id); }
    void choosePage(int index) {
        const HWND tab = page(IDC_TAB_SETTINGS);
        SendMessageW(tab, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
        NMHDR header{tab, IDC_TAB_SETTINGS, TCN_SELCHANGE};
        SendMessageW(window, WM_NOTIFY, IDC_TAB_SETTINGS, reinterpret_cast<LPARAM>(&header));
    }
    std::wstring tabCaption(int index) const {
        wchar_t text[32] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 32;
        SendMessageW(page(IDC_TAB_SETTINGS), TCM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }

    settings::SettingsForm& form = launcher.frmSettings;
    HWND window = nullptr;
};

TEST_F(SettingsViews, TheEightPagesShowOneAtATimeBehindTheirTabs) {
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsWindowVisible(main.hwnd()));
    const wchar_t* captions[] = {L"Launcher", L"Mouse",   L"General",   L"Sound",
                                 L"Graphics", L"MP Game", L"MP Server", L"Urban Ops"};
    ASSERT_EQ(SendMessageW(page(IDC_TAB_SETTINGS), TCM_GETITEMCOUNT, 0, 0), 8);
    for (int index = 0; index < 8; ++index)
        EXPECT_EQ(tabCaption(index), captions[index]);
    EXPECT_TRUE(IsWindowVisible(page(IDC_PAGE_LAUNCHER)));
    EXPECT_FALSE(IsWindowVisible(page(IDC_PAGE_SOUND)));

    choosePage(3);
    EXPECT_EQ(form.PageControl1.activePageIndex(), 3);
    EXPECT_TRUE(IsWindowVisible(page(IDC_PAGE_SOUND)));
    EXPECT_FALSE(IsWindowVisible(page(IDC_PAGE_LAUNCHER)));

    // Without Urban Ops the page and its fields are disabled, the fields painted silver.
    ASSERT_FALSE(launcher.session.urbanOps || launcher.session.covertOps);
    EXPECT_FALSE(IsWindowEnabled(page(IDC_PAGE_URBANOPS)));
    const HWND field = control(IDC_PAGE_URBANOPS, IDC_EDT_UOSERVERNAME);
    HDC dc = GetDC(field);
    EXPECT_NE(SendMessageW(page(IDC_PAGE_URBANOPS), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(field)),
              0);
    EXPECT_EQ(GetBkColor(dc), RGB(0xC0, 0xC0, 0xC0));
    ReleaseDC(field, dc);

    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(main.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(main.hwnd()));
}

TEST_F(SettingsViews, ClicksSlidesTypingAndRadioItemsReachTheModelAndEnableApply) {
    const HWND apply = page(IDC_BTN_APPLY);
    EXPECT_FALSE(IsWindowEnabled(apply));
    // A pick-only list shows its item by selecting it.
    EXPECT_EQ(SendMessageW(control(IDC_PAGE_MOUSE, IDC_CB_BUTTON2), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(win32ui::WindowText(control(IDC_PAGE_MOUSE, IDC_CB_BUTTON2)),
              "Right Click (Default)");
    SendMessageW(control(IDC_PAGE_GENERAL, IDC_CHK_GORE), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.chkGore.checked());
    EXPECT_TRUE(IsWindowEnabled(apply));

    const HWND bar = control(IDC_PAGE_SOUND, IDC_TRK_AMBIENTSOUND);
    EXPECT_EQ(SendMessageW(bar, TBM_GETRANGEMAX, 0, 0), 20);
    SendMessageW(bar, TBM_SETPOS, TRUE, 15);
    SendMessageW(page(IDC_PAGE_SOUND), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(form.AmbientSoundVolume.position(), 15);

    SendMessageW(control(IDC_PAGE_MPGAME, IDC_RG_GENDER + 2), BM_CLICK, 0, 0);
    EXPECT_EQ(form.rgGender.itemIndex(), 1);
    EXPECT_EQ(SendMessageW(control(IDC_PAGE_MPGAME, IDC_RG_GENDER + 2), BM_GETCHECK, 0, 0),
              BST_CHECKED);

    SendMessageW(control(IDC_PAGE_MPGAME, IDC_EDT_PLAYERNAME), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"Ding"));
    EXPECT_EQ(form.txtPlayerName.text, "Ding");

    form.btnSave.enabled = false;
    host.reconcileAll();
    SendMessageW(control(IDC_PAGE_MOUSE, IDC_CB_BUTTON4), CB_SETCURSEL, 44, 0);
    SendMessageW(page(IDC_PAGE_MOUSE), WM_COMMAND, MAKEWPARAM(IDC_CB_BUTTON4, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control(IDC_PAGE_MOUSE, IDC_CB_BUTTON4)));
    EXPECT_EQ(form.Button4.itemIndex(), 44);
    EXPECT_TRUE(IsWindowEnabled(apply));
}

TEST_F(SettingsViews, HelpReachesTheServiceFromF1AndWhatsThis) {
    const HWND gore = control(IDC_PAGE_GENERAL, IDC_CHK_GORE);
    SetFocus(gore);
    PostMessageW(gore, WM_KEYDOWN, VK_F1, 0);
    host.processPendingMessages();
    using Call = platform::fake::FakeHelp::Call;
    using Kind = platform::fake::FakeHelp::Kind;
    ASSERT_FALSE(fake.help.calls().empty());
    EXPECT_EQ(fake.help.calls().back(), (Call{Kind::Topic, launcher.application.helpFile, 3042}));

    // The menu takes the keys waiting for it: its first item, "What's This?".
    const HWND label = control(IDC_PAGE_MPGAME, IDC_LBL_PLAYERNAME);
    RECT rect;
    GetWindowRect(label, &rect);
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(label, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label),
                 MAKELPARAM(rect.left + 2, rect.top + 2));
    EXPECT_EQ(fake.help.calls().back(), (Call{Kind::Popup, launcher.application.helpFile, 3080}));
}

// A window opened from the main one, its view made by the showing; its controls by their IDs,
// on the window or one of its pages.
class PagedViews : public Views {
protected:
    HWND open(ui::Form& form) {
        form.show();
        host.reconcileAll();
        for (const auto* view : host.views())
            if (&view->form() == &form)
                window = view->hwnd();
        return window;
    }
    HWND item(int id) const {
        if (HWND found = GetDlgItem(window, id))
            return found;
        for (HWND page = GetWindow(window, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
            if (HWND found = GetDlgItem(page, id))
                return found;
        return nullptr;
    }
    void click(int id) { SendMessageW(item(id), BM_CLICK, 0, 0); }
    // Which of the pages from first to first + count - 1 show.
    std::vector<int> shownPages(int first, int count) const {
        std::vector<int> shown;
        for (int page = 0; page < count; ++page)
            if (IsWindowVisible(GetDlgItem(window, first + page)))
                shown.push_back(page);
        return shown;
    }
    SIZE clientSize() const {
        RECT rect;
        GetClientRect(window, &rect);
        return {rect.right, rect.bottom};
    }
    // The background a label asks its page for.
    COLORREF background(int id) {
        const HWND label = item(id);
        HDC dc = GetDC(label);
        SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label));
        const COLORREF color = GetBkColor(dc);
        ReleaseDC(label, dc);
        return color;
    }
    LONG weight(int id) const {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(item(id), WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return font.lfWeight;
    }

    HWND window = nullptr;
};

TEST_F(PagedViews, TheLaunchToolsPagesCellsBoxesAndProgress) {
    // Patched before, The Zone gone since: the disabled box still shows its tick.
    fake.registry.setString(platform::RootKey::CurrentUser, config::kLauncherKey, "Patched",
                            "True");
    ASSERT_NE(open(launcher.frmTool), nullptr);
    const int dpi = win32ui::WindowDpi(window);
    EXPECT_EQ(clientSize().cx, MulDiv(330, dpi, 96));
    EXPECT_EQ(clientSize().cy, MulDiv(235, dpi, 96));
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_SYSMENU | WS_THICKFRAME), 0);
    EXPECT_EQ(shownPages(IDC_PAGE_TOOL_INTRODUCTION, 3), std::vector<int>{0});
    EXPECT_NE(GetWindowLongW(item(IDC_MEMO_INTRODUCTION), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(win32ui::WindowText(item(IDC_MEMO_INTRODUCTION)),
              launcher.frmTool.mIntroduction.text);

    click(IDC_BTN_TOOL_NEXT);
    EXPECT_EQ(shownPages(IDC_PAGE_TOOL_INTRODUCTION, 3), std::vector<int>{1});
    EXPECT_EQ(win32ui::WindowText(item(IDC_BTN_TOOL_NEXT)), "&Finish");
    EXPECT_EQ(win32ui::WindowText(item(IDC_LBL_FOUNDGZ)), "No / No");
    EXPECT_FALSE(IsWindowEnabled(item(IDC_CHK_PATCHGZ)));
    EXPECT_EQ(SendMessageW(item(IDC_CHK_PATCHGZ), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(background(IDC_LBL_PATCHED), RGB(128, 128, 255));
    EXPECT_NE(background(IDC_LBL_FOUNDGZ), RGB(128, 128, 255));

    // The menu takes the keys waiting for it: its one item, "Override Detection".
    EXPECT_FALSE(IsWindowEnabled(item(IDC_CHK_PATCHGS)));
    const HWND name = item(IDC_LBL_SERVICEGS);
    RECT rect;
    GetWindowRect(name, &rect);
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageW(name, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(name),
                 MAKELPARAM(rect.left + 2, rect.top + 2));
    EXPECT_TRUE(IsWindowEnabled(item(IDC_CHK_PATCHGS)));

    click(IDC_BTN_TOOL_BACK);
    EXPECT_EQ(shownPages(IDC_PAGE_TOOL_INTRODUCTION, 3), std::vector<int>{0});

    // Byte counts past 32 bits scale to the bar's range; a max of 0 is an empty bar.
    auto& bar = launcher.frmTool.pbCopy;
    bar.max = 6ull << 40;
    bar.position = 3ull << 40;
    host.reconcileAll();
    EXPECT_EQ(SendMessageW(item(IDC_PB_COPY), PBM_GETPOS, 0, 0), win32ui::kProgressBarRange / 2);
    bar.max = 0;
    host.reconcileAll();
    EXPECT_EQ(SendMessageW(item(IDC_PB_COPY), PBM_GETPOS, 0, 0), 0);
    EXPECT_NEAR(win32ui::ProgressBarStep(~0ull / 2, ~0ull), win32ui::kProgressBarRange / 2, 1);
    EXPECT_EQ(win32ui::ProgressBarStep(~0ull, ~0ull), win32ui::kProgressBarRange);
    EXPECT_EQ(win32ui::ProgressBarStep(7, 0), 0);

    // A long step that lets messages through shows what it changed before they paint.
    launcher.frmTool.lblStatus.caption = "Patching for GameSpy. . .";
    host.processPendingMessages();
    EXPECT_EQ(win32ui::WindowText(item(IDC_LBL_STATUS)), "Patching for GameSpy. . .");
}

TEST_F(PagedViews, TheWizardsPagesBoldHeadingsTabOrderAndSummary) {
    ASSERT_NE(open(launcher.frmWiz), nullptr);
    const int dpi = win32ui::WindowDpi(window);
    EXPECT_EQ(clientSize().cx, MulDiv(316, dpi, 96));
    EXPECT_EQ(clientSize().cy, MulDiv(279, dpi, 96));
    EXPECT_EQ(shownPages(IDC_PAGE_WIZ_OPENING, 6), std::vector<int>{0});
    EXPECT_FALSE(IsWindowVisible(item(IDC_BTN_WIZ_BACK)));
    EXPECT_EQ(weight(IDC_LBL_WELCOME), FW_BOLD);
    EXPECT_LT(weight(IDC_LBL_WELCOMETEXT), FW_BOLD);
    EXPECT_TRUE(IsWindowEnabled(main.hwnd())) << "modeless";

    click(IDC_BTN_WIZ_NEXT);
    EXPECT_EQ(shownPages(IDC_PAGE_WIZ_OPENING, 6), std::vector<int>{1});
    EXPECT_EQ(GetNextDlgTabItem(window, item(IDC_BTN_WIZ_NEXT), FALSE), item(IDC_BTN_WIZ_BACK));
    EXPECT_EQ(GetNextDlgTabItem(window, item(IDC_BTN_WIZ_BACK), FALSE), item(IDC_BTN_WIZ_CANCEL));

    click(IDC_BTN_WIZ_NEXT);
    click(IDC_RB_WIZJOIN);
    EXPECT_EQ(win32ui::WindowText(item(IDC_LBL_DESCRIPTION)),
              launcher.frmWiz.lblDescription.caption);
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_EQ(shownPages(IDC_PAGE_WIZ_OPENING, 6), std::vector<int>{3});
    SendMessageW(item(IDC_CB_WIZADDRESS), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10.0.0.7"));
    click(IDC_BTN_WIZ_NEXT);
    click(IDC_BTN_WIZ_NEXT);
    EXPECT_EQ(shownPages(IDC_PAGE_WIZ_OPENING, 6), std::vector<int>{5});
    EXPECT_EQ(win32ui::WindowText(item(IDC_BTN_WIZ_NEXT)), "&Finish");
    const HWND memo = item(IDC_MEMO_WIZSETTINGS);
    EXPECT_NE(GetWindowLongW(memo, GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(win32ui::WindowText(memo), launcher.frmWiz.mSettings.text);
    EXPECT_NE(launcher.frmWiz.mSettings.text.find("Host Address: 10.0.0.7\r\n"), std::string::npos);
    EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 8);

    // At twice the scale the pages' controls grow with the window and the headings stay bold.
    const LONG width = Size(item(IDC_LBL_WELCOME)).cx;
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right += suggested.right - suggested.left;
    suggested.bottom += suggested.bottom - suggested.top;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_NEAR(Size(item(IDC_LBL_WELCOME)).cx, 2 * width, 1);
    EXPECT_EQ(weight(IDC_LBL_WELCOME), FW_BOLD);
    EXPECT_EQ(FontHeight(item(IDC_LBL_WELCOME)), FontHeight(item(IDC_LBL_WELCOMETEXT)));
}

// A window that announces a longer text than it then copies.
LRESULT CALLBACK OverAnnouncing(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXTLENGTH)
        return 10;
    if (message == WM_GETTEXT && wParam >= 4) {
        wcscpy(reinterpret_cast<wchar_t*>(lParam), L"abc");
        return 3;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// GetWindowTextLengthW may announce more than GetWindowTextW then copies: the text is what was
// copied, without trailing zeros.
TEST(WindowText, IsWhatWasCopiedNotWhatWasAnnounced) {
    WNDCLASSW windowClass{};
    windowClass.lpszClassName = L"QuarlOverAnnouncing";
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpfnWndProc = OverAnnouncing;
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr,
                                      nullptr, windowClass.hInstance, nullptr);
    EXPECT_EQ(win32ui::WindowText(window), "abc");
    DestroyWindow(window);
}

} // namespace
} // namespace quarl::tests
