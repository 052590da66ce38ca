#include "platform/fake/CountingServices.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeRegistry.h"

#include <gtest/gtest.h>

namespace quarl::tests {

using platform::RegistryValue;
using platform::RootKey;

// The counting layer the benchmarks put around the services: every call reaches the service
// with its result or its error unchanged, and is counted by operation, failures included.
TEST(CountingServices, ForwardEveryCallAndCountItByOperation) {
    platform::fake::FakeRegistry fakeRegistry;
    platform::fake::FakeFileSystem fakeFiles;
    fakeFiles.addFile("C:\\Games\\a.txt", "text");
    platform::fake::CountingRegistry registry(fakeRegistry);
    platform::fake::CountingFileSystem files(fakeFiles);

    EXPECT_FALSE(registry.writeValue(RootKey::CurrentUser, "Missing", "v",
                                     RegistryValue::String("x"), false));
    EXPECT_TRUE(registry.writeValue(RootKey::CurrentUser, "Software\\Quarl", "v",
                                    RegistryValue::String("x"), true));
    EXPECT_EQ(registry.readValue(RootKey::CurrentUser, "Software\\Quarl", "V"),
              RegistryValue::String("x"));
    EXPECT_TRUE(registry.keyExists(RootKey::CurrentUser, "Software\\Quarl"));

    EXPECT_TRUE(files.fileExists("C:\\Games\\a.txt"));
    EXPECT_FALSE(files.fileExists("C:\\Games\\b.txt"));
    EXPECT_EQ(files.readTextFile("C:\\Games\\a.txt"), "text");
    EXPECT_THROW(files.readTextFile("C:\\Games\\b.txt"), platform::FileError);
    files.copyFile("C:\\Games\\a.txt", "C:\\Games\\c.txt");
    const auto* copied = fakeFiles.content("C:\\Games\\c.txt");
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(*copied, "text");

    EXPECT_EQ(registry.counts,
              (platform::fake::CallCounts{{"keyExists", 1}, {"readValue", 1}, {"writeValue", 2}}));
    EXPECT_EQ(files.counts, (platform::fake::CallCounts{
                                {"copyFile", 1}, {"fileExists", 2}, {"readTextFile", 2}}));
    EXPECT_EQ(platform::fake::TotalCalls(files.counts), 5u);
}

} // namespace quarl::tests
