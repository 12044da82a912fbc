#include "ui/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace modUI {
namespace {

MsgBoxResponder &responder()
{
    static MsgBoxResponder r;
    return r;
}

struct ButtonEntry
{
    const char *text;
    int answer;
    QMessageBox::ButtonRole role;
};

QList<ButtonEntry> buttonsFor(int style)
{
    switch (style & 0x0F) {
    case OKCancel: return {{"確定", AnswerOK, QMessageBox::AcceptRole}, {"取消", AnswerCancel, QMessageBox::RejectRole}};
    case AbortRetryIgnore: return {{"中止(&A)", AnswerAbort, QMessageBox::RejectRole}, {"重試(&R)", AnswerRetry, QMessageBox::AcceptRole}, {"略過(&I)", AnswerIgnore, QMessageBox::AcceptRole}};
    case YesNoCancel: return {{"是(&Y)", AnswerYes, QMessageBox::YesRole}, {"否(&N)", AnswerNo, QMessageBox::NoRole}, {"取消", AnswerCancel, QMessageBox::RejectRole}};
    case YesNo: return {{"是(&Y)", AnswerYes, QMessageBox::YesRole}, {"否(&N)", AnswerNo, QMessageBox::NoRole}};
    case RetryCancel: return {{"重試(&R)", AnswerRetry, QMessageBox::AcceptRole}, {"取消", AnswerCancel, QMessageBox::RejectRole}};
    default: return {{"確定", AnswerOK, QMessageBox::AcceptRole}};
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case Critical: return QMessageBox::Critical;
    case Question: return QMessageBox::Question;
    case Exclamation: return QMessageBox::Warning;
    case Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int MsgBox(const QString &prompt, int style, const QString &title)
{
    if (responder())
        return responder()({prompt, style, title});
    QMessageBox box(iconFor(style), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<ButtonEntry> entries = buttonsFor(style);
    QList<QPushButton *> buttons;
    for (const ButtonEntry &entry : entries)
        buttons << box.addButton(QString::fromUtf8(entry.text), entry.role);
    const int defaultIndex = (style & DefaultButton3) ? 2 : (style & DefaultButton2) ? 1 : 0;
    box.setDefaultButton(buttons.value(qMin(defaultIndex, int(buttons.size()) - 1)));
    if (entries.size() == 1)
        box.setEscapeButton(buttons.first());
    box.exec();
    const int index = int(buttons.indexOf(static_cast<QPushButton *>(box.clickedButton())));
    if (index < 0) // closed by Esc or the close box
        return entries.last().answer == AnswerCancel || entries.size() == 1 ? entries.last().answer : entries.first().answer;
    return entries.at(index).answer;
}

void SetMsgBoxResponder(MsgBoxResponder r) { responder() = std::move(r); }

} // namespace modUI
