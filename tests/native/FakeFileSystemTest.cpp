#include "platform/fake/FakeFileSystem.h"

#include <gtest/gtest.h>

namespace quarl::platform::fake {
namespace {

TEST(FakeFileSystem, FollowsWindowsPathRules) {
    FakeFileSystem fs;
    fs.addFile("C:\\Games\\Rogue Spear\\RogueSpear.exe", "x");
    EXPECT_TRUE(fs.fileExists("c:\\games\\ROGUE SPEAR\\roguespear.EXE"));
    EXPECT_TRUE(fs.fileExists("C:\\Games\\\\Rogue Spear\\RogueSpear.exe"));
    EXPECT_TRUE(fs.folderExists("C:\\Games\\Rogue Spear\\"));
    EXPECT_FALSE(fs.fileExists("C:\\Games\\Rogue Spear"));
    EXPECT_FALSE(fs.folderExists("C:\\Games\\Rogue Spear\\RogueSpear.exe"));
}

TEST(FakeFileSystem, ListsEntriesInCreationOrderWithTheirSpelling) {
    FakeFileSystem fs;
    fs.addFolder("C:\\G\\mods\\Zulu");
    fs.addFile("C:\\G\\mods\\readme.txt");
    fs.addFolder("C:\\G\\mods\\alpha");
    fs.addFile("C:\\G\\mods\\alpha\\launcher.ini");
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(fs.listFolder("c:\\g\\MODS\\", entries));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "Zulu");
    EXPECT_TRUE(entries[0].isFolder);
    EXPECT_EQ(entries[1].name, "readme.txt");
    EXPECT_FALSE(entries[1].isFolder);
    EXPECT_EQ(entries[2].name, "alpha");
    EXPECT_FALSE(fs.listFolder("C:\\G\\missing", entries));
    fs.denyListing("C:\\G\\mods");
    EXPECT_FALSE(fs.listFolder("C:\\G\\mods", entries));
}

TEST(FakeFileSystem, ReadOnlyFilesAndFoldersRefuseChanges) {
    FakeFileSystem fs;
    fs.addFile("C:\\G\\kitrestrictions.txt", "k");
    fs.setReadOnly("C:\\G\\kitrestrictions.txt");
    EXPECT_FALSE(fs.deleteFile("C:\\G\\kitrestrictions.txt"));
    EXPECT_THROW(fs.replaceTextFile("C:\\G\\kitrestrictions.txt", "new"), FileError);
    EXPECT_EQ(fs.readTextFile("C:\\G\\kitrestrictions.txt"), "k");
    fs.setReadOnly("C:\\G\\kitrestrictions.txt", false);
    EXPECT_TRUE(fs.deleteFile("C:\\G\\kitrestrictions.txt"));
    EXPECT_FALSE(fs.deleteFile("C:\\G\\kitrestrictions.txt"));

    fs.setReadOnly("C:\\G");
    EXPECT_THROW(fs.replaceTextFile("C:\\G\\ModsSettings.txt", "x"), FileError);
    EXPECT_FALSE(fs.fileExists("C:\\G\\ModsSettings.txt"));
    EXPECT_THROW(fs.replaceTextFile("C:\\Nowhere\\a.txt", "x"), FileError);
    EXPECT_THROW(fs.readTextFile("C:\\G\\none.txt"), FileError);
}

TEST(FakeFileSystem, WritesIntoAFullFolderFailAndLeaveNothing) {
    FakeFileSystem fs;
    fs.addFile("C:\\L\\addressbook.txt", "old");
    fs.failWrites("C:\\L");
    EXPECT_THROW(fs.writeTemporaryFile("C:\\L\\addressbook.txt", "new"), FileError);
    EXPECT_THROW(fs.copyToTemporaryFile("C:\\L\\addressbook.txt"), FileError);
    EXPECT_THROW(fs.replaceTextFile("C:\\L\\addressbook.txt", "new"), FileError);
    EXPECT_THROW(fs.copyFile("C:\\L\\addressbook.txt", "C:\\L\\copy.txt"), FileError);
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(fs.listFolder("C:\\L", entries));
    EXPECT_EQ(entries.size(), 1u);
    EXPECT_EQ(*fs.content("C:\\L\\addressbook.txt"), "old");
}

TEST(ProfileLookup, FollowsGetPrivateProfileStringRules) {
    const std::string ini = "; comment\r\n[information]\r\nNAME = \"My Mod\" \r\nname=second\r\n"
                            "Empty=\r\nNote=a ; b\r\n[Game]\r\nDisableDefaultPrimaryItems=1\r\n";
    EXPECT_EQ(ProfileLookup(ini, "Information", "Name", "Not Provided"), "My Mod");
    EXPECT_EQ(ProfileLookup(ini, "INFORMATION", "Empty", "Not Provided"), "");
    EXPECT_EQ(ProfileLookup(ini, "Information", "Note", ""), "a ; b");
    EXPECT_EQ(ProfileLookup(ini, "Information", "Author", "Not Provided"), "Not Provided");
    EXPECT_EQ(ProfileLookup(ini, "game", "DisableDefaultPrimaryItems", "0"), "1");
    EXPECT_EQ(ProfileLookup(ini, "Game", "Name", "0"), "0");
}

} // namespace
} // namespace quarl::platform::fake
