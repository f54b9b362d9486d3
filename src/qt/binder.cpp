#include "qt/binder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

#include "qt/bound_line_edit.h"
#include "qt/picture_widget.h"
#include "qt/qt_text.h"
#include "qt/raw_text.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/command_button.h"
#include "toolkit/option_button.h"
#include "toolkit/picture_box.h"
#include "toolkit/rich_text_box.h"
#include "toolkit/text_box.h"
#include "toolkit/timer.h"

namespace brevane::qt {

namespace {
void applyColors(QWidget* w, tk::Color back, tk::Color fore) {
    QPalette palette = w->palette();
    QPalette standard = QApplication::palette(w);
    palette.setColor(QPalette::Base, back == tk::DefaultColor ? standard.color(QPalette::Base) : toQColor(back));
    palette.setColor(QPalette::Text, fore == tk::DefaultColor ? standard.color(QPalette::Text) : toQColor(fore));
    w->setPalette(palette);
}
} // namespace

Binder::Binder(tk::Form& form, QObject* parent) : QObject(parent), m_form(form) {
    connect(qApp, &QApplication::focusChanged, this, &Binder::onQtFocusChanged);
    m_form.setFocusObserver([this](tk::Control* control) {
        QWidget* w = widgetFor(control);
        if (!w || w == QApplication::focusWidget()) return;
        m_followingModel = true;
        w->setFocus(Qt::OtherFocusReason);
        m_followingModel = false;
    });
}

Binder::~Binder() { m_form.setFocusObserver(nullptr); }

void Binder::track(tk::Control& control, QWidget* widget) {
    widget->setObjectName(QString::fromStdString(control.name()));
    m_widgets[&control] = widget;
    m_controls[widget] = &control;
    widget->setEnabled(control.enabled());
    if (!control.toolTip().empty()) widget->setToolTip(toQt(control.toolTip()));
    connect(widget, &QObject::destroyed, this, [this, &control, widget] {
        m_widgets.erase(&control);
        m_controls.erase(widget);
        control.setViewUpdater(nullptr);
    });
}

void Binder::onQtFocusChanged(QWidget*, QWidget* now) {
    if (m_followingModel || !now) return; // the window losing activation moves no focus in the model
    // A combo box's inner line edit stands for the combo box.
    for (QWidget* w = now; w; w = w->parentWidget()) {
        if (tk::Control* control = controlFor(w)) {
            m_form.setFocus(control);
            return;
        }
        if (w->isWindow()) break;
    }
    m_form.setFocus(nullptr);
}

QWidget* Binder::widgetFor(const tk::Control* control) const {
    auto it = m_widgets.find(control);
    return it == m_widgets.end() ? nullptr : it->second.data();
}

tk::Control* Binder::controlFor(const QWidget* widget) const {
    auto it = m_controls.find(widget);
    return it == m_controls.end() ? nullptr : it->second;
}

QLineEdit* Binder::textBox(tk::TextBox& box) {
    auto* edit = new BoundLineEdit(box);
    track(box, edit);
    auto paint = [edit, &box](tk::Property p) {
        switch (p) {
        case tk::Property::Text: {
            edit->setEchoMode(box.passwordChar() ? QLineEdit::Password : QLineEdit::Normal);
            QString text = toQt(box.text());
            if (edit->text() != text) edit->setText(text);
            break;
        }
        case tk::Property::Locked: edit->setReadOnly(box.locked()); break;
        case tk::Property::Font: {
            QFont font = edit->font();
            font.setBold(box.fontBold());
            if (box.fontSize() > 0) font.setPointSizeF(box.fontSize());
            else font.setPointSizeF(QApplication::font().pointSizeF());
            edit->setFont(font);
            break;
        }
        case tk::Property::Colors: applyColors(edit, box.backColor(), box.foreColor()); break;
        case tk::Property::Enabled: edit->setEnabled(box.enabled()); break;
        case tk::Property::Visible: edit->setVisible(box.visible()); break;
        case tk::Property::ToolTip: edit->setToolTip(toQt(box.toolTip())); break;
        default: break;
        }
    };
    box.setViewUpdater(paint);
    for (auto p : {tk::Property::Text, tk::Property::Locked, tk::Property::Font, tk::Property::Colors}) paint(p);
    connect(edit, &QLineEdit::textEdited, this, [&box](const QString& text) { box.userTypes(fromQt(text)); });
    return edit;
}

QCheckBox* Binder::checkBox(tk::CheckBox& box) {
    auto* check = new QCheckBox(toQt(box.caption()));
    track(box, check);
    auto paint = [check, &box](tk::Property p) {
        if (p == tk::Property::Value) check->setChecked(box.checked());
        else if (p == tk::Property::Caption) check->setText(toQt(box.caption()));
        else if (p == tk::Property::Enabled) check->setEnabled(box.enabled());
        else if (p == tk::Property::Visible) check->setVisible(box.visible());
    };
    box.setViewUpdater(paint);
    paint(tk::Property::Value);
    connect(check, &QCheckBox::clicked, this, [&box](bool on) { box.setChecked(on); });
    return check;
}

QRadioButton* Binder::optionButton(tk::OptionButton& button) {
    auto* radio = new QRadioButton(toQt(button.caption()));
    radio->setAutoExclusive(false); // the model's group decides
    track(button, radio);
    auto paint = [radio, &button](tk::Property p) {
        if (p == tk::Property::Value) radio->setChecked(button.value());
        else if (p == tk::Property::Enabled) radio->setEnabled(button.enabled());
    };
    button.setViewUpdater(paint);
    paint(tk::Property::Value);
    connect(radio, &QRadioButton::clicked, this, [radio, &button] {
        button.setValue(true);
        radio->setChecked(button.value());
    });
    return radio;
}

QComboBox* Binder::comboBox(tk::ComboBox& box) {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    track(box, combo);
    auto paint = [combo, &box](tk::Property p) {
        QSignalBlocker block(combo);
        if (p == tk::Property::List) {
            combo->clear();
            for (const auto& entry : box.list()) combo->addItem(toQt(entry));
        }
        if (p == tk::Property::List || p == tk::Property::Text) {
            QString text = toQt(box.text());
            if (combo->currentText() != text) combo->setEditText(text);
        }
        if (p == tk::Property::Enabled) combo->setEnabled(box.enabled());
    };
    box.setViewUpdater(paint);
    paint(tk::Property::List);
    connect(combo, &QComboBox::activated, this, [&box](int index) { box.userPicks(index); });
    connect(combo->lineEdit(), &QLineEdit::textEdited, this,
            [&box](const QString& text) { box.userTypes(fromQt(text)); });
    return combo;
}

QPushButton* Binder::button(tk::CommandButton& model, bool compact) {
    auto* push = new QPushButton(toQt(model.caption()));
    track(model, push);
    if (compact) {
        push->setFixedSize(20, 20);
        push->setFocusPolicy(Qt::ClickFocus);
        push->setAutoRepeat(true);
        push->setAutoRepeatDelay(400);
        push->setAutoRepeatInterval(90);
    }
    model.setViewUpdater([push, &model](tk::Property p) {
        if (p == tk::Property::Caption) push->setText(toQt(model.caption()));
        else if (p == tk::Property::Enabled) push->setEnabled(model.enabled());
    });
    connect(push, &QPushButton::clicked, this, [&model] { model.userClicks(); });
    return push;
}

QLabel* Binder::label(tk::Label& model) {
    auto* text = new QLabel(toQt(model.caption()));
    track(model, text);
    auto paint = [text, &model](tk::Property p) {
        if (p == tk::Property::Caption) text->setText(toQt(model.caption()));
        if (p == tk::Property::Colors && model.foreColor() != tk::DefaultColor) {
            QPalette palette = text->palette();
            palette.setColor(QPalette::WindowText, toQColor(model.foreColor()));
            text->setPalette(palette);
        }
    };
    model.setViewUpdater(paint);
    paint(tk::Property::Colors);
    return text;
}

PictureWidget* Binder::picture(tk::PictureBox& box) {
    auto* picture = new PictureWidget;
    track(box, picture);
    auto paint = [picture, &box](tk::Property p) {
        if (p == tk::Property::Picture)
            picture->showFile(QString::fromStdString(box.picture()), QString::fromStdString(box.fallbackPicture()));
        if (p == tk::Property::Colors && box.backColor() != tk::DefaultColor) {
            picture->setAutoFillBackground(true);
            QPalette palette = picture->palette();
            palette.setColor(QPalette::Window, toQColor(box.backColor()));
            picture->setPalette(palette);
        }
    };
    box.setViewUpdater(paint);
    paint(tk::Property::Picture);
    paint(tk::Property::Colors);
    return picture;
}

QPlainTextEdit* Binder::richText(tk::RichTextBox& box) {
    auto* edit = new QPlainTextEdit;
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setTabChangesFocus(true);
    track(box, edit);
    auto updating = std::make_shared<bool>(false);
    auto paint = [edit, &box, updating](tk::Property p) {
        *updating = true;
        if (p == tk::Property::Text) edit->setPlainText(toDisplayText(box.text()));
        if (p == tk::Property::Text || p == tk::Property::Selection) {
            QTextCursor cursor = edit->textCursor();
            int start = displayOffset(box.text(), box.selStart());
            int end = displayOffset(box.text(), box.selStart() + box.selLength());
            cursor.setPosition(start);
            cursor.setPosition(end, QTextCursor::KeepAnchor);
            edit->setTextCursor(cursor);
            edit->ensureCursorVisible();
        }
        *updating = false;
    };
    box.setViewUpdater(paint);
    paint(tk::Property::Text);
    connect(edit, &QPlainTextEdit::textChanged, this, [edit, &box, updating] {
        if (!*updating) box.userTypes(fromDisplayText(edit->toPlainText()));
    });
    connect(edit, &QPlainTextEdit::cursorPositionChanged, this, [edit, &box, updating] {
        if (*updating) return;
        QTextCursor cursor = edit->textCursor();
        long start = byteOffset(box.text(), cursor.selectionStart());
        long end = byteOffset(box.text(), cursor.selectionEnd());
        box.userSelects(start, end - start);
    });
    return edit;
}

void Binder::timer(tk::Timer& model) {
    auto* clock = new QTimer(this);
    auto paint = [clock, &model] {
        if (model.enabled() && model.interval() > 0) {
            if (!clock->isActive() || clock->interval() != model.interval()) clock->start(model.interval());
        } else {
            clock->stop();
        }
    };
    model.setViewUpdater(paint);
    paint();
    connect(clock, &QTimer::timeout, this, [&model] { model.fire(); });
}

} // namespace brevane::qt
