#include "wizard/WizardForm.h"

#include "base/Text.h"

#include <algorithm>

namespace quarl::wizard {

WizardForm::WizardForm(WizardSource source)
    : Form("frmWiz", "Quarl Launcher Wizard"), source_(source) {
    pgOpening.caption = "Opening Page";
    pgGame.caption = "Game";
    pgGameType.caption = "Game Type";
    pgHostIP.caption = "Host IP";
    pgModInfo.caption = "Mod Info";
    pgConfirm.caption = "Confirm";
    pages.pages = {&pgOpening, &pgGame, &pgGameType, &pgHostIP, &pgModInfo, &pgConfirm};
    pgOpening.controls = {&lblWelcome, &lblWelcomeText, &lblWelcomeDirections};
    pgGame.controls = {&lblGame, &lblGameText, &rbRS, &rbUO, &lblGameNote};
    pgGameType.controls = {&lblGameType,   &rbSingle,        &rbJoin,
                           &rbHost,        &lblGameTypeText, &lblDescriptionCaption,
                           &lblDescription};
    pgHostIP.controls = {&lblHostIP, &lblHostIPText, &lblHostIPFormat, &lblAddress, &txtIPAddress};
    pgModInfo.controls = {&lblModInfo, &lblModText, &lblModList, &lblModSelection, &cbMod};
    pgConfirm.controls = {&lblReady, &lblSettings, &mSettings};

    for (auto* heading : {&lblWelcome, &lblGame, &lblGameType, &lblHostIP, &lblModInfo, &lblReady})
        heading->bold = true;
    lblWelcome.caption = "Welcome to the Quarl Launcher Game Wizard!";
    lblWelcomeText.caption = "This Wizard will walk you through the steps of hosting or joining "
                             "a game with the Quarl Launcher.";
    lblWelcomeDirections.caption = "Simply follow the on screen directions to help you get the "
                                   "Quarl Launcher setup with the correct information for your "
                                   "game.";

    lblGame.caption = "Game";
    lblGameText.caption = "Please select the game that you would like to play below.";
    rbRS.caption = "&Rogue Spear";
    rbUO.caption = "&Urban Operations";
    rbRS.select();
    lblGameNote.caption =
        "NOTE: Games are only enabled if they are found to be installed on your system.";

    lblGameType.caption = "Game Type";
    lblGameTypeText.caption = "What type of game do you want to play?";
    rbSingle.caption = "Single Player";
    rbJoin.caption = "Join Multiplayer Game";
    rbHost.caption = "Host Multiplayer Game";
    lblDescriptionCaption.caption = "Description:";
    rbSingle.onClick = [this] {
        lblDescription.caption =
            "Opens Rogue Spear and starts you out at the normal in game main menu.";
    };
    rbJoin.onClick = [this] {
        lblDescription.caption = "Opens Rogue Spear to the Multiplayer screen after joining the "
                                 "designated server.";
    };
    rbHost.onClick = [this] {
        lblDescription.caption = "Opens Rogue Spear to the Multiplayer screen and creates a new "
                                 "game that others can join.";
    };
    rbSingle.select();

    lblHostIP.caption = "Host IP Address";
    lblHostIPText.caption = "The Launcher needs to know the IP Address of the server that you "
                            "wish to connect to.";
    lblHostIPFormat.caption = "This Address is a group of numbers which tells the game how to "
                              "find the server.  It is in the format of xxx.xxx.xxx.xxx and "
                              "should have been provided to you by the host of the game.";
    lblAddress.caption = "Host IP Address";

    lblModInfo.caption = "Mod Information";
    lblModText.caption = "The Launcher allows you to run the game with a MOD or modification.  "
                         "Mods allow many aspects of the game to be changed, such as weapons, "
                         "missions, graphics, etc.";
    lblModList.caption = "Below is a list of Mods that we have found in your Rogue Spear mods "
                         "folder.  To use one, simply select it from the list.  If you do not "
                         "wish to use a mod, select \"None\" in the list below.";
    lblModSelection.caption = "Mod Selection";
    cbMod.editable = false;

    lblReady.caption = "Ready to go...";
    lblSettings.caption = "Settings";
    mSettings.readOnly = true;

    btnCancel.caption = "&Cancel";
    btnBack.caption = "&Back";
    btnBack.visible = false;
    btnNext.caption = "&Next";
    btnNext.onClick = [this] { btnNextClick(); };
    btnBack.onClick = [this] { btnBackClick(); };
    btnCancel.onClick = [this] { btnCancelClick(); };
}

void WizardForm::FormShow() {
    goTo(0);
    btnBack.visible = false;
    btnNext.caption = "&Next";
    // The list sorts as the native sorted list does, without regard to case; the text stays.
    txtIPAddress.items = source_.txtIPAddress.items;
    std::stable_sort(txtIPAddress.items.begin(), txtIPAddress.items.end(),
                     [](const std::string& a, const std::string& b) {
                         return base::UpperAscii(a) < base::UpperAscii(b);
                     });
    rbRS.enabled = source_.rbRS.enabled;
    rbUO.enabled = source_.rbUO.enabled;
    cbMod.items = source_.ListBox1.items();
    cbMod.text.clear();
}

void WizardForm::btnNextClick() {
    switch (page()) {
    case 0:
        btnBack.visible = true;
        goTo(1);
        break;
    case 1: goTo(2); break;
    case 2: goTo(rbJoin.selected() ? 3 : 4); break;
    case 3: goTo(4); break;
    case 4:
        goTo(5);
        btnNext.caption = "&Finish";
        BuildSummary();
        break;
    default:
        if (onFinish)
            onFinish();
    }
}

void WizardForm::btnBackClick() {
    switch (page()) {
    case 0: break;
    case 1:
        btnBack.visible = false;
        goTo(0);
        break;
    case 2: goTo(1); break;
    case 3: goTo(2); break;
    case 4: goTo(rbJoin.selected() ? 3 : 2); break;
    default: goTo(4); btnNext.caption = "&Next";
    }
}

void WizardForm::btnCancelClick() {
    close();
}

void WizardForm::BuildSummary() {
    // The port is always the default one, whatever the main window's says.
    std::string text = "Game Type\r\n";
    if (rbJoin.selected())
        text += "   Multiplayer Client\r\n     - Host Address: " + txtIPAddress.text +
                "\r\n     - Join Port: 2346\r\n";
    else if (rbHost.selected())
        text += "   Multiplayer Host\r\n     - Host Port: 2346\r\n";
    else
        text += "   Single Player\r\n";
    text += "\r\nMod Settings\r\n";
    if (cbMod.text.empty())
        text += "   Using Mod: No\r\n";
    else
        text += "   Using Mod: Yes\r\n     - Mod Name: " + cbMod.text;
    mSettings.text = std::move(text);
}

} // namespace quarl::wizard
