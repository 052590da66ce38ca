#include "mods/ModList.h"

#include "app/Launcher.h"

namespace quarl::mods {

void FillModList(app::Launcher&) {}

void SaveModSelection(app::Launcher&) {}

void RestoreLastMod(app::Launcher&) {}

void UseModClick(app::Launcher& launcher) {
    auto& main = launcher.frmMain;
    main.ListBox1.enabled = main.chkUseMod.checked();
    main.mnuModInfo.enabled = main.chkUseMod.checked();
}

} // namespace quarl::mods
