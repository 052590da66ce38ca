#pragma once

#include <string>

namespace quarl::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Exclamation, Question, Error, Information };
enum class MessageResult { Ok, Yes, No };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 1; // 1 = first button, 2 = second
    friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

// Modal message boxes owned by the launcher's active window.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageResult showMessage(const MessageBoxRequest& request) = 0;
};

} // namespace quarl::platform
