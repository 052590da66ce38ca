#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

namespace quarl::net {

class AddressBookForm;

// frmABEdit: the entry editor. It shows one row of the address book (its EditRow) over the
// address book window, which stays disabled until Done or Cancel; no field is validated.
class ABEditForm final : public ui::Form {
public:
    ABEditForm(AddressBookForm& book, const ui::ListBox& mainModList);

    ui::Edit txtDesc{"txtDesc"};
    ui::Edit txtIPAddress{"txtIPAddress"};
    ui::Edit txtJoinPort{"txtJoinPort"};
    ui::ComboBox ModList{"ModList"};   // pick only: the text is the chosen item
    ui::ComboBox GameType{"GameType"}; // pick only
    ui::Edit txtPassword{"txtPassword"};
    ui::Button btnDone{"btnDone"};
    ui::Button btnCancel{"btnCancel"};
    ui::Button btnHelp{"btnHelp"}; // always disabled

    // Every paint brings the window to the front; the first one fills it once more.
    void paint();
    void btnDoneClick();
    void btnCancelClick();

protected:
    void FormShow() override;
    // Closing the window otherwise than by its buttons is Cancel: the address book must not
    // stay disabled, nor keep a row added for an entry that was never made.
    bool FormCloseQuery() override;

private:
    void fill();

    AddressBookForm& book_;
    const ui::ListBox& mainModList_;
    bool painted_ = false;
};

} // namespace quarl::net
