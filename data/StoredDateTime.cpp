#include "data/StoredDateTime.h"

#include <ctime>

namespace StoredDateTime {

namespace {

// Reads `count` digits at `at`; -1 when any is not a digit.
int digits(const QString &text, int at, int count)
{
    int value = 0;
    for (int i = at; i < at + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QString toText(const QDateTime &value) { return value.toString(Format); }

// Hand-read: grids read hundreds of thousands of these, and the general parser is slow.
QDateTime parse(const QString &text)
{
    const qsizetype size = text.size();
    if (size != 10 && size != 19 && size != 23)
        return {};
    if (text.at(4) != u'-' || text.at(7) != u'-')
        return {};
    const int year = digits(text, 0, 4);
    const QDate date(year, digits(text, 5, 2), digits(text, 8, 2));
    if (year < 0 || !date.isValid())
        return {};
    if (size == 10)
        return QDateTime(date, QTime(0, 0));
    if ((text.at(10) != u' ' && text.at(10) != u'T') || text.at(13) != u':' || text.at(16) != u':')
        return {};
    int msecs = 0;
    if (size == 23) {
        if (text.at(19) != u'.')
            return {};
        msecs = digits(text, 20, 3);
    }
    const QTime time(digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2), msecs);
    if (!time.isValid())
        return {};
    return QDateTime(date, time);
}

void UseFixedLocalZone()
{
    // Without TZ the C library checks /etc/localtime on every local-time conversion.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    tzset();
}

} // namespace StoredDateTime
