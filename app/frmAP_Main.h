#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The program's frame: the menu opens every window; children live in the workspace, one
// instance each.
class frmAP_Main : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmAP_Main(QWidget *parent = nullptr);
    ~frmAP_Main() override;

    // The frame of the running program, if one is open.
    static frmAP_Main *instance();
    QMdiArea *workspace() const { return m_workspace; }
    // Opens (or brings to the front) the window of a menu item by the item's name.
    void openMenuItem(const QString &itemName);
    // Applies the logged-in user's stored menu permissions.
    void subMenuSet();
    static QString composeCaption();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenu();
    void fillWindowMenu();
    void arrange(const QString &itemName);
    void openChild(const QString &window, const QString &caption);
    void openModal(const QString &window, const QString &caption);
    void openSeparate(const QString &window, const QString &caption);

    QMdiArea *m_workspace;
    QMenu *m_windowMenu = nullptr;
    QHash<QString, QPointer<QMdiSubWindow>> m_children;
    QPointer<QWidget> m_separate;
};
