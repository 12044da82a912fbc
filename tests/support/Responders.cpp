#include "tests/support/Responders.h"

#include "app/ExceptionReport.h"

Responders::Responders()
{
    modUI::SetMsgBoxResponder([this](const modUI::MsgBoxRecord &record) {
        boxes << record;
        return boxAnswers.isEmpty() ? int(modUI::AnswerOK) : boxAnswers.takeFirst();
    });
    modMain::SetExceptionResponder([this](const QString &text) {
        reports << text;
        return reportAnswers.isEmpty() ? qint16(3) : reportAnswers.takeFirst();
    });
}

Responders::~Responders()
{
    modUI::SetMsgBoxResponder({});
    modMain::SetExceptionResponder({});
}
