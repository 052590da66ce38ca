#pragma once

#include "base/ScopeExit.h"
#include "ui/Controls.h"

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
};

// Application-wide state the toolkit keeps: the title, the help file and the current hint.
struct Application {
    std::string title;
    std::string helpFile;
    Handler onHint;

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
};

} // namespace quarl::ui
