// The file system contract, run against the fake natively and against Windows under Wine.
#include "contract/FileSystemBackend.h"
#include "platform/TemporaryFileName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>
#include <utility>

namespace quarl::tests {
namespace {

using platform::FileError;
using platform::FolderEntry;
using platform::TemporaryFileName;

class FileSystemContract : public ::testing::Test {
protected:
    void SetUp() override {
        backend_ = MakeFileSystemBackend();
        root_ = backend_->sandbox();
    }
    platform::FileSystem& files() { return backend_->files(); }
    std::string at(const std::string& name) const { return root_ + "\\" + name; }
    // No temporary file of a replace or copy is left in the sandbox.
    void expectNoTemporaryFiles() {
        for (const auto& name : names())
            EXPECT_FALSE(platform::TemporaryFileOwnerOf(name)) << name;
    }
    std::set<std::string> names() {
        std::vector<FolderEntry> entries;
        EXPECT_TRUE(files().listFolder(root_, entries));
        std::set<std::string> result;
        for (const auto& entry : entries)
            result.insert(entry.name);
        return result;
    }
    std::string copyError(const std::string& source, const std::string& destination) {
        try {
            files().copyFile(source, destination);
        } catch (const FileError& error) {
            return error.what();
        }
        return "no error";
    }

    std::unique_ptr<FileSystemBackend> backend_;
    std::string root_;
};

TEST_F(FileSystemContract, NamesMatchWithoutRegardToCaseAndRepeatedSeparatorsAreTolerated) {
    backend_->addFolder(at("Rogue Spear"));
    backend_->addFile(at("Rogue Spear\\RogueSpear.exe"), "");
    EXPECT_TRUE(files().fileExists(at("rogue spear\\ROGUESPEAR.EXE")));
    EXPECT_TRUE(files().fileExists(root_ + "\\\\Rogue Spear\\\\RogueSpear.exe"));
    EXPECT_TRUE(files().folderExists(at("ROGUE SPEAR")));
    EXPECT_FALSE(files().folderExists(at("Rogue Spear\\RogueSpear.exe")));
    EXPECT_FALSE(files().fileExists(at("Rogue Spear")));
    EXPECT_FALSE(files().fileExists(at("Rogue Spear\\UrbanOperations.exe")));
}

TEST_F(FileSystemContract, ListingGivesEntriesWithTheirKindAndWithoutDots) {
    backend_->addFolder(at("mods"));
    backend_->addFolder(at("mods\\Tactical Realism"));
    backend_->addFolder(at("mods\\SWAT"));
    backend_->addFile(at("mods\\readme.txt"), "x");
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(files().listFolder(at("mods"), entries));
    std::vector<std::pair<std::string, bool>> seen;
    for (const auto& entry : entries)
        seen.emplace_back(entry.name, entry.isFolder);
    std::sort(seen.begin(), seen.end());
    const std::vector<std::pair<std::string, bool>> expected = {
        {"SWAT", true}, {"Tactical Realism", true}, {"readme.txt", false}};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(files().listFolder(at("mods\\"), entries));
    EXPECT_FALSE(files().listFolder(at("missing"), entries));
}

TEST_F(FileSystemContract, DeletionReportsFailureForMissingAndReadOnlyFiles) {
    backend_->addFile(at("kitrestrictions.txt"), "k");
    backend_->addFile(at("locked.txt"), "l");
    backend_->setReadOnly(at("locked.txt"));
    EXPECT_TRUE(files().deleteFile(at("KITRESTRICTIONS.TXT")));
    EXPECT_FALSE(files().fileExists(at("kitrestrictions.txt")));
    EXPECT_FALSE(files().deleteFile(at("kitrestrictions.txt")));
    EXPECT_FALSE(files().deleteFile(at("locked.txt")));
    EXPECT_TRUE(files().fileExists(at("locked.txt")));
}

TEST_F(FileSystemContract, ReplacingWritesTheWholeFileOrLeavesTheOldOne) {
    const auto path = at("ModsSettings.txt");
    files().replaceTextFile(path, "first\r\n");
    EXPECT_EQ(files().readTextFile(path), "first\r\n");
    files().replaceTextFile(path, "// header\r\n\"\\mods\\SWAT\"\r\n");
    EXPECT_EQ(files().readTextFile(path), "// header\r\n\"\\mods\\SWAT\"\r\n");

    backend_->addFile(at("locked.txt"), "old\r\n");
    backend_->setReadOnly(at("locked.txt"));
    EXPECT_THROW(files().replaceTextFile(at("locked.txt"), "new\r\n"), FileError);
    EXPECT_EQ(files().readTextFile(at("locked.txt")), "old\r\n");
    EXPECT_THROW(files().replaceTextFile(at("no folder\\file.txt"), "x"), FileError);
    // A file named like a temporary one does not stand in the way.
    backend_->addFile(at("ModsSettings.txt.tmp"), "torn");
    files().replaceTextFile(path, "after\r\n");
    EXPECT_EQ(files().readTextFile(path), "after\r\n");
    EXPECT_THROW(files().readTextFile(at("missing.txt")), FileError);
    // Refused only at the rename, after the temporary file is written.
    backend_->addFolder(at("mods"));
    EXPECT_THROW(files().replaceTextFile(at("mods"), "x"), FileError);
    expectNoTemporaryFiles();
}

TEST_F(FileSystemContract, CopyingReplacesTheDestinationWithEveryByteOfTheSource) {
    // Sizes around the copy's 8192-byte blocks: less than one, exactly two, and a part block.
    for (const std::size_t size : {std::size_t{10}, std::size_t{16384}, std::size_t{20000}}) {
        std::string content;
        for (std::size_t i = 0; i < size; ++i)
            content += static_cast<char>('a' + i % 26);
        backend_->addFile(at("RSpear.exe"), content);
        backend_->addFile(at("RogueSpear.exe"), std::string(30000, 'x'));
        files().copyFile(at("RSpear.exe"), at("RogueSpear.exe"));
        EXPECT_EQ(files().readTextFile(at("RogueSpear.exe")), content) << size;
        EXPECT_EQ(files().readTextFile(at("RSpear.exe")), content) << size;
    }
    files().copyFile(at("RSpear.exe"), at("UrbanOperations.exe"));
    EXPECT_TRUE(files().fileExists(at("UrbanOperations.exe")));
}

TEST_F(FileSystemContract, CopyingReportsItsProgressAndAFailingReportEndsIt) {
    using Report = std::pair<std::uint64_t, std::uint64_t>;
    for (const std::size_t size : {std::size_t{0}, std::size_t{8192}, std::size_t{20000}}) {
        backend_->addFile(at("RSpear.exe"), std::string(size, 'r'));
        std::vector<Report> reports;
        files().copyFile(at("RSpear.exe"), at("RogueSpear.exe"),
                         [&](std::uint64_t copied, std::uint64_t total) {
                             reports.emplace_back(copied, total);
                         });
        ASSERT_FALSE(reports.empty()) << size;
        EXPECT_EQ(reports.front(), Report(0, size));
        EXPECT_EQ(reports.back(), Report(size, size));
        for (std::size_t i = 1; i < reports.size(); ++i) {
            EXPECT_GT(reports[i].first, reports[i - 1].first) << size;
            EXPECT_LE(reports[i].first - reports[i - 1].first, 8192u) << size;
        }
    }
    backend_->addFile(at("RogueSpear.exe"), "game");
    EXPECT_THROW(files().copyFile(at("RSpear.exe"), at("RogueSpear.exe"),
                                  [](std::uint64_t copied, std::uint64_t) {
                                      if (copied > 0)
                                          throw std::runtime_error("stopped");
                                  }),
                 std::runtime_error);
    EXPECT_EQ(files().readTextFile(at("RogueSpear.exe")), "game");
    expectNoTemporaryFiles();
}

TEST_F(FileSystemContract, SameContentComparesEveryByte) {
    const std::string game(20000, 'g');
    backend_->addFile(at("RogueSpear.exe"), game);
    backend_->addFile(at("RSpear.exe"), game);
    backend_->addFile(at("Other.exe"), game.substr(0, 19999) + "h");
    backend_->addFile(at("Short.exe"), game.substr(0, 8192));
    backend_->addFile(at("Empty.exe"), "");
    backend_->addFile(at("Empty too.exe"), "");
    EXPECT_TRUE(files().sameContent(at("RogueSpear.exe"), at("rspear.exe")));
    EXPECT_FALSE(files().sameContent(at("RogueSpear.exe"), at("Other.exe")));
    EXPECT_FALSE(files().sameContent(at("Short.exe"), at("RogueSpear.exe")));
    EXPECT_TRUE(files().sameContent(at("Empty.exe"), at("Empty too.exe")));
    EXPECT_FALSE(files().sameContent(at("Empty.exe"), at("missing.exe")));
}

TEST_F(FileSystemContract, AFailedCopyNamesTheFileAndLeavesTheDestinationAsItWas) {
    backend_->addFile(at("redirect.exe"), "redirect");
    backend_->addFile(at("RogueSpear.exe"), "game");
    backend_->setReadOnly(at("RogueSpear.exe"));
    EXPECT_EQ(copyError(at("missing.exe"), at("copy.exe")),
              "Cannot open file " + at("missing.exe"));
    EXPECT_FALSE(files().fileExists(at("copy.exe")));
    EXPECT_EQ(copyError(at("redirect.exe"), at("RogueSpear.exe")),
              "Cannot create file " + at("RogueSpear.exe"));
    EXPECT_EQ(files().readTextFile(at("RogueSpear.exe")), "game");
    EXPECT_EQ(copyError(at("redirect.exe"), at("no folder\\x.exe")),
              "Cannot create file " + at("no folder\\x.exe"));
    expectNoTemporaryFiles();
}

TEST_F(FileSystemContract, AReadThatFailsPartWayIsAnErrorNotTheEndOfTheFile) {
    // More than a block of either read loop comes before the failure.
    const std::string firstBytes(10000, 'a');
    const auto text = backend_->unreadableFile(firstBytes);
    try {
        const auto content = files().readTextFile(text);
        ADD_FAILURE() << "read " << content.size() << " bytes";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot read file \"" + text + "\". ", 0), 0u)
            << error.what();
    }
    const auto executable = backend_->unreadableFile(firstBytes);
    backend_->addFile(at("RogueSpear.exe"), "game");
    EXPECT_EQ(copyError(executable, at("RogueSpear.exe")), "Cannot open file " + executable);
    EXPECT_EQ(files().readTextFile(at("RogueSpear.exe")), "game");
    expectNoTemporaryFiles();
}

TEST_F(FileSystemContract, ReplacingAndCopyingRemoveOnlyTheLeftoversOfEndedProcesses) {
    const auto running = backend_->runningProcess();
    const auto ended = backend_->endedProcess();
    backend_->addFile(at("redirect.exe"), "redirect");
    const std::vector<std::pair<std::string, std::function<void(const std::string&)>>> writes = {
        {"ModsSettings.txt", [&](const auto& target) { files().replaceTextFile(target, "new"); }},
        {"RogueSpear.exe",
         [&](const auto& target) { files().copyFile(at("redirect.exe"), target); }},
        {"addressbook.txt",
         [&](const auto& target) {
             EXPECT_TRUE(files().moveFile(files().writeTemporaryFile(target, "new"), target));
         }},
    };
    for (const auto& [target, write] : writes) {
        const auto leftover = TemporaryFileName(target, ended, 7);
        const std::vector<std::string> notOurs = {
            target + ".tmp",
            TemporaryFileName(target, running, 1),
            TemporaryFileName("Other.txt", ended, 1),
            target + ".quarl-" + std::to_string(ended) + "-x.tmp",
            target + ".quarl-" + std::to_string(ended + 0x100000000) + "-1.tmp",
        };
        for (const auto& name : notOurs)
            backend_->addFile(at(name), "mine");
        backend_->addFile(at(leftover), "torn");
        auto expected = names();
        expected.erase(leftover);
        expected.insert(target);

        write(at(target));
        EXPECT_EQ(names(), expected) << target;
        for (const auto& name : notOurs)
            EXPECT_EQ(files().readTextFile(at(name)), "mine") << name;
    }
}

TEST_F(FileSystemContract, TemporaryFilesAreWholeAndNamedAfterTheirTarget) {
    const auto target = at("addressbook.txt");
    backend_->addFile(target, "old\r\n");
    const auto written = files().writeTemporaryFile(target, "new \xC3\xA9\r\n");
    const auto copied = files().copyToTemporaryFile(target);
    EXPECT_NE(written, copied);
    for (const auto& path : {written, copied}) {
        ASSERT_EQ(path.rfind(root_ + "\\", 0), 0u) << path;
        const auto name = path.substr(root_.size() + 1);
        const auto owner = platform::TemporaryFileOwnerOf(name);
        ASSERT_TRUE(owner) << path;
        EXPECT_EQ(owner->target, "addressbook.txt");
    }
    EXPECT_EQ(files().readTextFile(written), "new \xC3\xA9\r\n");
    EXPECT_EQ(files().readTextFile(copied), "old\r\n");
    EXPECT_EQ(files().readTextFile(target), "old\r\n");

    EXPECT_THROW(files().writeTemporaryFile(at("no folder\\addressbook.txt"), "x"), FileError);
    EXPECT_THROW(files().copyToTemporaryFile(at("missing.txt")), FileError);
    EXPECT_THROW(files().copyToTemporaryFile(backend_->unreadableFile(std::string(10000, 'a'))),
                 FileError);
    EXPECT_TRUE(files().deleteFile(written));
    EXPECT_TRUE(files().deleteFile(copied));
    expectNoTemporaryFiles();
}

TEST_F(FileSystemContract, MovingReplacesTheDestinationOrLeavesBothAsTheyWere) {
    backend_->addFile(at("new.txt"), "new");
    backend_->addFile(at("addressbook.txt"), "book");
    EXPECT_TRUE(files().moveFile(at("new.txt"), at("addressbook.txt")));
    EXPECT_FALSE(files().fileExists(at("new.txt")));
    EXPECT_EQ(files().readTextFile(at("addressbook.txt")), "new");
    EXPECT_TRUE(files().moveFile(at("addressbook.txt"), at("addressbook.bak")));
    EXPECT_EQ(files().readTextFile(at("addressbook.bak")), "new");

    backend_->addFile(at("locked.bak"), "locked");
    backend_->setReadOnly(at("locked.bak"));
    backend_->addFolder(at("folder"));
    EXPECT_FALSE(files().moveFile(at("addressbook.bak"), at("locked.bak")));
    EXPECT_FALSE(files().moveFile(at("addressbook.bak"), at("folder")));
    EXPECT_FALSE(files().moveFile(at("addressbook.bak"), at("no folder\\addressbook.bak")));
    EXPECT_FALSE(files().moveFile(at("missing.txt"), at("other.txt")));
    EXPECT_FALSE(files().moveFile(at("folder"), at("other")));
    EXPECT_EQ(files().readTextFile(at("addressbook.bak")), "new");
    EXPECT_EQ(files().readTextFile(at("locked.bak")), "locked");
    EXPECT_FALSE(files().fileExists(at("other.txt")));
    EXPECT_TRUE(files().folderExists(at("folder")));
}

TEST_F(FileSystemContract, TheProgramFolderIsAFolderWithoutATrailingBackslash) {
    const auto folder = files().programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(files().folderExists(folder)) << folder;
}

TEST_F(FileSystemContract, ArchiveOnlyClearsReadOnly) {
    backend_->addFile(at("RogueSpear.exe"), "game");
    backend_->setReadOnly(at("RogueSpear.exe"));
    EXPECT_TRUE(files().setArchiveOnly(at("RogueSpear.exe")));
    backend_->addFile(at("redirect.exe"), "redirect");
    files().copyFile(at("redirect.exe"), at("RogueSpear.exe"));
    EXPECT_EQ(files().readTextFile(at("RogueSpear.exe")), "redirect");
    EXPECT_FALSE(files().setArchiveOnly(at("missing.exe")));
}

TEST_F(FileSystemContract, TextKeepsNonAsciiNamesAndContent) {
    const auto folder = at("Mod \xC3\xA9t\xC3\xA9");
    backend_->addFolder(folder);
    files().replaceTextFile(folder + "\\notes.txt", "caf\xC3\xA9\r\n");
    EXPECT_TRUE(files().fileExists(folder + "\\notes.txt"));
    EXPECT_EQ(files().readTextFile(folder + "\\notes.txt"), "caf\xC3\xA9\r\n");
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(files().listFolder(root_, entries));
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                            [](const auto& e) { return e.name == "Mod \xC3\xA9t\xC3\xA9"; }));
}

TEST_F(FileSystemContract, ProfileStringsFollowTheWindowsRules) {
    const auto ini = at("launcher.ini");
    backend_->addFile(ini, "[information]\r\nNAME = \"Tactical Realism\" \r\nname=Second\r\n"
                           "Empty=\r\nNote=a ; b\r\n[Game]\r\nDisableDefaultPrimaryItems=1\r\n");
    auto read = [&](const char* section, const char* key, const char* fallback) {
        return files().readProfileString(ini, section, key, fallback);
    };
    EXPECT_EQ(read("Information", "Name", "Not Provided"), "Tactical Realism");
    EXPECT_EQ(read("INFORMATION", "empty", "Not Provided"), "");
    EXPECT_EQ(read("Information", "Note", ""), "a ; b");
    EXPECT_EQ(read("Information", "Author", "Not Provided"), "Not Provided");
    EXPECT_EQ(read("game", "disabledefaultprimaryitems", "0"), "1");
    EXPECT_EQ(read("Game", "DisableDefaultUniformItems", "0"), "0");
    EXPECT_EQ(files().readProfileString(at("none.ini"), "Game", "X", "0"), "0");
}

} // namespace
} // namespace quarl::tests
