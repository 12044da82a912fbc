#include "app/frmAP_ModErr.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmAP_ModErr::frmAP_ModErr(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAP_ModErr"));
    setWindowTitle(QStringLiteral("程式例外"));
    createControls();
    createLayout();
    connectSignals();
    m_errReturn = Leave;
    m_detail->hide();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAP_ModErr::createControls()
{
    auto button = [this](const char *name, const char *caption) {
        auto *b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    m_information = button("cmdInformation", "詳細資料(&D)");
    m_copy = button("cmdCopyInformation", "複製詳細資料");
    m_copy->setToolTip(QStringLiteral("複製詳細資料內的資訊至剪貼簿"));
    m_ignore = button("cmdIgnore", "忽略(&I)");
    m_ignore->setDefault(true);
    m_retry = button("cmdRetry", "重試(&R)");
    m_exit = button("cmdExit", "離開此程序(&X)");

    m_detail = new QPlainTextEdit(this);
    m_detail->setObjectName(QStringLiteral("txtErr"));
    m_detail->setReadOnly(true);
    m_detail->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_detail->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_detail->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_detail->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_detail->setMinimumSize(520, 200);
    QPalette palette = m_detail->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_detail->setPalette(palette);
}

void frmAP_ModErr::createLayout()
{
    auto *heading = new QLabel(QStringLiteral("程式發生可處理的不明例外狀況"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *texts = new QVBoxLayout;
    for (const char *text : {"您可選擇以下三種的處理動作", "忽略：　　　忽略此例外，並繼續執行",
                             "重試：　　　重新嘗試剛才發生例外的步驟",
                             "離開此程序：結束剛才發生例外的步驟"})
        texts->addWidget(new QLabel(QString::fromUtf8(text), this));
    auto *side = new QVBoxLayout;
    side->addWidget(m_information);
    side->addWidget(m_copy);
    side->addStretch();
    auto *middle = new QHBoxLayout;
    middle->addLayout(texts, 1);
    middle->addLayout(side);

    auto *answers = new QHBoxLayout;
    answers->addStretch();
    answers->addWidget(m_ignore);
    answers->addWidget(m_retry);
    answers->addWidget(m_exit);

    auto *root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addWidget(line);
    root->addLayout(middle);
    root->addLayout(answers);
    root->addWidget(m_detail);
}

void frmAP_ModErr::connectSignals()
{
    connect(m_information, &QPushButton::clicked, this, &frmAP_ModErr::toggleDetails);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_text); });
    connect(m_ignore, &QPushButton::clicked, this, [this] { answer(Ignore); });
    connect(m_retry, &QPushButton::clicked, this, [this] { answer(Retry); });
    connect(m_exit, &QPushButton::clicked, this, [this] { answer(Leave); });
}

void frmAP_ModErr::toggleDetails() { m_detail->setVisible(!m_detail->isVisible()); }

void frmAP_ModErr::answer(qint16 value)
{
    m_errReturn = value;
    accept();
}

void frmAP_ModErr::setDetailText(const QString &text)
{
    m_text = text; // the box shows plain line breaks; the copy keeps CR LF
    m_detail->setPlainText(text);
}
