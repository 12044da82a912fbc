#pragma once

#include <QString>

#include <functional>

namespace modUI {

// Styles and answers of a message box, combined as the design writes them (buttons | icon |
// default button).
enum MsgStyle : int {
    OKOnly = 0,
    OKCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton2 = 256,
    DefaultButton3 = 512,
};

enum MsgAnswer : int {
    AnswerOK = 1,
    AnswerCancel = 2,
    AnswerAbort = 3,
    AnswerRetry = 4,
    AnswerIgnore = 5,
    AnswerYes = 6,
    AnswerNo = 7,
};

struct MsgBoxRecord
{
    QString prompt;
    int style = OKOnly;
    QString title;
};

// Shows a modal message box and returns the answer.
int MsgBox(const QString &prompt, int style, const QString &title);

// Tests answer boxes through a responder instead of a window; an empty one restores windows.
using MsgBoxResponder = std::function<int(const MsgBoxRecord &)>;
void SetMsgBoxResponder(MsgBoxResponder responder);

} // namespace modUI
