// "addressbook.txt" as anyone may have edited it: whatever loads, saves and loads again to the
// same rows, and a second save writes the same bytes as the first.
#include "FuzzTarget.h"

#include "config/LauncherKey.h"
#include "net/AddressBook.h"
#include "platform/fake/FakePlatform.h"

namespace {

using namespace quarl;

constexpr const char* kFolder = "C:\\Quarl Launcher";
constexpr const char* kBook = "C:\\Quarl Launcher\\addressbook.txt";

std::vector<ui::Grid::Row> Rows(const ui::Grid& grid) {
    std::vector<ui::Grid::Row> rows;
    for (std::size_t row = 0; row < grid.rowCount(); ++row)
        rows.push_back(grid.row(row));
    return rows;
}

ui::Grid NewGrid() {
    return ui::Grid("ABGrid", std::vector<ui::Grid::Column>(net::kAddressBookColumns));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::fake::FakePlatform fake;
    fake.files.addFolder(kFolder);
    fake.registry.setString(platform::RootKey::CurrentUser, config::kLauncherKey,
                            "InstallationPath", kFolder);
    fake.files.addFile(kBook, std::string(fuzz::AsText(data, size)));
    auto services = fake.platform();
    config::Session session(fake.registry);

    auto loaded = NewGrid();
    FUZZ_CHECK(net::LoadAddressBook(services, session, loaded));
    const auto rows = Rows(loaded);
    FUZZ_CHECK(!rows.empty());
    for (const auto& row : rows) {
        FUZZ_CHECK(row.size() == net::kAddressBookColumns);
        for (const auto& cell : row)
            FUZZ_CHECK(cell.find_first_of("\"\r\n") == std::string::npos);
    }

    FUZZ_CHECK(net::SaveAddressBook(services, session, loaded));
    const auto saved = *fake.files.content(kBook);
    auto reloaded = NewGrid();
    FUZZ_CHECK(net::LoadAddressBook(services, session, reloaded));
    FUZZ_CHECK(Rows(reloaded) == rows);
    FUZZ_CHECK(net::SaveAddressBook(services, session, reloaded));
    FUZZ_CHECK(*fake.files.content(kBook) == saved);
    FUZZ_CHECK(fake.dialogs.shown().empty());
    return 0;
}
