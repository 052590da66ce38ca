#pragma once

// A window whose contents come later: its dialog only.

#define IDD_EMPTY 201
