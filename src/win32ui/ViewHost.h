#pragma once

#include "platform/MessagePump.h"
#include "platform/win32/WaitSource.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quarl::ui {
struct Application;
}

namespace quarl::win32ui {

class FormView;

// All views of the process: reconciles them after every dispatch, routes hover hints to the
// application, shows exceptions that reach the dispatch boundary, and runs the message loop.
class ViewHost final : public platform::MessagePump {
public:
    explicit ViewHost(ui::Application& application) : application_(application) {}

    void add(FormView& view) { views_.push_back(&view); }
    // Kernel objects the loop waits on beside the messages (echo replies).
    void addWaitSource(platform::win32::WaitSource& source) { sources_.push_back(&source); }
    void reconcileAll();
    void pullTexts();
    void setHint(const std::string& hint);
    // The "toolkit's generic error box" for an exception that escaped an event handler.
    void showError(const char* what);
    // Runs an event that reaches the model outside the views (a hand-over from another start):
    // what escapes it is shown, then every view is brought up to date.
    void dispatch(const std::function<void()>& event);

    void processPendingMessages() override;
    // Runs until WM_QUIT; returns its exit code.
    int run();

private:
    struct Waiting {
        std::vector<HANDLE> handles;
        std::vector<platform::win32::WaitSource*> sources;
    };
    bool preTranslate(MSG& message);
    void trackHint(const MSG& message);
    void dispatch(MSG& message);
    Waiting waiting() const;
    // Hands a signalled object to its source, as an event dispatched into the model.
    void deliver(platform::win32::WaitSource& source, HANDLE handle);
    // Delivers every object that is signalled now; false when none was.
    bool deliverSignalled();

    ui::Application& application_;
    std::vector<FormView*> views_;
    std::vector<platform::win32::WaitSource*> sources_;
    bool reconciling_ = false;
};

} // namespace quarl::win32ui
