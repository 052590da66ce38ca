#pragma once

#include "config/Session.h"
#include "platform/Platform.h"
#include "ui/Controls.h"

#include <string>
#include <string_view>

// "addressbook.txt": the address book's servers, one record line of six quoted fields per grid
// row, under a header of five comment lines; lines end in CR LF.
namespace quarl::net {

// The columns of a record and of the address book grid.
namespace column {
inline constexpr std::size_t Description = 0;
inline constexpr std::size_t Address = 1;
inline constexpr std::size_t Port = 2;
inline constexpr std::size_t Mod = 3;
inline constexpr std::size_t Password = 4;
inline constexpr std::size_t Game = 5;
} // namespace column
inline constexpr std::size_t kAddressBookColumns = 6;

// The whole file for the grid's rows, in their order.
std::string AddressBookText(const ui::Grid& grid);
// A record line: six quoted fields separated by one space. A field cannot hold a quote or a line
// end, so any found in a cell are left out.
std::string RecordLine(const ui::Grid::Row& cells);
// The six cells of a record line; a field whose quotes are missing is empty.
ui::Grid::Row ParseRecordLine(std::string_view line);

// The folder of the book and its backup: the launcher's "InstallationPath" without trailing
// backslashes, or the launcher's own folder when that is empty.
std::string AddressBookFolder(const config::Session& session, const platform::FileSystem& files);

// Fills the grid from the file, when it holds records; a missing file leaves the grid as it was.
// Returns false, after an "Error!" message, when the file is there but cannot be read.
bool LoadAddressBook(platform::Platform& platform, const config::Session& session,
                     ui::Grid& ABGrid);
// Writes the grid to the file. The new book is written whole beside the old one before
// anything else changes; then it takes the old book's place, and the old book becomes the
// backup. Returns false, after the message for the step that failed, with both files as they
// were.
bool SaveAddressBook(platform::Platform& platform, const config::Session& session,
                     const ui::Grid& ABGrid);

} // namespace quarl::net
