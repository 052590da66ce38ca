#pragma once

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/LocalAddresses.h"
#include "platform/Help.h"
#include "platform/MessagePump.h"
#include "platform/Shell.h"
#include "platform/WindowMessages.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quarl::platform::fake {

// Message boxes and open-file dialogs answered from a script; every one shown is recorded.
// With no scripted answer a message box takes its default button, as a player pressing Enter
// would, and an open-file dialog is cancelled.
class FakeDialogs final : public Dialogs {
public:
    MessageResult showMessage(const MessageBoxRequest& request) override;
    void answerNext(MessageResult answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxRequest>& shown() const { return shown_; }

    OpenFileResult openFile(const OpenFileRequest& request) override;
    void answerNextFile(OpenFileResult answer) { fileAnswers_.push_back(std::move(answer)); }
    const std::vector<OpenFileRequest>& fileRequests() const { return fileRequests_; }

private:
    std::deque<MessageResult> answers_;
    std::vector<MessageBoxRequest> shown_;
    std::deque<OpenFileResult> fileAnswers_;
    std::vector<OpenFileRequest> fileRequests_;
};

// Records every help request instead of showing anything.
class FakeHelp final : public Help {
public:
    enum class Kind { Contents, Keyword, Topic, Popup };
    struct Call {
        Kind kind;
        std::string helpFile;
        int context = 0;
        friend bool operator==(const Call&, const Call&) = default;
    };
    void showContents(const std::string& helpFile) override {
        calls_.push_back({Kind::Contents, helpFile, 0});
    }
    void searchKeyword(const std::string& helpFile) override {
        calls_.push_back({Kind::Keyword, helpFile, 0});
    }
    void showTopic(const std::string& helpFile, int context) override {
        calls_.push_back({Kind::Topic, helpFile, context});
    }
    void showPopup(const std::string& helpFile, int context) override {
        calls_.push_back({Kind::Popup, helpFile, context});
    }
    const std::vector<Call>& calls() const { return calls_; }

private:
    std::vector<Call> calls_;
};

// Keeps what was copied last.
class FakeClipboard final : public Clipboard {
public:
    void copyText(const std::string& text) override { text_ = text; }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Answers with the addresses a test sets, and counts the look-ups.
class FakeLocalAddresses final : public LocalAddresses {
public:
    std::vector<std::string> addresses;
    std::vector<std::string> find() override {
        ++lookups_;
        return addresses;
    }
    int lookups() const { return lookups_; }

private:
    int lookups_ = 0;
};

// Counts the points where pending messages would run; a test can run its own code there.
class FakeMessagePump final : public MessagePump {
public:
    void processPendingMessages() override;
    int calls() const { return calls_; }
    std::function<void()> onPump;

private:
    int calls_ = 0;
};

// Records every shell request instead of starting anything.
class FakeShell final : public Shell {
public:
    void open(const ShellRequest& request) override { opened_.push_back(request); }
    const std::vector<ShellRequest>& opened() const { return opened_; }

private:
    std::vector<ShellRequest> opened_;
};

// Windows of other programs that a test puts in place; every message sent is recorded.
class FakeWindowMessages final : public WindowMessages {
public:
    struct Sent {
        std::uintptr_t window;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        friend bool operator==(const Sent&, const Sent&) = default;
    };
    // Puts a window in place; returns its handle.
    std::uintptr_t addWindow(std::string className, std::string title);
    void bringToFront() override { ++broughtToFront_; }
    int broughtToFront() const { return broughtToFront_; }
    std::uintptr_t findWindow(std::string_view className, std::string_view title) override;
    void sendMessage(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
    const std::vector<Sent>& sent() const { return sent_; }

private:
    std::map<std::pair<std::string, std::string>, std::uintptr_t> windows_;
    std::vector<Sent> sent_;
    int broughtToFront_ = 0;
};

} // namespace quarl::platform::fake
