#include "data/modDB_TORVO.h"

#include "data/SqlText.h"
#include "data/modDB.h"

namespace modDB_TORVO {
namespace {

struct DocumentType
{
    qint16 code;
    const char *letter;
    const char *headTable;
    const char *partyColumn;
};

const DocumentType Types[] = {
    {1, "A", "OR_HeadCustomerQuote", "CustomerID"},
    {10, "G", "OR_HeadCustomerOrder", "CustomerID"},
    {20, "K", "OR_HeadInStock", "SupplierID"},
    {30, "Q", "OR_HeadOutOrder", "CustomerID"},
    {60, "X", "OR_HeadStockTaking", "StockRoomID"},
};

} // namespace

QString GetNewOrderID(qint16 orderType, const QString &partyCode)
{
    QString letter, table, column;
    for (const DocumentType &type : Types) {
        if (type.code == orderType) {
            letter = QLatin1String(type.letter);
            table = QLatin1String(type.headTable);
            column = QLatin1String(type.partyColumn);
        }
    }
    const QDate today = modDB::GetServerTime().date();
    const QString year = QStringLiteral("%1").arg(today.year() % 100, 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(today.month(), 2, 10, QLatin1Char('0'));
    // The month stands after the letter, the year and the party code, whatever its length.
    const QString monthPosition = QString::number(4 + partyCode.size());
    const qint32 n = modDB::GetLong(
        QStringLiteral("SELECT COUNT(*) FROM [") + table + QStringLiteral("] ") + QStringLiteral("WHERE (")
        + column + QStringLiteral(" = '") + modDB::SqlText(partyCode) + QStringLiteral("') ")
        + QStringLiteral("AND (SUBSTRING(OrderID, 2, 2) = '") + year + QStringLiteral("') AND (SUBSTRING(OrderID, ")
        + monthPosition + QStringLiteral(", 2) = '") + month + QStringLiteral("') ")) + 1;
    return letter + year + partyCode + month + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace modDB_TORVO
