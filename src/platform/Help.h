#pragma once

#include <string>

namespace quarl::platform {

// The launcher's help file, shown by a help viewer.
class Help {
public:
    virtual ~Help() = default;
    virtual void showContents(const std::string& helpFile) = 0;
    // The keyword index, with no keyword typed.
    virtual void searchKeyword(const std::string& helpFile) = 0;
    virtual void showTopic(const std::string& helpFile, int context) = 0;
    // A topic's short text in a small window near the control it is about.
    virtual void showPopup(const std::string& helpFile, int context) = 0;
};

// Help for a program without a help viewer: every request is dropped.
class NoHelp final : public Help {
public:
    void showContents(const std::string&) override {}
    void searchKeyword(const std::string&) override {}
    void showTopic(const std::string&, int) override {}
    void showPopup(const std::string&, int) override {}

    static NoHelp& instance() {
        static NoHelp help;
        return help;
    }
};

} // namespace quarl::platform
