// The native views over a launcher on the fake platform: templates and bindings agree, and the
// views keep working through failures, a change of screen scale and the end of the session.
#include "app/Launcher.h"
#include "settings/SettingsForm.h"
#include "config/LauncherKey.h"
#include "companions/ToolForm.h"
#include "platform/fake/FakePlatform.h"
#include "win32ui/AddressBookViewIds.h"
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
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                           ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
        InitCommonControlsEx(&controls);
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
    win32ui::FormView* viewOf(const ui::Form& form) const {
        for (auto* view : host.views())
            if (&view->form() == &form)
                return view;
        return nullptr;
    }
    // The list view's notification as the dialog receives it.
    template <class Notification>
    static void Notify(HWND list, UINT code, Notification notification) {
        notification.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), code};
        SendMessageW(GetParent(list), WM_NOTIFY, notification.hdr.idFrom,
                     reinterpret_cast<LPARAM>(&notification));
    }
    static std::wstring CellText(HWND list, int row, int column) {
        wchar_t text[64] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    static RECT RowRect(HWND list, int row) {
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    std::string stored(std::string_view key, std::string_view name) {
        const auto value = fake.registry.readValue(platform::RootKey::CurrentUser, key, name);
        return value ? value->text : "<missing>";
    }
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

// The grid shows the model's columns, rows and selection; the player's selecting, resizing,
// dragging and double-clicking reach the model.
TEST_F(Views, TheAddressBookGridMirrorsTheModelAndPassesThePlayersActionsOn) {
    auto& book = launcher.frmAddressBook;
    auto& grid = book.ABGrid;
    book.show();
    grid.setRowCount(3);
    for (std::size_t row = 0; row < 3; ++row)
        grid.setCell(0, row, "Server " + std::to_string(row));
    grid.setCell(1, 1, "127.0.0.2");
    grid.selectRow(2);
    host.reconcileAll();
    const auto* view = viewOf(book);
    ASSERT_NE(view, nullptr);
    const HWND list = GetDlgItem(view->hwnd(), IDC_GRD_ADDRESSBOOK);
    const int dpi = view->dpi();

    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 6);
    wchar_t caption[32] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = caption;
    column.cchTextMax = 32;
    SendMessageW(list, LVM_GETCOLUMNW, 5, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(caption, L"Game");
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), MulDiv(132, dpi, 96));
    const auto extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(extended & LVS_EX_GRIDLINES);
    const RECT first = RowRect(list, 0);
    EXPECT_EQ(first.bottom - first.top, MulDiv(15, dpi, 96));
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(CellText(list, 1, 1), L"127.0.0.2");
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);

    LVITEMW selected{};
    selected.stateMask = selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&selected));
    EXPECT_EQ(grid.selectedRow(), 1u);

    // The player drags the divider after "Mod" to the right.
    RECT mod{};
    SendMessageW(header, HDM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&mod));
    const int y = (mod.top + mod.bottom) / 2;
    const int grow = MulDiv(38, dpi, 96);
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(mod.right - 1, y));
    SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(mod.right - 1 + grow, y));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(mod.right - 1 + grow, y));
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 3, 0), MulDiv(82, dpi, 96) + grow);
    EXPECT_EQ(grid.columns[3].width, 120);

    // Row 0 dragged onto row 2: it is taken out and put back in there.
    NMLISTVIEW drag{};
    drag.iItem = 0;
    Notify(list, LVN_BEGINDRAG, drag);
    const RECT target = RowRect(list, 2);
    POINT drop{target.left + 20, (target.top + target.bottom) / 2};
    MapWindowPoints(list, view->hwnd(), &drop, 1);
    SendMessageW(view->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
    EXPECT_EQ(grid.cell(0, 0), "Server 1");
    EXPECT_EQ(grid.cell(0, 2), "Server 0");
    EXPECT_EQ(CellText(list, 2, 0), L"Server 0");

    std::vector<std::string> used;
    book.onUseEntry = [&](const ui::Grid::Row& entry) { used = entry; };
    NMITEMACTIVATE click{};
    click.iItem = 0;
    Notify(list, NM_DBLCLK, click);
    EXPECT_EQ(used, grid.row(0));
}

// The address book's stored position is applied when its window is made, its stored state only
// when it is first shown; the position is saved when the window goes.
TEST_F(Views, TheAddressBookKeepsItsPlaceAndStateThroughTheWindowPlacement) {
    const auto key = config::kAddressBookPosKey;
    for (const auto& [name, text] :
         {std::pair{"Left", "0x64"}, std::pair{"Top", "120"}, std::pair{"Width", "468"},
          std::pair{"Height", "309"}, std::pair{"State", "3"}, std::pair{"RestoreToMax", "0"}})
        fake.registry.setString(platform::RootKey::CurrentUser, key, name, text);
    host.createAll();
    const HWND book = viewOf(launcher.frmAddressBook)->hwnd();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(book, &placement);
    EXPECT_EQ(placement.rcNormalPosition.left, 100);
    EXPECT_EQ(placement.rcNormalPosition.top, 120);
    EXPECT_FALSE(IsWindowVisible(book)) << "a stored state never shows a hidden window";

    launcher.frmAddressBook.show();
    host.reconcileAll();
    EXPECT_TRUE(IsWindowVisible(book));
    EXPECT_TRUE(IsZoomed(book));

    GetWindowPlacement(book, &placement);
    OffsetRect(&placement.rcNormalPosition, 50, 40);
    placement.showCmd = SW_SHOWNORMAL;
    SetWindowPlacement(book, &placement);
    ShowWindow(main.hwnd(), SW_MINIMIZE);
    DestroyWindow(main.hwnd());
    EXPECT_EQ(stored(key, "Left"), "150");
    EXPECT_EQ(stored(key, "Top"), "160");
    EXPECT_EQ(stored(key, "Width"),
              std::to_string(placement.rcNormalPosition.right - placement.rcNormalPosition.left));
    EXPECT_EQ(stored(key, "State"), "2") << "the program's state: its main window was minimised";
    EXPECT_EQ(stored(key, "RestoreToMax"), "0");
    EXPECT_EQ(stored(config::kMainPosKey, "State"), "2");
}

// The editor comes to the front at every paint: that must not bring it another paint.
TEST_F(Views, TheGridsMenuOpensTheEntryEditorWhichSettlesOverTheBook) {
    launcher.frmAddressBook.show();
    host.reconcileAll();
    // Shift+F10 on the grid opens its menu, where "r" picks "P&roperties".
    const HWND book = viewOf(launcher.frmAddressBook)->hwnd();
    PostMessageW(book, WM_KEYDOWN, 'R', 0);
    PostMessageW(book, WM_CHAR, 'r', 0);
    SendMessageW(book, WM_CONTEXTMENU,
                 reinterpret_cast<WPARAM>(GetDlgItem(book, IDC_GRD_ADDRESSBOOK)), -1);
    const auto* editor = viewOf(launcher.frmABEdit);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(IsWindowVisible(editor->hwnd()));
    EXPECT_FALSE(IsWindowEnabled(viewOf(launcher.frmAddressBook)->hwnd()));
    int paints = 0;
    MSG message;
    const DWORD end = GetTickCount() + 500;
    while (GetTickCount() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            paints += message.hwnd == editor->hwnd() && message.message == WM_PAINT;
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    EXPECT_LE(paints, 3);
    EXPECT_EQ(launcher.frmABEdit.txtJoinPort.text, "2346");
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
