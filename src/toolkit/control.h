#pragma once
// The window toolkit contract: plain C++ controls whose properties and events behave the way the
// program's handlers rely on. A view (the Qt binder) mirrors each control through one updater
// callback and feeds user input back through the `user...` / `fire...` entry points.
#include <functional>
#include <string>

namespace tk {

class Form;

/// Which property of a control changed, so that a view repaints only that.
enum class Property { Text, Value, Caption, Enabled, Visible, Font, Colors, ToolTip, Picture, Selection, Locked, List };

/// 24-bit colour in the 0x00BBGGRR layout; `DefaultColor` means "the platform's own colour".
using Color = int;
constexpr Color DefaultColor = -1;
constexpr Color rgb(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

class Control {
public:
    /// Registers the control with `form` under `name` ("tbx_FOV", "tbx_video(3)").
    Control(Form& form, std::string name, bool focusable);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    Form& form() const { return m_form; }
    bool focusable() const { return m_focusable; }

    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    bool visible() const { return m_visible; }
    void setVisible(bool on);
    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(std::string text);

    /// Focus events; fired by the form on every focus move, including moves made by handlers.
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    void fireGotFocus() { if (GotFocus) GotFocus(); }
    void fireLostFocus() { if (LostFocus) LostFocus(); }

    /// Installed by the view; called after every property change.
    void setViewUpdater(std::function<void(Property)> updater) { m_updater = std::move(updater); }

protected:
    void notify(Property p) { if (m_updater) m_updater(p); }

private:
    Form& m_form;
    std::string m_name;
    bool m_focusable;
    bool m_enabled = true;
    bool m_visible = true;
    std::string m_toolTip;
    std::function<void(Property)> m_updater;
};

/// Name of a member of a control array: "tbx_video" and 3 give "tbx_video(3)".
std::string indexedName(const std::string& base, int index);

} // namespace tk
