#include "redirect/Redirect.h"

#include "base/Text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quarl::redirect {

std::string GameSwitchFor(std::string_view fileName) {
    static const std::array<std::pair<std::string_view, std::string_view>, 3> games{{
        {"ROGUESPEAR.EXE", "-RS"},
        {"URBANOPERATIONS.EXE", "-UO"},
        {"COVERTOPERATIONS.EXE", "-CO"},
    }};
    const auto name = base::UpperAscii(fileName);
    for (const auto& [executable, gameSwitch] : games)
        if (name == executable)
            return std::string(gameSwitch);
    return {};
}

std::string_view ArgumentsAfterProgramName(std::string_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const auto closing = commandLine.find('"', 1);
        at = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    } else {
        at = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    while (at < commandLine.size() && (commandLine[at] == ' ' || commandLine[at] == '\t'))
        ++at;
    return commandLine.substr(at);
}

Redirection PlanRedirection(std::string_view ownPath, std::string_view commandLine,
                            std::string_view installationPath,
                            const std::function<bool(const std::string&)>& fileExists) {
    Redirection plan;
    const auto slash = ownPath.find_last_of("\\/");
    const auto ownName = ownPath.substr(slash == std::string_view::npos ? 0 : slash + 1);
    const auto gameSwitch = GameSwitchFor(ownName);
    if (gameSwitch.empty()) {
        plan.error = "This program starts the Quarl Launcher in a game's place and must be named "
                     "RogueSpear.exe, UrbanOperations.exe or CovertOperations.exe, not \"" +
                     std::string(ownName) + "\".";
        return plan;
    }
    if (installationPath.empty()) {
        plan.error = "The Quarl Launcher is not installed: the value \"InstallationPath\" is "
                     "missing from HKEY_CURRENT_USER\\Software\\Quarl\\Launcher.";
        return plan;
    }
    plan.folder = std::string(installationPath);
    if (plan.folder.back() != '\\')
        plan.folder += '\\';
    plan.launcher = plan.folder + "Launcher.exe";
    if (!fileExists(plan.launcher)) {
        plan.error = "The Quarl Launcher is missing: " + plan.launcher + " was not found.";
        return plan;
    }
    plan.commandLine = "\"" + plan.launcher + "\" " + gameSwitch;
    const auto arguments = ArgumentsAfterProgramName(commandLine);
    if (!arguments.empty())
        plan.commandLine += " " + std::string(arguments);
    return plan;
}

} // namespace quarl::redirect
