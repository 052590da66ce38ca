#pragma once

// The address book window's IDs: its dialog, grid, toolbar and toolbar buttons.

#define IDD_ADDRESSBOOK 230

#define IDC_GRD_ADDRESSBOOK 1300
#define IDC_ABTOOLBAR 1301

#define IDT_AB_USE 41101
#define IDT_AB_NEW 41102
#define IDT_AB_DELETE 41103
#define IDT_AB_PROPERTIES 41104
#define IDT_AB_HELP 41105
