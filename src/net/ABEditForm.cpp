#include "net/ABEditForm.h"

#include "net/AddressBook.h"
#include "net/AddressBookForm.h"

#include <algorithm>

namespace quarl::net {

namespace {

constexpr std::string_view kNoMod = "None";
constexpr std::string_view kDefaultPort = "2346";

// A record's fields cannot hold a double quote.
std::string WithoutQuotes(std::string text) {
    std::erase(text, '"');
    return text;
}

} // namespace

ABEditForm::ABEditForm(AddressBookForm& book, const ui::ListBox& mainModList)
    : Form("frmABEdit", "frmABEdit"), book_(book), mainModList_(mainModList) {
    txtDesc.maxLength = 50;
    txtIPAddress.maxLength = 30;
    txtJoinPort.maxLength = 10;
    txtPassword.maxLength = 30;
    ModList.editable = false;
    GameType.editable = false;
    GameType.items = {"RS", "UO"};
    btnDone.caption = "&Done";
    btnCancel.caption = "&Cancel";
    btnHelp.caption = "&Help";
    btnHelp.enabled = false;
    btnDone.onClick = [this] { btnDoneClick(); };
    btnCancel.onClick = [this] { btnCancelClick(); };
}

void ABEditForm::FormShow() {
    fill();
}

void ABEditForm::paint() {
    bringToFront();
    if (!painted_) {
        painted_ = true;
        fill();
    }
}

void ABEditForm::fill() {
    const auto& grid = book_.ABGrid;
    const auto row = book_.EditRow;
    txtDesc.text = grid.cell(column::Description, row);
    txtIPAddress.text = grid.cell(column::Address, row);
    txtJoinPort.text = grid.cell(column::Port, row);

    const auto& mod = grid.cell(column::Mod, row);
    ModList.items.assign(1, std::string(kNoMod));
    ModList.items.insert(ModList.items.end(), mainModList_.items().begin(),
                         mainModList_.items().end());
    // A mod the mods folder no longer lists stays the entry's mod, unless the player picks
    // another.
    const bool listed =
        std::find(ModList.items.begin(), ModList.items.end(), mod) != ModList.items.end();
    if (!mod.empty() && !listed)
        ModList.items.push_back(mod);
    ModList.text = mod.empty() ? std::string(kNoMod) : mod;

    txtPassword.text = grid.cell(column::Password, row);
    GameType.text = grid.cell(column::Game, row) == "UO" ? "UO" : "RS";
    if (txtJoinPort.text.empty() || txtJoinPort.text == " ")
        txtJoinPort.text = kDefaultPort;
}

void ABEditForm::btnDoneClick() {
    auto& grid = book_.ABGrid;
    const auto row = book_.EditRow;
    grid.setCell(column::Description, row, WithoutQuotes(txtDesc.text));
    grid.setCell(column::Address, row, WithoutQuotes(txtIPAddress.text));
    grid.setCell(column::Port, row, WithoutQuotes(txtJoinPort.text));
    grid.setCell(column::Mod, row, ModList.text == kNoMod ? std::string() : ModList.text);
    grid.setCell(column::Password, row, WithoutQuotes(txtPassword.text));
    grid.setCell(column::Game, row, GameType.text == "RS" ? "RS" : "UO");
    book_.NewRowPending = false;
    btnCancelClick();
}

void ABEditForm::btnCancelClick() {
    if (book_.NewRowPending) {
        book_.NewRowPending = false;
        book_.ABGrid.deleteRow(book_.EditRow);
    }
    close();
    book_.bringToFront();
}

bool ABEditForm::FormCloseQuery() {
    btnCancelClick();
    return false;
}

} // namespace quarl::net
