#pragma once

// The Local IP Addresses window's IDs.

#define IDD_LOCALADDRESSES 245

#define IDC_GRP_LOCALADDRESSES 1501
#define IDC_PNL_IP1 1502
#define IDC_PNL_IP2 1503
#define IDC_PNL_IP3 1504
#define IDC_PNL_IP4 1505
#define IDC_PNL_IP5 1506
#define IDC_BTN_LOCALADDRESSESOK 1507
