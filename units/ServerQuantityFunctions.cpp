#include "units/ServerQuantityFunctions.h"

#include "data/ServerFunctions.h"
#include "data/StoredDateTime.h"
#include "units/QuantityText.h"

#include <QDateTime>

#include <cmath>

namespace modSystem_TORVO {
namespace {

bool isNull(const QVariant &v) { return !v.isValid() || v.isNull(); }

QVariant finalQty(double qty, qint64 unit, const ServerFunctions::Context &context)
{
    if (unit == 5)
        return QuantityText::cattyTaelText(qty, context.cattySeparator, context.roundLengthQty);
    return QuantityText::plainNumber(qty, 4);
}

QVariant getFinalQty(const QVariantList &args, const ServerFunctions::Context &context)
{
    if (isNull(args.value(0)))
        return {};
    return finalQty(args.value(0).toDouble(), args.value(1).toLongLong(), context);
}

QVariant getFinalQtyRoundUp(const QVariantList &args, const ServerFunctions::Context &context)
{
    if (isNull(args.value(0)))
        return {};
    return finalQty(std::ceil(args.value(0).toDouble() - 1e-9), args.value(1).toLongLong(), context);
}

// Whole number with thousands separators, halves away from zero: "###,##0".
QString groupedWhole(double value)
{
    const double rounded = std::round(value);
    QString digits = QString::number(std::fabs(rounded), 'f', 0);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    return rounded < 0 ? QLatin1Char('-') + digits : digits;
}

QVariant format(const QVariantList &args, const ServerFunctions::Context &)
{
    const QVariant value = args.value(0);
    if (isNull(value))
        return {};
    const QString picture = args.value(1).toString();
    if (picture == QLatin1String("###,##0")) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok ? QVariant(groupedWhole(number)) : value;
    }
    if (picture.compare(QLatin1String("yyyy/mm/dd"), Qt::CaseInsensitive) == 0) {
        const QDate date = StoredDateTime::parse(value.toString().left(10)).date();
        return date.isValid() ? QVariant(date.toString(QStringLiteral("yyyy/MM/dd"))) : value;
    }
    return value.toString();
}

} // namespace

void RegisterServerFunctions()
{
    ServerFunctions::add(QStringLiteral("GetFinalQty"), 2, getFinalQty);
    ServerFunctions::add(QStringLiteral("GetFinalQtyRoundUp"), 2, getFinalQtyRoundUp);
    ServerFunctions::add(QStringLiteral("FORMAT"), 2, format);
}

} // namespace modSystem_TORVO
