#pragma once

// The resume window's IDs.

#define IDD_RESUME 202

#define IDC_LBL_RESUME1 1101
#define IDC_LBL_RESUME2 1102
#define IDC_BTN_RESUME 1103
