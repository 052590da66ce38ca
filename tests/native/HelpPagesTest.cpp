#include "app/HelpTopics.h"
#include "companions/Companions.h"
#include "platform/HelpPages.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace quarl::tests {
namespace {

using platform::MessageBoxRequest;
using platform::ShellRequest;

// Each request opens its page through the shell; a number the program does not know opens the
// contents; a page whose file is missing is named in an "Error!" box and not opened.
TEST(HelpPages, EachRequestOpensItsPageOrNamesTheMissingOne) {
    platform::fake::FakePlatform fake;
    for (const char* page : {"contents.html", "keywords.html", "6000.html"})
        fake.files.addFile(std::string("C:\\Quarl\\help\\") + page, "<html></html>");
    const struct {
        const char* folder;
        void (*request)(platform::HelpPages&);
        const char* page;
        bool present;
    } rows[] = {
        {"C:\\Quarl", [](auto& help) { help.showContents(); }, "contents.html", true},
        {"C:\\Quarl\\", [](auto& help) { help.searchKeyword(); }, "keywords.html", true},
        {"C:\\Quarl", [](auto& help) { help.showTopic(6000); }, "6000.html", true},
        {"C:\\Quarl", [](auto& help) { help.showTopic(6001); }, "contents.html", true},
        {"C:\\Quarl", [](auto& help) { help.showTopic(-1); }, "contents.html", true},
        {"C:\\Quarl", [](auto& help) { help.showTopic(200); }, "200.html", false},
        {"D:\\Elsewhere", [](auto& help) { help.showContents(); }, "contents.html", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.folder) + " " + row.page);
        const auto opened = fake.shell.opened().size();
        const auto shown = fake.dialogs.shown().size();
        fake.files.setProgramFolder(row.folder);
        platform::HelpPages help(fake.shell, fake.files, fake.dialogs, {6000, 200});
        row.request(help);
        std::string path = row.folder;
        if (path.back() != '\\')
            path += '\\';
        path += std::string("help\\") + row.page;
        if (row.present) {
            ASSERT_EQ(fake.shell.opened().size(), opened + 1);
            EXPECT_EQ(fake.shell.opened().back(),
                      (ShellRequest{"open", path, "", "", platform::ShowCommand::Normal}));
            EXPECT_EQ(fake.dialogs.shown().size(), shown);
        } else {
            EXPECT_EQ(fake.shell.opened().size(), opened);
            ASSERT_EQ(fake.dialogs.shown().size(), shown + 1);
            const MessageBoxRequest& box = fake.dialogs.shown().back();
            EXPECT_EQ(box.caption, "Error!");
            EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
        }
    }
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The pages that ship: one for every topic number the program can ask for, the contents and the
// keyword index; every link leads to a page that ships or to one of the project's own web
// pages, and every page is reached from some other page.
TEST(HelpPages, EveryTopicHasAPageAndEveryLinkLeadsToOne) {
    const std::filesystem::path folder = QUARL_HELP_DIR;
    std::vector<std::string> needed{"contents.html", "keywords.html"};
    for (const int topic : app::HelpTopics())
        needed.push_back(std::to_string(topic) + ".html");
    for (const auto& page : needed) {
        SCOPED_TRACE(page);
        EXPECT_TRUE(std::filesystem::is_regular_file(folder / page));
        EXPECT_FALSE(ReadAll(folder / page).empty());
    }

    const std::regex link(R"#((?:href|src)\s*=\s*"([^"]*)")#", std::regex::icase);
    std::set<std::string> pages, linked;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const auto name = entry.path().filename().string();
        pages.insert(name);
        const auto text = ReadAll(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            std::string target = (*it)[1];
            SCOPED_TRACE(name + " links to " + target);
            if (target.starts_with("https://") || target.starts_with("http://")) {
                EXPECT_TRUE(target == companions::kTamselHomePage ||
                            target == companions::kProductHomePage);
                continue;
            }
            target = target.substr(0, target.find('#'));
            if (target.empty())
                continue; // a place on the same page
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / target));
            if (target != name)
                linked.insert(target);
        }
    }
    pages.erase("contents.html");
    for (const auto& page : pages)
        EXPECT_TRUE(linked.contains(page)) << page << " is not linked from any other page";
}

} // namespace
} // namespace quarl::tests
