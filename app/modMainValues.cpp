#include "app/modMain.h"

namespace modMain {

QString DateFormat;
QString DatabaseName;
QString Provider;
QString LoginCredentials;
QString ServerIP;
QString ConnectString;
qint16 RoundLengthQty = 0;
qint16 RoundLengthAmount = 0;
qint16 FixedLengthCustomerID = 4;
qint16 FixedLengthSupplierID = 4;
qint16 FixedLengthProductID = 4;
qint16 SystemDefaultUnitID = 0;
bool DefaultUnitIsCatty = false;
QString UnitSeparateString;
QString IdUserLogin;
QString NameUserLogin;
QString ExceptionDetail;

void SetFixedValues()
{
    DateFormat = QStringLiteral("yyyy/mm/dd");
    DatabaseName = QStringLiteral("TORVO");
    Provider = QStringLiteral("SQLOLEDB.1");
    LoginCredentials = QStringLiteral("Qfqgzxii=IRINIAUHT;Tsboxof Nxnkwdnh Fhsg=Adbv;"
                                      "User ID=MMIXJAHFZ;Persist Security Info=False");
}

QString ComposeConnectString()
{
    return QStringLiteral("Provider=") + Provider + QStringLiteral(";") + LoginCredentials
        + QStringLiteral(";Initial Catalog=") + DatabaseName + QStringLiteral(";Data Source=")
        + ServerIP;
}

} // namespace modMain

#include "data/modDB.h"

QString modMain::GetNextDateText()
{
    // DateFormat "yyyy/mm/dd" in Qt's pattern letters.
    return modDB::GetServerTime().addDays(1).toString(QStringLiteral("yyyy/MM/dd"));
}

qint16 modMain::ArrayItemInteger(const QVariantList *array, int index)
{
    if (!array || index < 0 || index >= array->size())
        return 0;
    bool ok = false;
    const double value = array->at(index).toString().trimmed().toDouble(&ok);
    if (!ok || value < -32768 || value > 32767)
        return 0;
    return qint16(qRound(value));
}
