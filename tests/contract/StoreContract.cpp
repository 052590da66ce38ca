// The configuration store's contract, run against the fake registry natively and against the
// real registry under Wine: the same expectations hold for both.
#include "config/ConfigStore.h"
#include "contract/RegistryBackend.h"

#include <gtest/gtest.h>

namespace quarl::tests {
namespace {

using config::ConfigStore;
using platform::RegistryError;
using platform::RootKey;

class StoreContract : public ::testing::TestWithParam<RootKey> {
protected:
    void SetUp() override {
        backend_ = MakeRegistryBackend();
        key_ = backend_->sandbox() + "\\Launcher";
        backend_->createKey(root(), key_);
    }
    RootKey root() const { return GetParam(); }
    std::string missingKey() const { return backend_->sandbox() + "\\Missing\\Deeper"; }

    std::unique_ptr<RegistryBackend> backend_;
    std::string key_;
    ConfigStore store() { return ConfigStore(backend_->registry()); }
};

TEST_P(StoreContract, MissingValuesAndKeysGiveTheMissingResults) {
    auto s = store();
    for (const auto& key : {key_, missingKey()}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(s.ReadRegString(root(), key, "Nothing"), "");
        EXPECT_FALSE(s.RegValueExists(root(), key, "Nothing"));
        EXPECT_EQ(s.ReadRegInteger(root(), key, "Nothing"), -1);
        EXPECT_FALSE(s.ReadRegFlag(root(), key, "Nothing"));
        EXPECT_EQ(s.ReadRegIntegerAsText(root(), key, "Nothing"), "");
    }
    // Reads never create a key.
    EXPECT_FALSE(backend_->registry().keyExists(root(), missingKey()));
    EXPECT_FALSE(backend_->registry().keyExists(root(), backend_->sandbox() + "\\Missing"));
}

TEST_P(StoreContract, StringsRoundTripAsTheyAreWithCaseInsensitiveNames) {
    auto s = store();
    s.WriteRegString(root(), key_, "Host", "true");
    EXPECT_EQ(s.ReadRegString(root(), key_, "HOST"), "true");
    EXPECT_TRUE(s.RegValueExists(root(), key_, "host"));
    // The launch reads "MultiPlayerPlayerName" and writes "MultiplayerPlayerName": one value.
    s.WriteRegString(root(), key_, "MultiPlayerPlayerName", "Ding");
    s.WriteRegString(root(), key_, "MultiplayerPlayerName", "{v} Ding");
    EXPECT_EQ(s.ReadRegString(root(), key_, "MultiPlayerPlayerName"), "{v} Ding");
    s.WriteRegString(root(), key_, "Empty", "");
    EXPECT_TRUE(s.RegValueExists(root(), key_, "Empty"));
    EXPECT_EQ(s.ReadRegString(root(), key_, "Empty"), "");
    s.WriteRegString(root(), key_, "Spaced", "  C:\\Games\\Rogue Spear  ");
    EXPECT_EQ(s.ReadRegString(root(), key_, "Spaced"), "  C:\\Games\\Rogue Spear  ");
    s.WriteRegString(root(), key_, "Unicode", "Sp\xC3\xA9\x63ial \xE2\x82\xAC");
    EXPECT_EQ(s.ReadRegString(root(), key_, "Unicode"), "Sp\xC3\xA9\x63ial \xE2\x82\xAC");
}

TEST_P(StoreContract, KeyNamesAreCaseInsensitive) {
    auto s = store();
    s.WriteRegString(root(), key_, "Port", "2400");
    std::string upper = key_;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(s.ReadRegString(root(), upper, "Port"), "2400");
}

TEST_P(StoreContract, IntegersAndTheirTextForms) {
    auto s = store();
    s.WriteRegInteger(root(), key_, "GameType", 3);
    EXPECT_EQ(s.ReadRegInteger(root(), key_, "GameType"), 3);
    EXPECT_EQ(s.ReadRegIntegerAsText(root(), key_, "GameType"), "3");
    // A stored -1 is indistinguishable from a missing value.
    s.WriteRegInteger(root(), key_, "Minus", -1);
    EXPECT_EQ(s.ReadRegInteger(root(), key_, "Minus"), -1);
    EXPECT_TRUE(s.RegValueExists(root(), key_, "Minus"));
    EXPECT_EQ(s.ReadRegIntegerAsText(root(), key_, "Minus"), "-1");

    s.WriteRegIntegerFromText(root(), key_, "Volume", "42");
    EXPECT_EQ(s.ReadRegInteger(root(), key_, "Volume"), 42);
    for (const char* bad : {"12a", "", " ", "4 2", "0x10", "99999999999", "+-5", "-+5", "+", "-"}) {
        SCOPED_TRACE(bad);
        s.WriteRegIntegerFromText(root(), key_, "Volume", bad);
        EXPECT_EQ(s.ReadRegInteger(root(), key_, "Volume"), 42);
    }
    s.WriteRegIntegerFromText(root(), key_, "Volume", "-7");
    EXPECT_EQ(s.ReadRegIntegerAsText(root(), key_, "Volume"), "-7");
    // WriteRegIntegerFromText creates its key, as WriteRegInteger does.
    s.WriteRegIntegerFromText(root(), backend_->sandbox() + "\\Created", "N", "5");
    EXPECT_EQ(s.ReadRegInteger(root(), backend_->sandbox() + "\\Created", "N"), 5);
    s.WriteRegIntegerFromText(root(), backend_->sandbox() + "\\NotCreated", "N", "x");
    EXPECT_FALSE(backend_->registry().keyExists(root(), backend_->sandbox() + "\\NotCreated"));
}

TEST_P(StoreContract, FlagsAreDwordsOneOrZeroAndAnyNonZeroReadsTrue) {
    auto s = store();
    s.WriteRegFlag(root(), key_, "Wizard", true);
    EXPECT_EQ(s.ReadRegInteger(root(), key_, "Wizard"), 1);
    EXPECT_TRUE(s.ReadRegFlag(root(), key_, "Wizard"));
    s.WriteRegFlag(root(), key_, "Wizard", false);
    EXPECT_EQ(s.ReadRegInteger(root(), key_, "Wizard"), 0);
    EXPECT_FALSE(s.ReadRegFlag(root(), key_, "Wizard"));
    s.WriteRegInteger(root(), key_, "CloseOnLaunch", 5);
    EXPECT_TRUE(s.ReadRegFlag(root(), key_, "CloseOnLaunch"));
}

TEST_P(StoreContract, WritesCreateTheirKeyExceptTheFlag) {
    auto s = store();
    const auto flagKey = backend_->sandbox() + "\\FlagOnly";
    s.WriteRegFlag(root(), flagKey, "Wizard", true);
    EXPECT_FALSE(backend_->registry().keyExists(root(), flagKey));
    EXPECT_FALSE(s.RegValueExists(root(), flagKey, "Wizard"));

    const auto stringKey = backend_->sandbox() + "\\Made\\ByString";
    s.WriteRegString(root(), stringKey, "Version", "2.10");
    EXPECT_EQ(s.ReadRegString(root(), stringKey, "Version"), "2.10");
    const auto integerKey = backend_->sandbox() + "\\Made\\ByInteger";
    s.WriteRegInteger(root(), integerKey, "GameType", 0);
    EXPECT_EQ(s.ReadRegInteger(root(), integerKey, "GameType"), 0);
    // Once the key exists, the flag writes into it.
    s.WriteRegFlag(root(), integerKey, "Wizard", true);
    EXPECT_TRUE(s.ReadRegFlag(root(), integerKey, "Wizard"));
}

// The writes that report: as the others, but a flag whose key is missing is a failure.
TEST_P(StoreContract, ReportingWritesSayWhetherTheValueWasWritten) {
    auto s = store();
    EXPECT_TRUE(s.TryWriteRegString(root(), key_, "Telnet", "DEFAULT"));
    EXPECT_TRUE(s.TryWriteRegInteger(root(), key_, "GameType", 3));
    EXPECT_TRUE(s.TryWriteRegFlag(root(), key_, "Wizard", true));
    EXPECT_TRUE(s.TryWriteRegIntegerFromText(root(), key_, "Port", "2346"));
    EXPECT_TRUE(s.TryWriteRegIntegerFromText(root(), key_, "Other", "27a"));
    EXPECT_EQ(s.ReadRegString(root(), key_, "Telnet"), "DEFAULT");
    EXPECT_EQ(s.ReadRegInteger(root(), key_, "GameType"), 3);
    EXPECT_TRUE(s.ReadRegFlag(root(), key_, "Wizard"));
    EXPECT_EQ(s.ReadRegInteger(root(), key_, "Port"), 2346);
    EXPECT_FALSE(s.RegValueExists(root(), key_, "Other"));
    EXPECT_FALSE(s.TryWriteRegFlag(root(), missingKey(), "Wizard", true));
    EXPECT_TRUE(s.TryWriteRegString(root(), missingKey(), "Made", "x"));
}

TEST_P(StoreContract, AValueOfTheWrongTypeIsAnErrorOfTheRegistryLayer) {
    auto s = store();
    s.WriteRegInteger(root(), key_, "GameType", 2);
    s.WriteRegString(root(), key_, "Port", "2346");
    EXPECT_THROW(s.ReadRegString(root(), key_, "GameType"), RegistryError);
    EXPECT_THROW(s.ReadRegInteger(root(), key_, "Port"), RegistryError);
    EXPECT_THROW(s.ReadRegFlag(root(), key_, "Port"), RegistryError);
    EXPECT_THROW(s.ReadRegIntegerAsText(root(), key_, "Port"), RegistryError);
    backend_->putBinary(root(), key_, "Blob");
    EXPECT_THROW(s.ReadRegString(root(), key_, "Blob"), RegistryError);
    EXPECT_TRUE(s.RegValueExists(root(), key_, "Blob"));
    // Overwriting with another type replaces the value.
    s.WriteRegString(root(), key_, "GameType", "x");
    EXPECT_EQ(s.ReadRegString(root(), key_, "GameType"), "x");
}

INSTANTIATE_TEST_SUITE_P(Roots, StoreContract,
                         ::testing::Values(RootKey::CurrentUser, RootKey::LocalMachine),
                         [](const auto& param) {
                             return param.param == RootKey::CurrentUser ? "CurrentUser"
                                                                        : "LocalMachine";
                         });

} // namespace
} // namespace quarl::tests
