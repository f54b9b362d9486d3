#include "qt/main_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/qt_text.h"
#include "qt/review_changes_dialog.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {
using TabBuilder = QWidget* (*)(TabContext&);
constexpr TabBuilder kTabBuilders[12] = {buildPlayerSettingsTab,  buildBindKeysTab, buildCommunicationTab,
                                         buildWeaponsPriorityTab, buildWeapons1Tab, buildWeapons2Tab,
                                         buildVideoTab,           buildAudioMiscTab, buildUserIniTab,
                                         buildGameIniTab,         buildTextAliasTab, buildAliasesTab};
} // namespace

MainWindow::MainWindow(INI& model, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::CustomizeWindowHint),
      m_model(model), m_binder(new Binder(model.form, this)), m_tabs(new QTabWidget) {
    setObjectName("INI");
    setWindowTitle("Brevane");
    m_tabs->setObjectName("SSTab1");
    m_tabs->setDocumentMode(false);
    m_tabs->tabBar()->setObjectName("SSTab1Bar");
    m_tabs->tabBar()->setExpanding(false);
    m_tabs->tabBar()->setUsesScrollButtons(false);
    m_tabs->tabBar()->setElideMode(Qt::ElideNone);
    m_tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
    TabContext ctx{m_model, *m_binder};
    for (int i = 0; i < 12; ++i) m_tabs->addTab(kTabBuilders[i](ctx), toQt(kTabCaptions[i]));
    m_tabs->setCurrentIndex(m_model.selectedTab);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) { m_model.selectedTab = index; });
    setCentralWidget(m_tabs);
    buildMenus();
    m_tabs->setFixedSize(905, 608);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_model.requestClose = [this] { close(); };
    m_model.showReview = [this](const INI::PendingChanges& pending) {
        auto* review = new ReviewChangesDialog(m_model, pending, this);
        review->open();
    };
}

MainWindow::~MainWindow() {
    m_model.requestClose = nullptr;
    m_model.showReview = nullptr;
}

void MainWindow::buildMenus() {
    struct Item {
        const char* menu;
        const char* caption;
        const char* name;
        QKeySequence shortcut;
        void (*handler)(INI&); // nullptr for a separator
    };
    // Plain functions rather than pointers to members: each item's slot calls exactly one of them.
    const Item items[] = {
        {"&File", "&New", "mnuFileNew", QKeySequence("Ctrl+N"), [](INI& m) { m.mnuFileNew_Click(); }},
        {"&File", "&Open", "mnuFileOpen", QKeySequence("Ctrl+O"), [](INI& m) { m.mnuFileOpen_Click(); }},
        {"&File", "-", "Separator1", {}, nullptr},
        {"&File", "&Save", "frmFileSave", QKeySequence("Ctrl+S"), [](INI& m) { m.frmFileSave_Click(); }},
        {"&File", "&Review Changes…", "mnuFileReview", QKeySequence("Ctrl+D"),
         [](INI& m) { m.mnuFileReview_Click(); }},
        {"&File", "-", "Separator2", {}, nullptr},
        {"&File", "&Exit", "mnuFileExit", QKeySequence("Ctrl+X"), [](INI& m) { m.mnuFileExit_Click(); }},
        {"&Music", "&Play", "mnuPlay", {}, [](INI& m) { m.mnuPlay_Click(); }},
        {"&Music", "&Stop", "mnuStop", {}, [](INI& m) { m.mnuStop_Click(); }},
        {"&Play", "&Play UT2004", "mnuPlayUT2k4", {}, [](INI& m) { m.mnuPlayUT2k4_Click(); }},
        {"&Help", "&About Brevane", "mnuAbout", {}, [](INI& m) { m.mnuAbout_Click(); }},
    };
    const std::pair<const char*, const char*> menus[] = {
        {"&File", "mnuFile"}, {"&Music", "mnuMusic"}, {"&Play", "mnuPlay2K4"}, {"&Help", "mnuHelp"}};
    for (const auto& [title, menuName] : menus) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(menuName);
        for (const Item& item : items) {
            if (qstrcmp(item.menu, title) != 0) continue;
            if (!item.handler) {
                menu->addSeparator()->setObjectName(item.name);
                continue;
            }
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(item.name);
            action->setShortcut(item.shortcut);
            const auto handler = item.handler;
            connect(action, &QAction::triggered, this, [this, handler] { handler(m_model); });
        }
    }
}

void MainWindow::updateCaption() { setWindowTitle(toQt(m_model.caption())); }

void MainWindow::showMainWindow() {
    updateCaption();
    m_tabs->setCurrentIndex(m_model.selectedTab);
    show();
    raise();
    activateWindow();
    // The focus rests on the harmless player picture, never on a box whose focus has side effects.
    m_model.form.setFocus(&m_model.pb_Player);
    if (QWidget* picture = m_binder->widgetFor(&m_model.pb_Player)) picture->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        m_unloaded = true;
        m_model.Form_Unload();
    }
    event->accept();
}

} // namespace brevane::qt
