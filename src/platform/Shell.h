#pragma once

#include <string>

namespace quarl::platform {

// The window a started program shows first, as the Windows show commands number them.
enum class ShowCommand { Normal = 1, Show = 5, MinimizedNoActivate = 7 };

// A request to the Windows shell: open a program, document or web address. The result is not
// examined; outside programs are started and never waited for.
struct ShellRequest {
    std::string verb; // "OPEN", or empty for the default verb
    std::string file;
    std::string parameters;
    std::string folder; // working folder
    ShowCommand show = ShowCommand::Normal;
    friend bool operator==(const ShellRequest&, const ShellRequest&) = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const ShellRequest& request) = 0;
};

} // namespace quarl::platform
