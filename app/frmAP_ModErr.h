#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The exception report: what failed and where, and how the failing procedure goes on.
class frmAP_ModErr : public QDialog
{
    Q_OBJECT

public:
    enum Answer : qint16 { Leave = 3, Retry = 4, Ignore = 5 };

    explicit frmAP_ModErr(QWidget *parent = nullptr);

    qint16 ErrReturn() const { return m_errReturn; }
    void setErrReturn(qint16 value) { m_errReturn = value; }
    void setDetailText(const QString &text);
    QString detailText() const { return m_text; }

private:
    void createControls();
    void createLayout();
    void connectSignals();
    void toggleDetails();
    void answer(qint16 value);

    qint16 m_errReturn = Leave;
    QString m_text;
    QWidget *m_upper = nullptr;
    QPushButton *m_information = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_ignore = nullptr;
    QPushButton *m_retry = nullptr;
    QPushButton *m_exit = nullptr;
    QPlainTextEdit *m_detail = nullptr;
};
