#include "app/frmAP_Main.h"

#include "app/MainMenu.h"
#include "app/WindowCatalog.h"
#include "app/modMain.h"
#include "ui/FocusMoves.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVersionNumber>

namespace {

frmAP_Main *current = nullptr;

} // namespace

frmAP_Main::frmAP_Main(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmAP_Main"));
    m_workspace = new QMdiArea(this);
    m_workspace->setObjectName(QStringLiteral("mdiMain"));
    m_workspace->setBackground(palette().brush(QPalette::Dark));
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_workspace);
    createMenu();
    current = this;
    modUI::SetMainWindow(this);
    subMenuSet();
    setWindowTitle(composeCaption());
    resize(1200, 800);
}

frmAP_Main::~frmAP_Main()
{
    if (current == this)
        current = nullptr;
    modUI::SetMainWindow(nullptr);
}

frmAP_Main *frmAP_Main::instance() { return current; }

QString frmAP_Main::composeCaption()
{
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(VERDALO_VERSION));
    const QString numbers = QStringLiteral("%1.%2.%3")
                                .arg(version.majorVersion())
                                .arg(version.minorVersion())
                                .arg(version.microVersion());
    return QStringLiteral("Verdalo ： 版本編號：") + numbers + QStringLiteral("　　資料庫位址：")
        + modMain::ServerIP + QStringLiteral("　　資料庫名稱：") + modMain::DatabaseName
        + QStringLiteral("　　使用者：") + modMain::IdUserLogin;
}

void frmAP_Main::createMenu()
{
    for (const modMain::MenuEntry &entry : modMain::MainMenu()) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setObjectName(QLatin1String(entry.name));
        QActionGroup *arrangeGroup = nullptr;
        for (const modMain::MenuItemEntry &item : entry.items) {
            if (item.openAs == modMain::OpenAs::None) {
                menu->addSeparator()->setObjectName(QLatin1String(item.name));
                continue;
            }
            QAction *action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QLatin1String(item.name));
            const QString name = QLatin1String(item.name);
            if (item.openAs == modMain::OpenAs::Arrange) {
                if (!arrangeGroup)
                    arrangeGroup = new QActionGroup(menu);
                action->setCheckable(true);
                action->setChecked(name == QLatin1String("mnuWD_Cascade"));
                arrangeGroup->addAction(action);
                connect(action, &QAction::triggered, this, [this, name] { arrange(name); });
            } else {
                connect(action, &QAction::triggered, this, [this, name] { openMenuItem(name); });
            }
        }
        if (QLatin1String(entry.name) == QLatin1String("mnuWD")) {
            m_windowMenu = menu;
            connect(menu, &QMenu::aboutToShow, this, &frmAP_Main::fillWindowMenu);
        }
    }
}

void frmAP_Main::fillWindowMenu()
{
    for (QAction *action : m_windowMenu->actions())
        if (action->property("childWindow").toBool() || action->property("childSeparator").toBool())
            m_windowMenu->removeAction(action), action->deleteLater();
    const QList<QMdiSubWindow *> children = m_workspace->subWindowList();
    if (children.isEmpty())
        return;
    m_windowMenu->addSeparator()->setProperty("childSeparator", true);
    int number = 1;
    for (QMdiSubWindow *child : children) {
        QAction *action = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(child->windowTitle()));
        action->setProperty("childWindow", true);
        action->setCheckable(true);
        action->setChecked(child == m_workspace->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, child] { m_workspace->setActiveSubWindow(child); });
    }
}

void frmAP_Main::arrange(const QString &itemName)
{
    if (itemName == QLatin1String("mnuWD_Cascade")) {
        m_workspace->cascadeSubWindows();
        return;
    }
    // Tiles side by side (vertical) or one above the other (horizontal).
    const QList<QMdiSubWindow *> children = m_workspace->subWindowList();
    if (children.isEmpty())
        return;
    const bool horizontal = itemName == QLatin1String("mnuWD_Horizontal");
    const QSize area = m_workspace->viewport()->size();
    const int n = int(children.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *child = children.at(i);
        child->showNormal();
        if (horizontal)
            child->setGeometry(0, i * area.height() / n, area.width(), area.height() / n);
        else
            child->setGeometry(i * area.width() / n, 0, area.width() / n, area.height());
    }
}

void frmAP_Main::openMenuItem(const QString &itemName)
{
    for (const modMain::MenuEntry &entry : modMain::MainMenu()) {
        for (const modMain::MenuItemEntry &item : entry.items) {
            if (itemName != QLatin1String(item.name))
                continue;
            const QString window = QLatin1String(item.window);
            const QString caption = QString::fromUtf8(item.caption);
            if (item.openAs == modMain::OpenAs::Child)
                openChild(window, caption);
            else if (item.openAs == modMain::OpenAs::Modal)
                openModal(window, caption);
            else if (item.openAs == modMain::OpenAs::Separate)
                openSeparate(window, caption);
            return;
        }
    }
}

void frmAP_Main::openChild(const QString &window, const QString &caption)
{
    QPointer<QMdiSubWindow> &child = m_children[window];
    if (!child) {
        QWidget *widget = modMain::CreateWindow(window, caption);
        widget->setWindowFlags(Qt::Widget);
        child = m_workspace->addSubWindow(widget);
        child->setAttribute(Qt::WA_DeleteOnClose);
        child->setObjectName(window + QStringLiteral("_Frame"));
        connect(widget, &QObject::destroyed, child, &QWidget::close);
    }
    child->show();
    child->widget()->show();
    m_workspace->setActiveSubWindow(child);
    child->raise();
}

void frmAP_Main::openModal(const QString &window, const QString &caption)
{
    QWidget *widget = modMain::CreateWindow(window, caption);
    widget->setParent(this, Qt::Dialog);
    widget->setAttribute(Qt::WA_DeleteOnClose);
    if (auto *dialog = qobject_cast<QDialog *>(widget)) {
        dialog->exec();
        return;
    }
    widget->setWindowModality(Qt::ApplicationModal);
    widget->show();
}

void frmAP_Main::openSeparate(const QString &window, const QString &caption)
{
    if (!m_separate) {
        m_separate = modMain::CreateWindow(window, caption);
        m_separate->setParent(nullptr, Qt::Window);
        m_separate->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_separate->show();
    m_separate->raise();
    m_separate->activateWindow();
}

void frmAP_Main::closeEvent(QCloseEvent *event)
{
    m_workspace->closeAllSubWindows();
    if (!m_workspace->subWindowList().isEmpty()) { // a child kept itself open
        event->ignore();
        return;
    }
    if (m_separate)
        m_separate->close();
    event->accept();
}
