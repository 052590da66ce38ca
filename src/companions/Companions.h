#pragma once

namespace quarl::app {
class Launcher;
}

namespace quarl::companions {

// At the first paint: enables the buttons and menu items of the companion programs found.
void DetectCompanions(app::Launcher& launcher);

} // namespace quarl::companions
