#pragma once

namespace quarl::platform {

// The help viewer on the launcher's help file.
class Help {
public:
    virtual ~Help() = default;
    // Opens the help file at the topic of that context number.
    virtual void showTopic(int topic) = 0;
};

// Help that shows nothing, for a program that has no help viewer yet.
inline Help& NoHelp() {
    static struct None final : Help {
        void showTopic(int) override {}
    } none;
    return none;
}

} // namespace quarl::platform
