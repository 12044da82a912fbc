#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Quantity text: plain decimal numbers for every unit, catty/tael text for the catty unit
// (whole catties, a separator, taels; 16 taels a catty). These functions take the separator
// and rounding as arguments; modSystem_TORVO applies the program's own.
//
// Choices made once for every caller:
// - Numbers are an optional sign, digits and at most one decimal point ("12", "-0.5", ".5",
//   "12."); no thousands separators, no exponents, nothing else.
// - A text that is no catty/tael text reads as an empty optional, never as a weight.
// - A negative weight is written "-" + the text of its size when it has whole catties
//   (-2.5 → "-2/8"), and "0" + separator + "-" + taels when it has none (-0.5 → "0/-8"), so
//   that reading, which gives the taels the sign of a negative catty part and no sign to
//   "-0", returns the same weight.
// - An empty separator falls back to "/", the separator the database is seeded with.
namespace QuantityText {

inline constexpr double TaelsPerCatty = 16.0;

QString effectiveSeparator(const QString &separator);

// The number a text denotes in the one accepted form (blanks around it allowed).
std::optional<double> parseNumber(QStringView text);
// The leading number of a text, blanks ignored; 0 when there is none.
double parseLeadingNumber(QStringView text);
// A number without thousands separators, exponent, trailing zeros or trailing point, with at
// most maxDecimals decimals (rounded half away from zero) and 15 significant digits.
QString plainNumber(double value, int maxDecimals = 15);
// Rounds half to even at the given number of decimals.
double roundHalfEven(double value, int decimals);

// The catty/tael text of a weight in catties; empty when the whole catties don't fit 32 bits.
QString cattyTaelText(double catty, const QString &separator, int roundLength);
std::optional<double> readCattyTael(QStringView text, const QString &separator);

} // namespace QuantityText
