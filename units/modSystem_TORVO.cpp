#include "units/modSystem_TORVO.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/modMain.h"
#include "data/DbError.h"
#include "units/QuantityText.h"

#include <cmath>
#include <limits>

namespace modSystem_TORVO {

QString ConvertCattyToCattyTael(double Catty, const QString &UnitSeparateUnit)
{
    const QString separator = UnitSeparateUnit.isEmpty() ? modMain::UnitSeparateString
                                                         : UnitSeparateUnit;
    QString result;
    double dubvalue2 = 0;
    qint64 lngValue1 = 0;
    Procedure proc([&] {
        return modMain::ExceptionHeader(QStringLiteral("modSystem_TORVO.ConvertCattyToCattyTael"))
            + modMain::ExceptionLine(QStringLiteral("Catty　　　　　　："), QString::number(Catty, 'g', 15))
            + modMain::ExceptionLine(QStringLiteral("UnitSeparateUnit　："), UnitSeparateUnit)
            + modMain::ExceptionLine(QStringLiteral("lngValue1　　　　："), QString::number(lngValue1))
            + modMain::ExceptionLine(QStringLiteral("dubvalue2　　　　："), QString::number(dubvalue2, 'g', 15))
            + modMain::ExceptionLine(QStringLiteral("strString2　　　 ："), result);
    });
    proc.step([&] {
        const double whole = std::trunc(Catty);
        if (!std::isfinite(Catty) || std::fabs(whole) > double(std::numeric_limits<qint32>::max()))
            throw DbError(6, QStringLiteral("溢位：") + QString::number(Catty, 'g', 15),
                          QStringLiteral("modSystem_TORVO"));
        lngValue1 = qint64(whole);
        dubvalue2 = (Catty - whole) * QuantityText::TaelsPerCatty;
        result = QuantityText::cattyTaelText(Catty, separator, modMain::RoundLengthQty);
    });
    return result;
}

std::optional<double> ConvertCattyTaelToCatty(const QString &text, const QString &separator)
{
    return QuantityText::readCattyTael(text, separator.isEmpty() ? modMain::UnitSeparateString
                                                                 : separator);
}

bool IsCattyUnit(qint16 unitID) { return unitID == CattyUnitID; }

double GetQtyFromText(qint16 unitID, const QString &text)
{
    const std::optional<double> value = IsCattyUnit(unitID) ? ConvertCattyTaelToCatty(text)
                                                            : QuantityText::parseNumber(text);
    if (!value)
        throw DbError(DbError::TypeMismatch, QStringLiteral("型態不符合：") + text,
                      QStringLiteral("modSystem_TORVO"));
    return *value;
}

} // namespace modSystem_TORVO

namespace modMain {

double GetQtyFromTextLoose(const QString &text, qint16 unitID)
{
    if (modSystem_TORVO::IsCattyUnit(unitID))
        return modSystem_TORVO::ConvertCattyTaelToCatty(text).value_or(0);
    return QuantityText::parseLeadingNumber(text);
}

bool IsQtyTextValid(const QString &text, qint16 unitID)
{
    if (text.trimmed().isEmpty() || unitID <= 0)
        return false;
    if (modSystem_TORVO::IsCattyUnit(unitID))
        return modSystem_TORVO::ConvertCattyTaelToCatty(text).has_value();
    return QuantityText::parseNumber(text).has_value();
}

} // namespace modMain
