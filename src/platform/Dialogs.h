#pragma once

#include <string>
#include <utility>

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

// An open-file dialog: which files it lists and the name it starts with.
struct OpenFileRequest {
    // Pairs of description and patterns, all separated by '|': "Programs|*.exe; *.com".
    std::string filter;
    std::string defaultExtension; // without the dot, added to a name typed without one
    std::string fileName;         // a full path opens the dialog in its folder
    friend bool operator==(const OpenFileRequest&, const OpenFileRequest&) = default;
};

enum class OpenFileOutcome {
    Chosen,
    Cancelled,
    NameRefused, // the dialog did not open: it refused the name it was to start with
};

struct OpenFileResult {
    OpenFileOutcome outcome = OpenFileOutcome::Cancelled;
    std::string path; // the chosen file's full path
    friend bool operator==(const OpenFileResult&, const OpenFileResult&) = default;
};

// Modal dialogs owned by the launcher's active window.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageResult showMessage(const MessageBoxRequest& request) = 0;
    virtual OpenFileResult openFile(const OpenFileRequest& request) = 0;
};

// The launcher's usual failure box: the text under the caption "Error!", an exclamation icon and
// an OK button.
inline void ShowError(Dialogs& dialogs, std::string text) {
    dialogs.showMessage(
        {std::move(text), "Error!", MessageButtons::Ok, MessageIcon::Exclamation, 1});
}

} // namespace quarl::platform
