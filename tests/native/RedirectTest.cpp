// redirect.exe's rules: the game switch its own name stands for, the arguments passed on exactly,
// and the errors that keep it from starting anything.
#include "redirect/Redirect.h"

#include <gtest/gtest.h>

#include <set>

namespace quarl::redirect {
namespace {

TEST(Redirect, ItsOwnFileNameChoosesTheGameSwitch) {
    const struct {
        const char* name;
        const char* gameSwitch;
    } cases[] = {
        {"RogueSpear.exe", "-RS"},
        {"UrbanOperations.exe", "-UO"},
        {"COVERTOPERATIONS.EXE", "-CO"},
        {"urbanoperations.exe", "-UO"},
        {"redirect.exe", ""},
        {"RSpear.exe", ""},
        {"RogueSpear.exe.exe", ""},
        {"RogueSpear", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GameSwitchFor(c.name), c.gameSwitch) << c.name;
}

TEST(Redirect, ArgumentsFollowTheProgramNameExactlyAsWritten) {
    const struct {
        const char* commandLine;
        const char* arguments;
    } cases[] = {
        {R"("C:\Games\Rogue Spear\UrbanOperations.exe" -client 127.0.0.1 2346)",
         "-client 127.0.0.1 2346"},
        {R"(C:\Games\RogueSpear.exe   -mods "Tactical Realism"  "say \"hi\"" a\\b )",
         R"(-mods "Tactical Realism"  "say \"hi\"" a\\b )"},
        {"RogueSpear.exe\t-host 2400", "-host 2400"},
        {R"("C:\Games\RogueSpear.exe")", ""},
        {"RogueSpear.exe", ""},
        {R"("C:\a b\RogueSpear.exe"-x)", "-x"},
        {R"("unclosed quote -x)", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArgumentsAfterProgramName(c.commandLine), c.arguments) << c.commandLine;
}

TEST(Redirect, StartsTheInstalledLauncherWithTheGameSwitchAndTheArguments) {
    std::set<std::string> files{R"(C:\Quarl Launcher\Launcher.exe)"};
    const auto exists = [&](const std::string& path) { return files.count(path) > 0; };
    for (const char* folder : {R"(C:\Quarl Launcher)", R"(C:\Quarl Launcher\)"}) {
        const auto plan =
            PlanRedirection(R"(C:\Games\UrbanOperations.exe)",
                            R"("C:\Games\UrbanOperations.exe" -client "a b" 2346)", folder, exists);
        EXPECT_EQ(plan.error, "") << folder;
        EXPECT_EQ(plan.launcher, R"(C:\Quarl Launcher\Launcher.exe)") << folder;
        EXPECT_EQ(plan.folder, R"(C:\Quarl Launcher\)") << folder;
        EXPECT_EQ(plan.commandLine, R"("C:\Quarl Launcher\Launcher.exe" -UO -client "a b" 2346)")
            << folder;
    }
    const auto bare = PlanRedirection(R"(C:\Games\RogueSpear.exe)", "RogueSpear.exe",
                                      R"(C:\Quarl Launcher)", exists);
    EXPECT_EQ(bare.commandLine, R"("C:\Quarl Launcher\Launcher.exe" -RS)");
}

TEST(Redirect, ErrorsNameWhatIsMissingAndStartNothing) {
    const auto none = [](const std::string&) { return false; };
    const auto all = [](const std::string&) { return true; };
    const struct {
        const char* ownPath;
        const char* installationPath;
        bool launcherPresent;
        const char* named; // the error names this
    } cases[] = {
        {R"(C:\Games\redirect.exe)", R"(C:\Quarl)", true, "\"redirect.exe\""},
        {R"(C:\Games\RSpear.exe)", R"(C:\Quarl)", true, "\"RSpear.exe\""},
        {R"(C:\Games\RogueSpear.exe)", "", true, "\"InstallationPath\""},
        {R"(C:\Games\RogueSpear.exe)", R"(C:\Quarl)", false, R"(C:\Quarl\Launcher.exe)"},
    };
    for (const auto& c : cases) {
        const auto plan = PlanRedirection(c.ownPath, "x -client 127.0.0.1", c.installationPath,
                                          c.launcherPresent ? all : none);
        EXPECT_NE(plan.error.find(c.named), std::string::npos) << plan.error;
        EXPECT_EQ(plan.commandLine, "") << c.ownPath;
    }
}

} // namespace
} // namespace quarl::redirect
