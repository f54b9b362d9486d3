#include "qt/about_window.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "app/frm_about.h"
#include "qt/binder.h"
#include "qt/picture_widget.h"
#include "qt/qt_text.h"

namespace brevane::qt {

namespace {
// Twips to pixels at 96 dots per inch.
constexpr int px(int twips) {
    return twips / 15;
}

void styleLabel(QLabel *label, double points, Qt::Alignment alignment, bool underline = false) {
    QFont font("Verdana");
    font.setPointSizeF(points);
    font.setBold(true);
    font.setUnderline(underline);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
}

/// `Line1(n)`: a light blue rule.
QWidget *rule(QWidget *parent, int n, int x1Twips, int x2Twips, int yTwips) {
    auto *line = new QWidget(parent);
    line->setObjectName(QString("Line1(%1)").arg(n));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, toQColor(kAboutLightBlue));
    line->setPalette(palette);
    line->setGeometry(px(x1Twips), px(yTwips), px(x2Twips - x1Twips), 1);
    return line;
}

QWidget *darkFrame(QWidget *parent, const char *name, int x, int y, int w, int h) {
    auto *frame = new QWidget(parent);
    frame->setObjectName(name);
    frame->setGeometry(px(x), px(y), px(w), px(h));
    return frame;
}
} // namespace

AboutWindow::AboutWindow(tk::Services services, const std::string &programFolder, std::function<void()> onUnload)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_model(std::make_unique<frmAbout>(services, programFolder)),
      m_binder(std::make_unique<Binder>(m_model->form)), m_onUnload(std::move(onUnload)) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("About Brevane");
    setFixedSize(px(6135), px(7575));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(kAboutDarkBlue));
    palette.setColor(QPalette::WindowText, toQColor(kAboutLightBlue));
    setPalette(palette);
    setAutoFillBackground(true);

    // The picture.
    QWidget *top = darkFrame(this, "Frame1(1)", 480, 360, 5175, 3135);
    PictureWidget *picture = m_binder->picture(m_model->Picture1);
    picture->setParent(top);
    picture->setFocusPolicy(Qt::NoFocus);
    picture->setGeometry(px(360), px(360), px(4455), px(2505));
    rule(this, 0, 600, 5160, 3240);

    // The texts. Labels take the frame's whole width so that no font makes them clip; centred ones
    // stand where their boxes were centred.
    QWidget *bottom = darkFrame(this, "Frame1(0)", 480, 3600, 5175, 3495);
    const int inner = px(5175) - 2 * px(120);
    auto place = [&](tk::Label &model, int yTwips, int hTwips, double points, Qt::Alignment alignment,
                     bool underline = false) {
        QLabel *label = m_binder->label(model);
        label->setParent(bottom);
        styleLabel(label, points, alignment, underline);
        label->setGeometry(px(120), px(yTwips), inner, px(hTwips) + 4);
        return label;
    };
    place(m_model->Label1[0], 240, 375, 15.75, Qt::AlignHCenter);
    rule(bottom, 1, 240, 4800, 840);
    place(m_model->Label1[1], 960, 255, 9.75, Qt::AlignHCenter);
    place(m_model->Label1[3], 1320, 255, 9.75, Qt::AlignHCenter);
    QLabel *address = place(m_model->lbl_Send_Email[4], 1800, 255, 9.75, Qt::AlignHCenter, true);
    // Only the address itself is the link, not the blank width around it.
    const int textWidth = address->fontMetrics().horizontalAdvance(address->text()) + 8;
    address->setGeometry((px(5175) - textWidth) / 2, address->y(), textWidth, address->height());
    address->setCursor(Qt::PointingHandCursor);
    address->installEventFilter(this);
    m_address = address;
    place(m_model->Label1[2], 2280, 255, 8.25, Qt::AlignLeft);
    rule(bottom, 2, 240, 4800, 2640);

    QPushButton *ok = m_binder->button(m_model->b_About);
    ok->setParent(bottom);
    ok->setGeometry(px(1680), px(2880), px(1695), px(375) + 4);
    QFont okFont("Verdana");
    okFont.setPointSizeF(15.75);
    okFont.setBold(true);
    ok->setFont(okFont);
    ok->setStyleSheet(QString("QPushButton { background: %1; color: #000040; border: 2px outset %1; }"
                              "QPushButton:pressed { border-style: inset; }"
                              "QPushButton:focus { border-color: %2; }")
                          .arg(toQColor(kAboutMidBlue).name(), toQColor(kAboutLightBlue).name()));
    ok->setDefault(true);
    ok->setFocus(Qt::OtherFocusReason);

    m_model->closeWindow = [this] { close(); };
    m_binder->timer(m_model->AboutTimer);
}

AboutWindow::~AboutWindow() {
    m_binder.reset();
    m_model.reset();
    if (m_onUnload) m_onUnload();
}

void AboutWindow::paintEvent(QPaintEvent *event) {
    QWidget::paintEvent(event);
    // Label4, Label2, Label3: dark blue, dark red, dark blue, stacked to leave a thin red frame.
    QPainter painter(this);
    painter.fillRect(px(120), px(120), px(5895), px(7335), toQColor(kAboutDarkBlue));
    painter.fillRect(px(240), px(240), px(5655), px(7095), toQColor(kAboutDarkRed));
    painter.fillRect(px(360), px(360), px(5415), px(6855), toQColor(kAboutDarkBlue));
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_address && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_model) {
        m_model->lbl_Send_Email[4].userClicks();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brevane::qt
