#include "app/ExceptionReport.h"

#include "app/frmAP_ModErr.h"
#include "app/modMain.h"
#include "data/DbError.h"

#include <QApplication>

namespace modMain {
namespace {

ExceptionResponder &responder()
{
    static ExceptionResponder r;
    return r;
}

} // namespace

QString ComposeExceptionText(const DbError *error, const QString &detail)
{
    if (!error)
        return detail;
    return QStringLiteral("例外編號　　　　：") + QString::number(error->number()) + QLatin1String(CRLF)
        + QStringLiteral("例外描述　　　　：") + error->description() + QLatin1String(CRLF)
        + QStringLiteral("例外來源　　　　：") + error->source() + QLatin1String(CRLF) + detail;
}

qint16 ReportException(const DbError *error, const QString &detail)
{
    const QString text = ComposeExceptionText(error, detail);
    if (responder())
        return responder()(text);
    frmAP_ModErr dialog(QApplication::activeWindow());
    dialog.setDetailText(text);
    dialog.exec();
    return dialog.ErrReturn();
}

QString ExceptionHeader(const QString &procedure)
{
    return QStringLiteral("例外程序　　　　：\t") + procedure + QLatin1String(CRLF) + QLatin1String(CRLF);
}

QString ExceptionLine(const QString &label, const QString &value)
{
    return label + QLatin1Char('\t') + value + QLatin1String(CRLF);
}

void SetExceptionResponder(ExceptionResponder r) { responder() = std::move(r); }

} // namespace modMain
