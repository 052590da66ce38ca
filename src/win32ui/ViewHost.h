#pragma once

#include "platform/MessagePump.h"
#include "platform/win32/WaitSource.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quarl::ui {
class Form;
struct Application;
} // namespace quarl::ui

namespace quarl::win32ui {

class FormView;

// Makes a window's view; called when the window is first shown.
using ViewFactory = std::function<std::unique_ptr<FormView>(class ViewHost&)>;

// All views of the process: creates a window's view when the window is first shown, reconciles
// the views after every dispatch, routes hover hints to the application, shows exceptions that
// reach the dispatch boundary, and runs the message loop.
class ViewHost final : public platform::MessagePump {
public:
    explicit ViewHost(ui::Application& application);
    ~ViewHost() override;

    ui::Application& application() const { return application_; }
    // A view that exists from the start (the main window's).
    void add(FormView& view) { views_.push_back(&view); }
    // A window whose view is made when its form is first shown, owned by the owner's window.
    void addWindow(ui::Form& form, ViewFactory makeView, ui::Form& owner);
    // Makes the views of all windows not shown yet (a check of every template).
    void createAll();
    const std::vector<FormView*>& views() const { return views_; }
    // Runs the events that waited for the one being handled to end, now that none is.
    void runQueued();
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
    // Runs an event; what escapes it is shown.
    void guarded(const std::function<void()>& event);
    bool preTranslate(MSG& message);
    void trackHint(const MSG& message);
    // F1 in one of the views' windows: WM_HELP to that window.
    bool sendHelp(HWND focus);
    void dispatch(MSG& message);
    Waiting waiting() const;
    // Hands a signalled object to its source, as an event dispatched into the model.
    void deliver(platform::win32::WaitSource& source, HANDLE handle);
    // Delivers every object that is signalled now; false when none was.
    bool deliverSignalled();

    struct Window {
        ui::Form* form;
        ViewFactory makeView;
        ui::Form* owner;
        std::unique_ptr<FormView> view;
    };
    void createShownWindows();
    void create(Window& window);

    ui::Application& application_;
    std::vector<FormView*> views_;
    std::vector<Window> windows_;
    std::vector<platform::win32::WaitSource*> sources_;
    bool reconciling_ = false;
};

} // namespace quarl::win32ui
