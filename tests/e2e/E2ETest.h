#pragma once

#include "LauncherProcess.h"

#include <gtest/gtest.h>

namespace quarl::tests {

// The registry state the end-to-end tests seed is removed before and after each test.
class E2ETest : public ::testing::Test {
protected:
    void SetUp() override { clean(); }
    void TearDown() override { clean(); }
    // A fixture that seeds more keys removes them here too.
    virtual void clean() {
        DeleteTree(HKEY_CURRENT_USER, kLauncherKey);
        DeleteTree(HKEY_LOCAL_MACHINE, kGameKey);
    }
    // Makes the folder Rogue Spear's installation.
    static void install(const GameFolder& folder) {
        SetString(HKEY_LOCAL_MACHINE, kGameKey, L"InstallationPath", folder.path());
    }
};

} // namespace quarl::tests
