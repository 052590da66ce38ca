#pragma once

#include "config/Session.h"
#include "platform/Platform.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <cstddef>
#include <functional>

namespace quarl::net {

class ABEditForm;

// The main window's choices that a new entry from its "+" button starts from, and its mod list,
// which the entry editor offers.
struct AddressBookChoices {
    const ui::RadioButton& rbRS;
    const ui::ComboBox& txtIPAddress;
    const ui::Edit& txtPort;
    const ui::CheckBox& chkUseMod;
    const ui::ListBox& ListBox1;
};

// frmAddressBook: the saved servers, read from "addressbook.txt" each time the window is shown
// and written back each time it closes. Shown without being modal; its rows are edited one at a
// time in the entry editor, which disables it meanwhile.
class AddressBookForm final : public ui::Form {
public:
    AddressBookForm(platform::Platform& platform, const config::Session& session,
                    const ui::Application& application, AddressBookChoices choices,
                    ABEditForm& editor);

    ui::Grid ABGrid;
    // Toolbar, left to right (separators after atbUse and atbProperties).
    ui::ToolButton atbUse{"atbUse"};
    ui::ToolButton atbNew{"atbNew"};
    ui::ToolButton atbDelete{"atbDelete"};
    ui::ToolButton atbProperties{"atbProperties"};
    ui::ToolButton atbHelp{"atbHelp"};
    // The grid's pop-up menu, top to bottom (separators between the items).
    ui::MenuItem mnuNew{"mnuNew"};
    ui::MenuItem mnuDelete{"mnuDelete"};
    ui::MenuItem mnuProperties{"mnuProperties"};
    ui::MenuItem mnuCopyJoinLink{"mnuCopyJoinLink"};
    ui::PopupMenu ABGridMenu;

    // Shared with the entry editor: the row it shows and writes back, and whether that row was
    // added for a new entry that the editor has not yet closed on.
    std::size_t EditRow = 0;
    bool NewRowPending = false;

    // Using an entry fills the main window's choices from it; the launcher does that.
    std::function<void(const ui::Grid::Row& entry)> onUseEntry;
    // Copy Join Link puts the selected entry's join link on the clipboard; the launcher, which
    // knows the link format, does that.
    std::function<void(const ui::Grid::Row& entry)> onCopyJoinLink;

    void ABGridDblClick();
    void atbNewClick();
    void atbDeleteClick();
    void atbPropertiesClick();
    void atbHelpClick();

    // The program ends with the window open: an entry in the editor is given up as its Cancel
    // does, and the window closes as its close box does, which saves the book.
    void closeWithProgram();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void addEntryFromMainWindow();

    platform::Platform& platform_;
    const config::Session& session_;
    const ui::Application& application_;
    AddressBookChoices choices_;
    ABEditForm& editor_;
    // The book could not be read when the window was shown: it is not written over.
    bool bookUnreadable_ = false;
    // The last save failed: the rows shown are newer than the file, so the next showing keeps
    // them and the next close saves again.
    bool unsavedRows_ = false;
};

} // namespace quarl::net
