#pragma once
// The generic binder: one real widget per toolkit control. It paints every property change of the
// model and turns the user's typing, clicking, picking and focus moves into the model's events.
// It knows nothing about settings; pages only decide where the widgets stand.
#include <QObject>
#include <QPointer>
#include <map>

#include "toolkit/form.h"

class QWidget;
class QLineEdit;
class QCheckBox;
class QRadioButton;
class QComboBox;
class QPushButton;
class QLabel;
class QPlainTextEdit;

namespace tk {
class TextBox;
class CheckBox;
class OptionButton;
class ComboBox;
class CommandButton;
class Label;
class PictureBox;
class RichTextBox;
class Timer;
} // namespace tk

namespace brevane::qt {

class PictureWidget;

class Binder : public QObject {
    Q_OBJECT
public:
    explicit Binder(tk::Form& form, QObject* parent = nullptr);
    ~Binder() override;

    QLineEdit* textBox(tk::TextBox& box);
    QCheckBox* checkBox(tk::CheckBox& box);
    QRadioButton* optionButton(tk::OptionButton& button);
    QComboBox* comboBox(tk::ComboBox& box);
    /// `compact` makes the small square plus / minus buttons beside numeric boxes.
    QPushButton* button(tk::CommandButton& button, bool compact = false);
    QLabel* label(tk::Label& label);
    PictureWidget* picture(tk::PictureBox& box);
    QPlainTextEdit* richText(tk::RichTextBox& box);
    /// Runs a real clock for the timer while it is enabled.
    void timer(tk::Timer& timer);

    /// The widget bound to `control`, or nullptr.
    QWidget* widgetFor(const tk::Control* control) const;
    /// The control bound to `widget`, or nullptr.
    tk::Control* controlFor(const QWidget* widget) const;

private:
    void track(tk::Control& control, QWidget* widget);
    void onQtFocusChanged(QWidget* old, QWidget* now);

    tk::Form& m_form;
    std::map<const tk::Control*, QPointer<QWidget>> m_widgets;
    std::map<const QWidget*, tk::Control*> m_controls;
    bool m_followingModel = false;
};

} // namespace brevane::qt
