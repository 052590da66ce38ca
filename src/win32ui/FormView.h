#pragma once

#include "app/WindowPosition.h"
#include "config/ConfigStore.h"
#include "ui/Form.h"
#include "win32ui/bindings/Binding.h"
#include "win32ui/bindings/CommandBinding.h"
#include "win32ui/bindings/TimerBinding.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace quarl::win32ui {

class ViewHost;
class PlacementKeeper;

// The native view of one form: a dialog from the form's template, its controls bound to the
// model's (one binding per control, of the binding class for its kind), and two directions
// only: native notifications become model calls, and after every dispatch the host reconciles,
// pushing what differs from the model into the controls.
class FormView {
public:
    FormView(ViewHost& host, ui::Form& form, int dialogId);
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;
    virtual ~FormView();

    // Creates the (hidden) window.
    HWND create(HWND owner);
    HWND hwnd() const { return hwnd_; }
    ui::Form& form() const { return form_; }

    void reconcile();
    // Reads what the player typed into the model's text fields.
    void pullTexts();
    // The hint of whatever lies under the given point, or nullptr when nothing with a hint does.
    const std::string* hintAt(HWND target, POINT screen) const;
    const std::string* commandHint(int id) const;
    // The IDs the view bound that its template lacks; empty when view and template agree.
    const std::vector<int>& missingControls() const { return missing_; }
    // The dots per inch the window is laid out for.
    int dpi() const { return dpi_; }

protected:
    // Binds a template control to a model control; the binding class follows from the model
    // control's kind (an overload of MakeBinding, found through BindingSite).
    template <class Model> void bind(int id, Model& control) {
        const HWND window = findItem(id);
        const BindingSite site{window ? GetParent(window) : hwnd_, id, window, &dpi_};
        if (!site.window) {
            missing_.push_back(id);
            return;
        }
        bindings_.push_back(MakeBinding(site, control));
    }
    void bindCommand(int id, ui::Button& command, CommandKind kind);
    void bindTimer(UINT_PTR id, ui::Timer& timer);
    // The window's position is remembered under the keeper's key: restored once the window
    // exists (call from onCreate), saved when it is destroyed.
    void keepPosition(config::ConfigStore& store, const app::PositionKeeper& keeper);
    void setToolbar(HWND toolbar) { toolbar_ = toolbar; }
    // The launcher's icon in the window's caption and task bar button.
    void setLauncherIcon() const;
    HWND toolbar() const { return toolbar_; }
    // Esc clicks this button (OK or Cancel): a window without a close box still has a way out.
    void setEscapeButton(ui::Button& button) { escapeButton_ = &button; }
    // Resizes the window for a client area of the given size at 96 DPI, scaled to the window's.
    // Centred on the screen when asked, otherwise where it is.
    void sizeClientArea(int width, int height, bool centre) const;

    // A child dialog of the window from a template (a page of a notebook), given an ID; its
    // controls are found by findItem and bound as the window's, and scale with the window.
    HWND createPage(int templateId, int id);
    // A control of the window by its ID: the dialog's own or a page's.
    virtual HWND findItem(int id) const;
    // The model control of a window, or of the nearest window around it that is bound.
    const ui::Control* controlOf(HWND window) const;

    // Called once the window exists, before the first reconcile.
    virtual void onCreate() {}
    // The model closed the form (its close event has run).
    virtual void onClosed() {}
    // After each reconcile: what the binding table does not cover (a window position).
    virtual void onReconciled() {}
    // The window moved to a screen of another scale and its controls and fonts were scaled:
    // what the template does not cover (bitmaps, controls made in code).
    virtual void onDpiChanged() {}
    // Messages the form handles itself; return true when handled.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    ViewHost& host_;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool dispatchCommand(int id, int code, HWND control);
    void rescale(int dpi, const RECT& suggested);
    Binding* findBinding(HWND hwnd) const;
    Binding* findBindingAround(HWND hwnd) const;
    // The bound control under a point on the screen: the smallest visible one, so that a label
    // wins over the group box around it and a control over its page.
    Binding* bindingAt(POINT screen) const;
    // The right-click menu of the control the player right-clicked, when it has one.
    void showPopupMenu(HWND clicked, LPARAM position);
    void showOrHide(bool visible);
    void comeToFront();
    // The binding a message the dialog receives on a control's behalf is for, or nullptr.
    Binding* bindingFor(UINT message, WPARAM wParam, LPARAM lParam) const;

    ui::Form& form_;
    int dialogId_;
    HWND hwnd_ = nullptr;
    HWND toolbar_ = nullptr;
    ui::Button* escapeButton_ = nullptr;
    int dpi_ = 96;
    HFONT font_ = nullptr;     // the controls' font once rescaled; the template's until then
    HWND refusedBy_ = nullptr; // the foreground window that kept it when this one asked last
    bool reconciling_ = false;
    std::string caption_;
    int visible_ = -1;
    bool shown_ = false;
    unsigned frontRequests_ = 0;
    std::unique_ptr<PlacementKeeper> placement_;
    int enabled_ = -1;
    bool closed_ = false;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::vector<CommandBinding> commands_;
    std::vector<TimerBinding> timers_;
    std::vector<int> missing_;
    std::vector<HWND> pages_;
};

// The dots per inch of the screen a window is on (the system's where Windows cannot tell).
int WindowDpi(HWND window);

} // namespace quarl::win32ui
