#include "net/AddressBookForm.h"

#include "net/ABEditForm.h"
#include "net/AddressBook.h"

namespace quarl::net {

namespace {

constexpr int kHelpTopic = 200;

void SetCommand(ui::Button& command, std::string caption, std::string hint) {
    command.caption = std::move(caption);
    command.hint = std::move(hint);
}

// The main mod list's chosen item: the current one when it is selected, otherwise the first
// selected one (a multiple selection's current item need not be selected).
std::string ChosenMod(const ui::ListBox& list) {
    const int current = list.itemIndex();
    if (current >= 0 && list.isSelected(static_cast<std::size_t>(current)))
        return list.items()[static_cast<std::size_t>(current)];
    for (std::size_t i = 0; i < list.items().size(); ++i)
        if (list.isSelected(i))
            return list.items()[i];
    return {};
}

} // namespace

AddressBookForm::AddressBookForm(platform::Platform& platform, const config::Session& session,
                                 const ui::Application& application, AddressBookChoices choices,
                                 ABEditForm& editor)
    : Form("frmAddressBook", "Address Book"), ABGrid("ABGrid", {{"Description", 132},
                                                                {"Address", 88},
                                                                {"Port", 46},
                                                                {"Mod", 82},
                                                                {"Password", 68},
                                                                {"Game", 40}}),
      platform_(platform), session_(session), application_(application), choices_(choices),
      editor_(editor) {
    ABGrid.rowHeight = 15;
    ABGrid.gridLines = false;
    ABGrid.resizableColumns = true;
    ABGrid.movableRows = true;
    ABGrid.onDoubleClick = [this] { ABGridDblClick(); };

    SetCommand(atbUse, "Use Entry", "Use Entry");
    SetCommand(atbNew, "New", "New");
    SetCommand(atbDelete, "Delete", "Delete");
    SetCommand(atbProperties, "Properties", "Properties");
    SetCommand(atbHelp, "Help", "Help");
    mnuNew.caption = "&New";
    mnuDelete.caption = "&Delete";
    mnuProperties.caption = "P&roperties";
    mnuCopyJoinLink.caption = "Copy &Join Link";
    ABGridMenu.items = {&mnuNew,        nullptr, &mnuDelete,      nullptr,
                        &mnuProperties, nullptr, &mnuCopyJoinLink};
    ABGrid.popupMenu = &ABGridMenu;

    atbUse.onClick = [this] { ABGridDblClick(); };
    atbNew.onClick = mnuNew.onClick = [this] { atbNewClick(); };
    atbDelete.onClick = mnuDelete.onClick = [this] { atbDeleteClick(); };
    atbProperties.onClick = mnuProperties.onClick = [this] { atbPropertiesClick(); };
    atbHelp.onClick = [this] { atbHelpClick(); };
    mnuCopyJoinLink.onClick = [this] {
        if (onCopyJoinLink)
            onCopyJoinLink(ABGrid.row(ABGrid.selectedRow()));
    };
}

void AddressBookForm::FormShow() {
    if (!unsavedRows_)
        bookUnreadable_ = !LoadAddressBook(platform_, session_, ABGrid);
    if (NewRowPending)
        addEntryFromMainWindow();
}

void AddressBookForm::FormClose() {
    if (bookUnreadable_)
        return;
    unsavedRows_ = !SaveAddressBook(platform_, session_, ABGrid);
}

// The "+" button's entry: the server entered in the main window, in the editor.
void AddressBookForm::addEntryFromMainWindow() {
    const auto row = ABGrid.addRow();
    ABGrid.setCell(column::Description, row, "New Server");
    ABGrid.setCell(column::Address, row, choices_.txtIPAddress.text);
    ABGrid.setCell(column::Port, row, choices_.txtPort.text);
    if (choices_.chkUseMod.checked())
        ABGrid.setCell(column::Mod, row, ChosenMod(choices_.ListBox1));
    ABGrid.setCell(column::Game, row, choices_.rbRS.selected() ? "RS" : "UO");
    EditRow = row;
    editor_.showModal(*this);
}

void AddressBookForm::ABGridDblClick() {
    // A copy: using the entry may close this window.
    const auto entry = ABGrid.row(ABGrid.selectedRow());
    if (onUseEntry)
        onUseEntry(entry);
}

void AddressBookForm::atbNewClick() {
    EditRow = ABGrid.addRow();
    NewRowPending = true;
    editor_.showModal(*this);
}

void AddressBookForm::atbDeleteClick() {
    const auto answer = platform_.dialogs.showMessage(
        {"Are you sure you want to remove this entry?", "Warning!", platform::MessageButtons::YesNo,
         platform::MessageIcon::Exclamation, 2});
    if (answer == platform::MessageResult::Yes)
        ABGrid.deleteRow(ABGrid.selectedRow());
}

void AddressBookForm::atbPropertiesClick() {
    EditRow = ABGrid.selectedRow();
    editor_.showModal(*this);
}

void AddressBookForm::atbHelpClick() {
    platform_.help.showTopic(application_.helpFile, kHelpTopic);
}

void AddressBookForm::closeWithProgram() {
    if (editor_.visible())
        editor_.btnCancelClick();
    if (visible())
        close();
}

} // namespace quarl::net
