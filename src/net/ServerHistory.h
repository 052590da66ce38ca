#pragma once

namespace quarl::app {
class Launcher;
}

namespace quarl::net {

// Fills the address field's list from the server address history.
void LoadServerHistory(app::Launcher& launcher);
// Records the address field's text in the server address history.
void RecordServerAddress(app::Launcher& launcher);

} // namespace quarl::net
