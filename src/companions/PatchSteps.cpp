#include "companions/PatchSteps.h"

#include "companions/ServicePatching.h"
#include "config/LauncherKey.h"

#include <optional>
#include <vector>

namespace quarl::companions {

namespace keys = config::launcher;
using platform::RootKey;

namespace {

constexpr GameExecutable kGameOrder[] = {kUrbanOps, kCovertOps, kRogueSpear};

// Putting back after a failure is done as far as it goes: the failure that made it necessary is
// the one the player is told about.
template <class Work> bool Attempt(Work work) {
    try {
        work();
        return true;
    } catch (...) {
        return false;
    }
}

void WriteExecutableNames(config::Session& session, bool backups) {
    const auto name = [backups](const GameExecutable& game) {
        return backups ? game.backup : game.executable;
    };
    session.writeLauncherString(keys::EXEName, name(kRogueSpear));
    session.writeLauncherString(keys::UOEXEName, name(kUrbanOps));
    session.writeLauncherString(keys::COEXEName, name(kCovertOps));
}

// Replaces game executables so that each can be put back as it was: before one is replaced, a
// file that holds what it holds is found, or made under an extra name, so nothing the player had
// is lost.
class ExecutableSwap {
public:
    explicit ExecutableSwap(PatchContext& context) : context_(context) {}

    // A copy made for this step, removed again when the step is undone.
    void makeCopy(const std::string& source, const std::string& destination) {
        CopyGameFile(context_.files, source, destination, context_.progress);
        made_.push_back(destination);
    }

    // The source over the executable, unless the executable holds it already. `copy` is the
    // file expected to hold what the executable holds.
    void replace(const std::string& executable, const std::string& source,
                 const std::string& copy) {
        auto& files = context_.files;
        std::optional<std::string> original;
        if (files.fileExists(executable)) {
            if (files.sameContent(executable, source))
                return;
            original = files.sameContent(executable, copy) ? copy : keep(executable);
        }
        CopyGameFile(files, source, executable, context_.progress);
        replaced_.push_back({executable, original});
    }

    // Puts back every executable replaced, newest first; false when one could not be.
    bool undo() {
        bool whole = true;
        for (auto it = replaced_.rbegin(); it != replaced_.rend(); ++it)
            whole = Attempt([&] {
                        if (it->original)
                            CopyGameFile(context_.files, *it->original, it->executable,
                                         context_.progress);
                        else if (!context_.files.deleteFile(it->executable))
                            throw platform::FileError("Cannot delete " + it->executable);
                    }) &&
                    whole;
        replaced_.clear();
        return whole;
    }

    // Only once every executable is back: until then a copy may be the one that holds the game.
    void removeMade() {
        for (const auto& copy : made_)
            context_.files.deleteFile(copy);
        made_.clear();
    }

private:
    struct Replaced {
        std::string executable;
        std::optional<std::string> original; // none: there was no executable
    };

    std::string keep(const std::string& executable) {
        constexpr int kMostKept = 100;
        for (int number = 1; number <= kMostKept; ++number) {
            const auto kept = KeptName(executable, number);
            if (!context_.files.fileExists(kept)) {
                makeCopy(executable, kept);
                return kept;
            }
            if (context_.files.sameContent(executable, kept))
                return kept;
        }
        throw platform::FileError("Cannot create file " + KeptName(executable, kMostKept + 1));
    }

    PatchContext& context_;
    std::vector<Replaced> replaced_;
    std::vector<std::string> made_;
};

void PointGameSpyEntry(config::ConfigStore& store, std::string_view key,
                       std::string_view commandLine, const std::string& launcherFolder) {
    if (!store.RegValueExists(RootKey::CurrentUser, key, "Cmdline"))
        return;
    store.WriteRegString(RootKey::CurrentUser, key, "Cmdline", commandLine);
    store.WriteRegString(RootKey::CurrentUser, key, "MRU", "Launcher.exe\n");
    store.WriteRegString(RootKey::CurrentUser, key, "WorkDir", launcherFolder);
}

void RestoreGameSpy(PatchContext& context) {
    auto& store = context.session.store;
    RestoreGameSpyEntry(store, kGameSpyRogueSpearKey, kRogueSpear.executable, context.gameFolder);
    RestoreGameSpyEntry(store, kGameSpyUrbanOpsKey, kUrbanOps.executable, context.gameFolder);
}

void RestoreKali(PatchContext& context) {
    SetKaliLaunchTarget(context.session.store,
                        context.gameFolder + std::string(kRogueSpear.executable));
}

void PointGameSpy(PatchContext& context) {
    auto& store = context.session.store;
    PointGameSpyEntry(store, kGameSpyRogueSpearKey, "Launcher.exe --rs", context.launcherFolder);
    PointGameSpyEntry(store, kGameSpyUrbanOpsKey, "Launcher.exe --uo", context.launcherFolder);
}

void PointKali(PatchContext& context) {
    SetKaliLaunchTarget(context.session.store, context.launcherFolder + "Launcher.exe");
}

// A change of other programs' entries, then its marker. When it fails part-way the entries are
// changed back; when even that fails, the marker says patched, which unpatching undoes whole.
template <class Change, class Undo>
void ChangeEntries(PatchContext& context, std::string_view marker, bool patched, Change change,
                   Undo undo) {
    try {
        change();
        context.session.writeLauncherString(marker, patched ? kMarkerTrue : kMarkerFalse);
    } catch (...) {
        if (!Attempt(undo))
            Attempt([&] { context.session.writeLauncherString(marker, kMarkerTrue); });
        throw;
    }
}

} // namespace

std::string RedirectPath(const PatchContext& context) {
    return context.launcherFolder + "redirect.exe";
}

std::string KeptName(std::string_view executable, int number) {
    const auto slash = executable.find_last_of('\\');
    auto dot = executable.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        dot = executable.size();
    const auto mark =
        number == 1 ? std::string(" (updated)") : " (updated " + std::to_string(number) + ")";
    return std::string(executable.substr(0, dot)) + mark + std::string(executable.substr(dot));
}

void UnpatchZone(PatchContext& context) {
    ExecutableSwap swap(context);
    bool namesWritten = false;
    try {
        for (const auto& game : kGameOrder) {
            const auto backup = context.gameFolder + game.backup;
            if (context.files.fileExists(backup))
                swap.replace(context.gameFolder + game.executable, backup, RedirectPath(context));
        }
        namesWritten = true;
        WriteExecutableNames(context.session, false);
        context.session.writeLauncherString(keys::Patched, kMarkerFalse);
    } catch (...) {
        // The marker still says patched: the backups' names go with it.
        if (swap.undo())
            swap.removeMade();
        if (namesWritten)
            Attempt([&] { WriteExecutableNames(context.session, true); });
        throw;
    }
}

void PatchZone(PatchContext& context) {
    auto& files = context.files;
    std::vector<GameExecutable> present;
    for (const auto& game : kGameOrder)
        if (files.fileExists(context.gameFolder + game.executable))
            present.push_back(game);
    ExecutableSwap swap(context);
    bool namesWritten = false;
    try {
        // Every backup first: the real game is safe before the first executable is replaced. An
        // existing backup is never overwritten.
        for (const auto& game : present)
            if (!files.fileExists(context.gameFolder + game.backup))
                swap.makeCopy(context.gameFolder + game.executable,
                              context.gameFolder + game.backup);
        for (const auto& game : present)
            swap.replace(context.gameFolder + game.executable, RedirectPath(context),
                         context.gameFolder + game.backup);
        namesWritten = true;
        WriteExecutableNames(context.session, true);
        context.session.writeLauncherString(keys::Patched, kMarkerTrue);
    } catch (...) {
        if (swap.undo()) {
            swap.removeMade();
            if (namesWritten)
                Attempt([&] { WriteExecutableNames(context.session, false); });
        } else {
            // What could not be put back stays patched, with every backup in place: the
            // launcher starts the backups and unpatching restores the rest.
            Attempt([&] {
                WriteExecutableNames(context.session, true);
                context.session.writeLauncherString(keys::Patched, kMarkerTrue);
            });
        }
        throw;
    }
}

void UnpatchGameSpy(PatchContext& context) {
    ChangeEntries(
        context, keys::GameSpyPatched, false, [&] { RestoreGameSpy(context); },
        [&] { PointGameSpy(context); });
}

void PatchGameSpy(PatchContext& context) {
    ChangeEntries(
        context, keys::GameSpyPatched, true, [&] { PointGameSpy(context); },
        [&] { RestoreGameSpy(context); });
}

void UnpatchKali(PatchContext& context) {
    ChangeEntries(
        context, keys::KaliPatched, false, [&] { RestoreKali(context); },
        [&] { PointKali(context); });
}

void PatchKali(PatchContext& context) {
    ChangeEntries(
        context, keys::KaliPatched, true, [&] { PointKali(context); },
        [&] { RestoreKali(context); });
}

} // namespace quarl::companions
