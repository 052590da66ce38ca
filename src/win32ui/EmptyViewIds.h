#pragma once

// A bare window: its dialog only.

#define IDD_EMPTY 201
