#pragma once

#include "ui/Controls.h"

#include <string>

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
    void hide() { visible_ = false; }
    // A close the user asks for (the close box, Alt+F4): the form may refuse it.
    void requestClose() {
        if (FormCloseQuery())
            close();
    }
    // Closing hides the window after its close event; the main window's close ends the program.
    void close() {
        FormClose();
        visible_ = false;
        closed_ = true;
    }
    bool closed() const { return closed_; }

protected:
    virtual void FormShow() {}
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}

private:
    bool visible_ = false;
    bool closed_ = false;
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
