#include "units/QuantityText.h"

#include <cmath>
#include <limits>

namespace QuantityText {
namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x3000); }

// Length of the number at the start of text (sign, digits, one point), 0 when none.
qsizetype numberPrefix(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false, point = false;
    qsizetype end = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            digits = true;
            end = i + 1;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            if (digits)
                end = i + 1;
        } else {
            break;
        }
    }
    return digits ? end : 0;
}

} // namespace

QString effectiveSeparator(const QString &separator)
{
    return separator.isEmpty() ? QStringLiteral("/") : separator.left(1);
}

std::optional<double> parseNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || numberPrefix(text) != text.size())
        return std::nullopt;
    bool ok = false;
    const double value = text.toString().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

double parseLeadingNumber(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c))
            compact += c;
    const qsizetype n = numberPrefix(compact);
    return n == 0 ? 0.0 : compact.left(n).toDouble();
}

QString plainNumber(double value, int maxDecimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    const int integerDigits = magnitude < 1 ? 1 : int(std::floor(std::log10(magnitude))) + 1;
    const int decimals = qBound(0, qMin(maxDecimals, 15 - integerDigits), 15);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

double roundHalfEven(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double floor = std::floor(scaled);
    const double fraction = scaled - floor;
    // A half that binary fractions only nearly hit still counts as a half.
    if (std::fabs(fraction - 0.5) < 1e-9)
        return (std::fmod(floor, 2.0) == 0 ? floor : floor + 1) / scale;
    return std::round(scaled) / scale;
}

QString cattyTaelText(double catty, const QString &separator, int roundLength)
{
    const QString sep = effectiveSeparator(separator);
    const bool negative = catty < 0;
    const double size = std::fabs(catty);
    const double whole = std::trunc(size);
    if (!std::isfinite(size) || whole > double(std::numeric_limits<qint32>::max()))
        return {};
    const double rawTaels = (size - whole) * TaelsPerCatty;
    const QString wholeText = QString::number(qint64(whole));
    const double taels = rawTaels == 0 ? 0 : roundHalfEven(rawTaels, qMax(0, roundLength));
    if (taels <= 0) // no taels, or rounding left none: the catties alone, never carried
        return negative && whole != 0 ? QLatin1Char('-') + wholeText : wholeText;
    const QString taelText = plainNumber(taels);
    if (!negative)
        return wholeText + sep + taelText;
    return whole != 0 ? QLatin1Char('-') + wholeText + sep + taelText
                      : wholeText + sep + QLatin1Char('-') + taelText;
}

std::optional<double> readCattyTael(QStringView text, const QString &separator)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QString sep = effectiveSeparator(separator);
    const qsizetype p = text.indexOf(sep, 0, Qt::CaseInsensitive);
    if (p >= 0 && text.indexOf(sep, p + 1, Qt::CaseInsensitive) >= 0)
        return std::nullopt;
    const QStringView cattyPart = p < 0 ? text : text.left(p);
    const QStringView taelPart = p < 0 ? QStringView() : text.mid(p + 1);
    const double catties = parseNumber(cattyPart).value_or(0);
    double taels = parseNumber(taelPart).value_or(0);
    if (catties < 0)
        taels = -taels;
    return catties + taels / TaelsPerCatty;
}

} // namespace QuantityText
