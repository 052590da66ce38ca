#pragma once

#include "config/Session.h"
#include "platform/FileSystem.h"

#include <string>

// The Launch Tool's six service steps. Each is all or nothing: a step that fails puts back what
// it had changed before the error goes on, and writes its service's marker only once its work is
// done, so that the markers always say what the files and entries are. Where putting back fails
// too, the step leaves its service marked as patched: the files and entries are then as a patch
// leaves them, and unpatching or "-UNINSTALL" restores the game.
namespace quarl::companions {

struct PatchContext {
    platform::FileSystem& files;
    config::Session& session;
    std::string launcherFolder; // ends in a backslash
    std::string gameFolder;     // ends in a backslash
    platform::CopyProgress progress;
};

// "redirect.exe" in the launcher folder, which The Zone/MPlayer patch copies over the games.
std::string RedirectPath(const PatchContext& context);

// Each present game executable back from its backup; the game's own names to start.
void UnpatchZone(PatchContext& context);
// Backups of the present game executables first, then "redirect.exe" over them; the backups'
// names to start. Needs "redirect.exe".
void PatchZone(PatchContext& context);
void UnpatchGameSpy(PatchContext& context);
void PatchGameSpy(PatchContext& context);
void UnpatchKali(PatchContext& context);
void PatchKali(PatchContext& context);

// The extra name an executable is kept under when it is about to be replaced while no other
// file holds what it holds: "RogueSpear (updated).exe", then "RogueSpear (updated 2).exe", ...
std::string KeptName(std::string_view executable, int number);

} // namespace quarl::companions
