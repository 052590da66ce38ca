#pragma once

#include "ui/Controls.h"

#include <cstddef>
#include <string>

namespace quarl::bench {

// An address book of the given number of rows, varied as players' books are: every third row
// with a mod, every fifth with a password, both games.
inline void FillSampleBook(ui::Grid& grid, std::size_t rows) {
    grid.setRowCount(rows);
    for (std::size_t row = 0; row < rows; ++row) {
        const auto n = std::to_string(row);
        grid.setCell(0, row, "Server number " + n);
        grid.setCell(1, row,
                     "127.0." + std::to_string(row / 250 % 250) + "." +
                         std::to_string(row % 250 + 1));
        grid.setCell(2, row, "2346");
        grid.setCell(3, row, row % 3 ? "" : "Tactical Realism");
        grid.setCell(4, row, row % 5 ? "" : "secret" + n);
        grid.setCell(5, row, row % 2 ? "RS" : "UO");
    }
}

} // namespace quarl::bench
