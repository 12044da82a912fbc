#include "admin/frmST_SettingClient.h"

#include "admin/modAPI.h"
#include "app/SettingsStore.h"
#include "app/modMain.h"
#include "ui/MsgBox.h"
#include "ui/ToolBar.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *infoPanel(QWidget *parent, const char *name)
{
    auto *panel = new QLabel(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(220);
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return panel;
}

QLineEdit *offsetBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(QStringLiteral("0"), parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(3);
    box->setFixedWidth(60);
    return box;
}

} // namespace

frmST_SettingClient::frmST_SettingClient(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmST_SettingClient"));
    setWindowTitle(QStringLiteral("用戶端電腦設定"));
    createControls();
    createLayout();
    loadValues();
}

void frmST_SettingClient::createControls()
{
    m_toolBar = modUI::CreateToolBar(this, QStringLiteral("tlbOrder"),
                                     {{QStringLiteral("OK"), QStringLiteral("確定"), {}},
                                      {QStringLiteral("Quit"), QStringLiteral("離開"), {}}},
                                     [this](const QString &key) { toolBarClicked(key); });
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("sstSystem"));
    m_tabs->addTab(createSystemTab(), QStringLiteral("系統設定"));
    m_tabs->addTab(createInfoTab(), QStringLiteral("系統資訊"));
    m_tabs->addTab(createPrintTab(), QStringLiteral("列印設定"));
}

QWidget *frmST_SettingClient::createSystemTab()
{
    auto *page = new QWidget;
    m_serverIP = new QLineEdit(page);
    m_serverIP->setObjectName(QStringLiteral("txtSystem_ServerIP"));
    m_serverIP->setMinimumWidth(280);
    auto *browse = new QToolButton(page);
    browse->setObjectName(QStringLiteral("cmdBrowseDatabase"));
    browse->setText(QStringLiteral("…"));
    browse->setToolTip(QStringLiteral("選擇資料庫檔案"));
    connect(browse, &QToolButton::clicked, this, &frmST_SettingClient::browseDatabase);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("伺服器位址"), page));
    row->addWidget(m_serverIP, 1);
    row->addWidget(browse);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *frmST_SettingClient::createInfoTab()
{
    auto *page = new QWidget;
    m_nameComputer = infoPanel(page, "sspInfo_NameComputer");
    m_localIP = infoPanel(page, "sspInfo_LocalIP");
    m_nameUserOS = infoPanel(page, "sspInfo_NameUserOS");
    auto *form = new QFormLayout(page);
    form->addRow(QStringLiteral("電腦名稱"), m_nameComputer);
    form->addRow(QStringLiteral("用戶端IP"), m_localIP);
    form->addRow(QStringLiteral("作業系統用戶"), m_nameUserOS);
    return page;
}

QWidget *frmST_SettingClient::createPrintTab()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    auto addPair = [&](int row, const char *heading, const char *left, const char *top) {
        grid->addWidget(new QLabel(QString::fromUtf8(heading), page), row, 0, 1, 6);
        grid->addWidget(new QLabel(QStringLiteral("左邊界偏移值"), page), row + 1, 0);
        grid->addWidget(offsetBox(page, left), row + 1, 1);
        grid->addWidget(new QLabel(QStringLiteral("公厘"), page), row + 1, 2);
        grid->addWidget(new QLabel(QStringLiteral("上邊界偏移值"), page), row + 1, 3);
        grid->addWidget(offsetBox(page, top), row + 1, 4);
        grid->addWidget(new QLabel(QStringLiteral("公厘"), page), row + 1, 5);
    };
    addPair(0, "票卷範本列印位置修正偏移值", "txtPrintOffsetLeft", "txtPrintOffsetTop");
    addPair(2, "票樣確認文件位置修正偏移值", "txtPrintTFOffsetLeft", "txtPrintTFOffsetTop");
    auto *jobHeading = new QLabel(QStringLiteral("票卷列印作業參數"), page);
    auto *noWait = new QCheckBox(QStringLiteral("使用幕後列印（列印工作不需自動等候）"), page);
    noWait->setObjectName(QStringLiteral("sckPrintJobNoWait"));
    jobHeading->hide();
    noWait->hide();
    grid->addWidget(jobHeading, 4, 0, 1, 6);
    grid->addWidget(noWait, 5, 0, 1, 6);
    grid->setRowStretch(6, 1);
    return page;
}

void frmST_SettingClient::createLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setMenuBar(m_toolBar);
    root->addWidget(m_tabs);
}

void frmST_SettingClient::loadValues()
{
    m_serverIP->setText(modMain::ServerIP);
    m_nameComputer->setText(modAPI::GetComputerNameText());
    m_localIP->setText(modAPI::GetLocalIP());
    m_nameUserOS->setText(modAPI::GetUserNameText());
}

void frmST_SettingClient::toolBarClicked(const QString &key)
{
    if (key == QLatin1String("Quit")) {
        close();
        return;
    }
    const QString crlf = QLatin1String(modMain::CRLF);
    if (modSystem::SaveServerIP(m_serverIP->text()))
        modUI::MsgBox(QStringLiteral("設定已完成") + crlf + crlf + QStringLiteral("請重新啟動系統"),
                      modUI::Information, QStringLiteral("儲存系統設定"));
    else
        modUI::MsgBox(QStringLiteral("儲存失敗"), modUI::OKOnly, QStringLiteral("儲存系統設定"));
}

void frmST_SettingClient::browseDatabase()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("選擇資料庫檔案"), m_serverIP->text(),
        QStringLiteral("資料庫檔案 (*.db *.sqlite *.sqlite3);;所有檔案 (*)"));
    if (!path.isEmpty())
        m_serverIP->setText(path);
}

void frmST_SettingClient::showModeless()
{
    static QPointer<frmST_SettingClient> window;
    if (!window) {
        window = new frmST_SettingClient;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
