#pragma once

#include "platform/Dialogs.h"
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

// Message boxes answered from a script; every box shown is recorded. With no scripted answer
// the default button is taken, as a player pressing Enter would.
class FakeDialogs final : public Dialogs {
public:
    MessageResult showMessage(const MessageBoxRequest& request) override;
    void answerNext(MessageResult answer) { answers_.push_back(answer); }
    const std::vector<MessageBoxRequest>& shown() const { return shown_; }

private:
    std::deque<MessageResult> answers_;
    std::vector<MessageBoxRequest> shown_;
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

// Records every help topic asked for.
class FakeHelp final : public Help {
public:
    void showTopic(int topic) override { topics_.push_back(topic); }
    const std::vector<int>& topics() const { return topics_; }

private:
    std::vector<int> topics_;
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
