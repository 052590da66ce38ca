#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

#include <windows.h>

#include <string>
#include <vector>

namespace quarl::win32ui {

class ViewHost;

// The native view of one form: a dialog from a template, one table binding control IDs to
// model controls, and two directions only: native notifications become model calls, and after
// every dispatch the host reconciles, pushing what differs from the model into the controls.
class FormView {
public:
    FormView(ViewHost& host, ui::Form& form, int dialogId);
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;
    virtual ~FormView() = default;

    // Creates the (hidden) window.
    HWND create(HWND owner);
    HWND hwnd() const { return hwnd_; }

    void reconcile();
    // Reads what the player typed into the model's text fields (a field's change notification
    // is not always sent, e.g. for text set by another program).
    void pullTexts();
    // The hint of whatever lies under the given point, or nullptr when nothing with a hint does.
    const std::string* hintAt(HWND target, POINT screen) const;
    const std::string* commandHint(int id) const;

protected:
    enum class CommandKind { Menu, Toolbar };

    void bind(int id, ui::Control& control);
    void bindCommand(int id, ui::Button& command, CommandKind kind);
    void bindTimer(UINT_PTR id, ui::Timer& timer);
    void setToolbar(HWND toolbar) { toolbar_ = toolbar; }
    HWND toolbar() const { return toolbar_; }
    // The screen's dots per inch (96 when unknown).
    int dpi() const;
    // Resizes the window for a client area of the given size at 96 DPI, scaled to the screen's.
    // Centred on the screen when asked, otherwise where it is.
    void sizeClientArea(int width, int height, bool centre) const;

    // Called once the window exists, before the first reconcile.
    virtual void onCreate() {}
    // The model closed the form (its close event has run).
    virtual void onClosed() {}
    // After each reconcile: what the binding table does not cover (a window position).
    virtual void onReconciled() {}
    // Messages the form handles itself; return true when handled.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    ViewHost& host_;

private:
    enum class Kind {
        CheckBox,
        RadioButton,
        Button,
        Edit,
        ComboBox,
        ListBox,
        Label,
        Image,
        StatusBar,
        Other
    };
    struct Binding {
        int id = 0;
        HWND hwnd = nullptr;
        Kind kind = Kind::Other;
        ui::Control* control = nullptr;
        bool pushed = false; // false until the first reconcile
        bool enabled = true;
        bool visible = true;
        int check = -1;
        std::string text;
        std::vector<std::string> items;
        std::vector<bool> selected;
        int itemIndex = -1;
        bool multiSelect = false;
        unsigned maxLength = 0;
    };
    struct CommandBinding {
        int id;
        ui::Button* command;
        CommandKind kind;
        int enabled = -1;
    };
    struct TimerBinding {
        UINT_PTR id;
        ui::Timer* timer;
        bool running = false;
        unsigned interval = 0;
        unsigned starts = 0;
    };

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool dispatchCommand(int id, int code, HWND control);
    void reconcileControl(Binding& binding);
    void reconcileList(Binding& binding);
    void pullListSelection(Binding& binding);
    void recreateListBox(Binding& binding, bool multiSelect);
    Binding* findBinding(HWND hwnd);
    const Binding* findBinding(HWND hwnd) const;

    ui::Form& form_;
    int dialogId_;
    HWND hwnd_ = nullptr;
    HWND toolbar_ = nullptr;
    bool reconciling_ = false;
    std::string caption_;
    int visible_ = -1;
    int enabled_ = -1;
    bool closed_ = false;
    std::vector<Binding> bindings_;
    std::vector<CommandBinding> commands_;
    std::vector<TimerBinding> timers_;
};

} // namespace quarl::win32ui
