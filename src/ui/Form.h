#pragma once

#include "base/ScopeExit.h"
#include "ui/Controls.h"

#include <deque>
#include <string>
#include <utility>

namespace quarl::ui {

// One window's model. Windows are created once at start and shown and hidden, never rebuilt.
class Form {
public:
    explicit Form(std::string formName, std::string formCaption)
        : name(std::move(formName)), caption(std::move(formCaption)) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    std::string name;
    std::string caption;
    bool enabled = true;

    bool visible() const { return visible_; }
    void show() {
        if (visible_)
            return;
        visible_ = true;
        FormShow();
    }
    // Shows the form over its owner: the owner is disabled, and hidden when asked, until this
    // form closes, however it closes.
    void showModal(Form& owner, bool hideOwner = false) {
        modalOwner_ = &owner;
        hidesOwner_ = hideOwner;
        owner.enabled = false;
        if (hideOwner)
            owner.hide();
        show();
    }
    void hide() { visible_ = false; }
    // A close the user asks for (the close box, Alt+F4): the form may refuse it.
    void requestClose() {
        if (FormCloseQuery())
            close();
    }
    // Closing hides the window after its close event; the main window's close ends the program.
    // The form closes even when its close event fails: the failure still reaches the caller,
    // which shows it, but a window that cannot save must not become one that cannot close.
    void close() {
        base::ScopeExit closed([this] {
            visible_ = false;
            closed_ = true;
            releaseOwner();
        });
        FormClose();
    }
    bool closed() const { return closed_; }

    // Asks for the window in front of the others, with the keyboard focus in the control when
    // one is given; the view carries it out after the event.
    void bringToFront(const Control* focus = nullptr) {
        ++frontRequests_;
        focusRequest_ = focus;
    }
    unsigned frontRequests() const { return frontRequests_; }
    const Control* focusRequest() const { return focusRequest_; }

protected:
    virtual void FormShow() {}
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}

private:
    void releaseOwner() {
        if (!modalOwner_)
            return;
        auto& owner = *std::exchange(modalOwner_, nullptr);
        owner.enabled = true;
        if (hidesOwner_)
            owner.show();
    }

    bool visible_ = false;
    bool closed_ = false;
    Form* modalOwner_ = nullptr;
    bool hidesOwner_ = false;
    unsigned frontRequests_ = 0;
    const Control* focusRequest_ = nullptr;
};

// Application-wide state the toolkit keeps: the title, the help file, the current hint, and
// the events waiting for the one being handled to end.
struct Application {
    std::string title;
    std::string helpFile;
    Handler onHint;

    // An event being handled, for as long as it lives. Events nest: a message box or a step
    // that lets pending messages run starts a loop of its own inside the current event.
    class EventScope {
    public:
        explicit EventScope(Application& application) : application_(application) {
            application_.beginEvent();
        }
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;
        ~EventScope() { application_.endEvent(); }

    private:
        Application& application_;
    };
    void beginEvent() { ++depth_; }
    void endEvent() { --depth_; }
    bool idle() const { return depth_ == 0; }
    bool hasQueued() const { return !queued_.empty(); }

    // Runs an event that comes from outside (a hand-over from another start) at once when no
    // event is being handled, and otherwise queues it until the outermost one has ended: it
    // must not run half-way through another.
    void whenIdle(Handler event) {
        if (!idle()) {
            queued_.push_back(std::move(event));
            return;
        }
        EventScope scope(*this);
        event();
    }
    // Runs the next queued event, as an event of its own; false when none is queued or an
    // event is still being handled. An exception leaves the rest queued.
    bool runNextQueued() {
        if (!idle() || queued_.empty())
            return false;
        auto event = std::move(queued_.front());
        queued_.pop_front();
        EventScope scope(*this);
        event();
        return true;
    }
    void runQueued() {
        while (runNextQueued()) {
        }
    }

    const std::string& hint() const { return hint_; }
    void setHint(std::string value) {
        if (value == hint_)
            return;
        hint_ = std::move(value);
        if (onHint)
            onHint();
    }

private:
    std::string hint_;
    int depth_ = 0;
    std::deque<Handler> queued_;
};

} // namespace quarl::ui
