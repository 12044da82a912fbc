#include "data/modDB_TORVO.h"

#include <QDate>
#include <QRegularExpression>

namespace modSystem_TORVO {
namespace {

const QString PeriodFormat = QStringLiteral("yyyy/MM/dd");

QDate lastDayOfMonth(const QDate &date)
{
    const QDate nextMonth = date.addMonths(1);
    return QDate(nextMonth.year(), nextMonth.month(), 1).addDays(-1);
}

// Sunday = 1 to Saturday = 7.
int weekday(const QDate &date) { return date.dayOfWeek() % 7 + 1; }

QString text(const QDate &date) { return date.isValid() ? date.toString(PeriodFormat) : QString(); }

} // namespace

QDate DateFromText(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d{4})(?:/(\d{1,2})/(\d{1,2})|-(\d{2})-(\d{2}))\s*$)"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    const bool slashes = !m.captured(2).isEmpty();
    return QDate(m.captured(1).toInt(), m.captured(slashes ? 2 : 4).toInt(),
                 m.captured(slashes ? 3 : 5).toInt());
}

QString GetPeriodStartDate(qint16 paymentTypeID, const QString &dateText)
{
    const QDate date = DateFromText(dateText);
    if (!date.isValid())
        return {};
    const int day = date.day();
    switch (paymentTypeID) {
    case 1:
        return text(date.addDays(weekday(date) == 1 ? -6 : -(weekday(date) - 2)));
    case 2:
        return text(QDate(date.year(), date.month(), day <= 10 ? 1 : day <= 20 ? 11 : 21));
    case 3:
        return text(QDate(date.year(), date.month(), day <= 15 ? 1 : 16));
    case 4:
        return text(QDate(date.year(), date.month(), 1));
    default:
        return text(date);
    }
}

QString GetPeriodEndDate(qint16 paymentTypeID, const QString &startDateText)
{
    const QDate start = DateFromText(startDateText);
    if (!start.isValid())
        return {};
    switch (paymentTypeID) {
    case 1:
        return text(start.addDays(6));
    case 2:
        return text(start.day() <= 20 ? start.addDays(9) : lastDayOfMonth(start));
    case 3:
        return text(start.day() <= 15 ? start.addDays(14) : lastDayOfMonth(start));
    case 4:
        return text(lastDayOfMonth(start));
    default:
        return text(start);
    }
}

} // namespace modSystem_TORVO
