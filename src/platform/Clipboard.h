#pragma once

#include <string>

namespace quarl::platform {

// The system clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts the text on the clipboard as plain text, replacing what was there.
    virtual void copyText(const std::string& text) = 0;
};

// A clipboard for a program without one: the text is dropped.
class NoClipboard final : public Clipboard {
public:
    void copyText(const std::string&) override {}
    static NoClipboard& instance() {
        static NoClipboard clipboard;
        return clipboard;
    }
};

} // namespace quarl::platform
