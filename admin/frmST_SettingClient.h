#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTabWidget;
class QToolBar;

// What belongs to this computer: the database server address, and what the system knows of
// the computer.
class frmST_SettingClient : public QDialog
{
    Q_OBJECT

public:
    explicit frmST_SettingClient(QWidget *parent = nullptr);

    // Shown without waiting, as when the server can't be reached.
    static void showModeless();

private:
    void createControls();
    void createLayout();
    void loadValues();
    void toolBarClicked(const QString &key);
    void browseDatabase();
    QWidget *createSystemTab();
    QWidget *createInfoTab();
    QWidget *createPrintTab();

    QToolBar *m_toolBar = nullptr;
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_serverIP = nullptr;
    QLabel *m_nameComputer = nullptr;
    QLabel *m_localIP = nullptr;
    QLabel *m_nameUserOS = nullptr;
};
