#pragma once

#include "config/Session.h"
#include "ui/Controls.h"

#include <string>

namespace quarl::net {

// Fills the address field's list from the server address history, its text from the newest.
void LoadServerHistory(const config::Session& session, ui::ComboBox& txtIPAddress);
// Records an address in the server address history.
void RecordServerAddress(config::Session& session, const std::string& address);

} // namespace quarl::net
