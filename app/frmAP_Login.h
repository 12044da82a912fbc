#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The login: a user of BF_User with the stored form of the password.
class frmAP_Login : public QDialog
{
    Q_OBJECT

public:
    explicit frmAP_Login(QWidget *parent = nullptr);

    // True when Esc asked to end the program.
    bool quitRequested() const { return m_quit; }
    // The login check; false with the reason shown (an empty reason when the database could
    // not be reached).
    bool LoginCheck(QString &reason);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createLayout();
    void formLoad();
    void loginClicked();

    QLineEdit *m_id;
    QLineEdit *m_password;
    QPushButton *m_login;
    bool m_quit = false;
};
