#pragma once

#include <QString>

#include <optional>

// Quantities in the program's own units, with the separator and rounding loaded at start-up.
namespace modSystem_TORVO {

inline constexpr qint16 CattyUnitID = 5;

// The catty/tael text of a weight; failures are reported and give the text built so far.
QString ConvertCattyToCattyTael(double Catty, const QString &UnitSeparateUnit = QString());
// The weight a catty/tael text denotes; empty when the text is no catty/tael text.
std::optional<double> ConvertCattyTaelToCatty(const QString &text,
                                              const QString &separator = QString());
bool IsCattyUnit(qint16 unitID);
// Strict: throws a conversion error when the text is no quantity of the unit.
double GetQtyFromText(qint16 unitID, const QString &text);

} // namespace modSystem_TORVO

namespace modMain {

// Lenient: the catty/tael weight or the leading number of the text; never fails.
double GetQtyFromTextLoose(const QString &text, qint16 unitID);
bool IsQtyTextValid(const QString &text, qint16 unitID);

} // namespace modMain
