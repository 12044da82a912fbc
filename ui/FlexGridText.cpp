#include "ui/FlexGridText.h"

#include <QDateTime>

#include <cmath>

namespace {

void putDigits(char *at, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        at[i] = char('0' + value % 10);
}

// QDateTime::toString costs several times more than writing the digits.
QString dateTimeText(const QDate &date, const QTime &time)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (year < 1 || year > 9999)
        return date.toString(QStringLiteral("yyyy/MM/dd"));
    char text[19];
    putDigits(text, year, 4);
    text[4] = text[7] = '/';
    putDigits(text + 5, month, 2);
    putDigits(text + 8, day, 2);
    if (!time.isValid() || time == QTime(0, 0))
        return QString::fromLatin1(text, 10);
    text[10] = ' ';
    text[13] = text[16] = ':';
    putDigits(text + 11, time.hour(), 2);
    putDigits(text + 14, time.minute(), 2);
    putDigits(text + 17, time.second(), 2);
    return QString::fromLatin1(text, 19);
}

// Digits of an integer, then a point before the last decimals ones, trailing zeros dropped.
QString decimalText(bool negative, quint64 digits, int decimals)
{
    while (decimals > 0 && digits % 10 == 0) {
        digits /= 10;
        --decimals;
    }
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = char('0' + digits % 10);
        digits /= 10;
    } while (digits > 0 || count <= decimals); // a leading 0 before the point
    char text[26];
    int length = 0;
    if (negative)
        text[length++] = '-';
    for (int i = count - 1; i >= 0; --i) {
        text[length++] = reversed[i];
        if (i == decimals && decimals > 0)
            text[length++] = '.';
    }
    return QString::fromLatin1(text, length);
}

// Values of up to six decimals written directly, the rest by the general conversion, which is
// the dearest part of a fill.
QString numberText(double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e15))
        return QString::number(value, 'g', 15);
    int exponent = int(std::floor(std::log10(magnitude)));
    if (std::pow(10.0, exponent) > magnitude) // log10 rounds up just below a power of ten
        --exponent;
    else if (std::pow(10.0, exponent + 1) <= magnitude)
        ++exponent;
    // A quarter unit of the 15th significant digit: nearer than that, %.15g gives this decimal.
    double tolerance = 0.25 * std::pow(10.0, exponent - 14);
    double scale = 1;
    for (int decimals = 0; decimals <= 6; ++decimals, scale *= 10, tolerance *= 10) {
        const double scaled = magnitude * scale;
        const double rounded = std::nearbyint(scaled);
        if (rounded >= 1e15)
            break;
        if (std::fabs(scaled - rounded) < tolerance)
            return decimalText(value < 0, quint64(rounded), decimals);
    }
    return QString::number(value, 'g', 15);
}

} // namespace

QString flexCellText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Double:
    case QMetaType::Float:
        return numberText(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return moment.isValid() ? dateTimeText(moment.date(), moment.time()) : QString();
    }
    case QMetaType::QDate:
        return dateTimeText(value.toDate(), QTime());
    default:
        return value.toString();
    }
}
