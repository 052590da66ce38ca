#pragma once

// Resources of the program as a whole. Each window's IDs are in its own header beside its view;
// the prefix names the kind: IDD dialog, IDC control, IDM menu item, IDT toolbar button, IDR
// other resource, IDI icon.

#define IDI_LAUNCHER 1
