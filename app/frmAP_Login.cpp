#include "app/frmAP_Login.h"

#include "app/Password.h"
#include "app/SettingsStore.h"
#include "app/frmAP_Main.h"
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/SqlText.h"
#include "data/modConn.h"
#include "data/modDB.h"
#include "ui/FocusMoves.h"
#include "ui/KeyFilters.h"
#include "ui/KeyPreview.h"
#include "ui/MsgBox.h"
#include "ui/TextBoxBehaviour.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

frmAP_Login::frmAP_Login(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAP_Login"));
    setWindowTitle(QStringLiteral("Verdalo - 系統登入（請輸入帳號、密碼）"));
    createControls();
    createLayout();
    modUI::InstallKeyPreview(this, [this](QKeyEvent *event) {
        if (event->key() != Qt::Key_Escape)
            return false;
        m_quit = true;
        reject();
        return true;
    });
    formLoad();
}

void frmAP_Login::createControls()
{
    m_id = new QLineEdit(this);
    m_id->setObjectName(QStringLiteral("txtIdUser"));
    m_id->setMaxLength(16);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtPWD"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(16);
    m_login = new QPushButton(QStringLiteral("登入"), this);
    m_login->setObjectName(QStringLiteral("cmdLogin"));
    m_login->setAutoDefault(false);
    modUI::AttachTextBox(m_id, modUI::KindLoginId, {nullptr, m_password});
    modUI::AttachTextBox(m_password, modUI::KindPassword, {m_id, nullptr});
    connect(m_login, &QPushButton::clicked, this, &frmAP_Login::loginClicked);
}

void frmAP_Login::createLayout()
{
    auto *title = new QLabel(QStringLiteral("Verdalo 蔬果配銷管理系統"), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("帳號"), m_id);
    form->addRow(QStringLiteral("密碼"), m_password);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 24);
    layout->addWidget(title);
    layout->addSpacing(16);
    layout->addLayout(form);
    layout->addWidget(m_login, 0, Qt::AlignRight);
    setFixedSize(420, 260);
}

void frmAP_Login::paintEvent(QPaintEvent *)
{
    // The background picture: a soft green field.
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0xE8, 0xF5, 0xE9));
    gradient.setColorAt(1, QColor(0xC8, 0xE6, 0xC9));
    painter.fillRect(rect(), gradient);
}

void frmAP_Login::formLoad()
{
    m_id->setText(modSystem::GetLastLoginUser());
    m_id->setText(QStringLiteral("SUPERVISOR"));
}

void frmAP_Login::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    modUI::SetFocusTextBox(m_password); // the caret waits in the password box
}

bool frmAP_Login::LoginCheck(QString &reason)
{
    reason.clear();
    const QString id = m_id->text().trimmed().toUpper();
    const QString stored = modMain::EncodePassword(m_password->text().trimmed());
    if (!modConn::OpenConnection())
        return false;
    Recordset rs;
    rs.open(QStringLiteral("SELECT IdUser, PWD, NameUser ") + QStringLiteral("FROM [BF_User] WHERE (UPPER(IdUser) = '")
                + modDB::SqlText(id) + QStringLiteral("')"),
            modConn::SharedConnection());
    bool ok = false;
    if (rs.eof()) {
        reason = QStringLiteral("登入帳號或密碼錯誤");
        modUI::SetFocusTextBox(m_id, true);
    } else if (modDB::NullToString(rs.value(1)) != stored) {
        reason = QStringLiteral("登入帳號或密碼錯誤");
        modUI::SetFocusTextBox(m_password, true);
    } else {
        modMain::IdUserLogin = modDB::NullToString(rs.value(0));
        modMain::NameUserLogin = modDB::NullToString(rs.value(2));
        modSystem::SaveLastLoginUser(modMain::IdUserLogin);
        ok = true;
    }
    rs.close();
    modConn::CloseConnection();
    return ok;
}

void frmAP_Login::loginClicked()
{
    QString reason;
    bool ok = false;
    try {
        ok = LoginCheck(reason);
    } catch (const DbError &error) {
        modConn::CloseConnection();
        reason = error.description();
    }
    if (!ok) {
        modUI::MsgBox(reason, modUI::Exclamation, QStringLiteral("登入失敗"));
        return;
    }
    accept();
    auto *frame = new frmAP_Main;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->showMaximized();
}
