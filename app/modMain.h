#pragma once

#include <QString>

// Program-wide values: set at start-up and login, read by every window.
namespace modMain {

inline constexpr char CRLF[] = "\r\n";

extern QString DateFormat;
extern QString DatabaseName;
extern QString Provider;
extern QString LoginCredentials;
extern QString ServerIP;
extern QString ConnectString;
extern qint16 RoundLengthQty;
extern qint16 RoundLengthAmount;
extern qint16 FixedLengthCustomerID;
extern qint16 FixedLengthSupplierID;
extern qint16 FixedLengthProductID;
extern qint16 SystemDefaultUnitID;
extern bool DefaultUnitIsCatty;
extern QString UnitSeparateString;
extern QString IdUserLogin;
extern QString NameUserLogin;
extern QString ExceptionDetail;

// The fixed values of the first start-up step; ServerIP and ConnectString are left as they are.
void SetFixedValues();
// ConnectString for the current ServerIP.
QString ComposeConnectString();

} // namespace modMain

namespace modMain {

// The server's date of tomorrow in DateFormat: the default date of a new document.
QString GetNextDateText();

} // namespace modMain

#include <QVariantList>

namespace modMain {

// The element of an optional array as a 16-bit integer; 0 when the array is missing or empty,
// the index is out of bounds or the element is not a number.
qint16 ArrayItemInteger(const QVariantList *array, int index);

} // namespace modMain
