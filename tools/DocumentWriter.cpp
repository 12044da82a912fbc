#include "tools/DocumentWriter.h"

#include "data/Connection.h"

namespace {

const QString StoredDateTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QChar letterOf(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::Quote: return QLatin1Char('A');
    case DocumentKind::CustomerOrder: return QLatin1Char('G');
    case DocumentKind::InStock: return QLatin1Char('K');
    case DocumentKind::OutOrder: return QLatin1Char('Q');
    case DocumentKind::StockTaking: return QLatin1Char('X');
    }
    return QLatin1Char('?');
}

QStringList headColumns(const QString &partyColumn, const QStringList &ownColumns)
{
    return QStringList{QStringLiteral("OrderID"), QStringLiteral("OrderDate"), partyColumn}
           + ownColumns
           + QStringList{QStringLiteral("Note"), QStringLiteral("Active"),
                         QStringLiteral("IdUserNullify"), QStringLiteral("TimeNullify"),
                         QStringLiteral("IdUserAddNew"), QStringLiteral("TimeModifyFirst"),
                         QStringLiteral("IdUserModifyFirst"), QStringLiteral("TimeModifyLast"),
                         QStringLiteral("IdUserModifyLast")};
}

QStringList lineColumns(const QStringList &ownColumns)
{
    return QStringList{QStringLiteral("OrderID"), QStringLiteral("ItemNo"),
                       QStringLiteral("ProductID"), QStringLiteral("MeasurementUnitID")}
           + ownColumns;
}

QVariant storedTime(const QDateTime &time)
{
    return time.isValid() ? QVariant(time.toString(StoredDateTime)) : QVariant();
}

QVariant textOrNull(const QString &text) { return text.isEmpty() ? QVariant() : QVariant(text); }

} // namespace

struct DocumentWriter::Tables
{
    explicit Tables(Connection &c)
        : quoteHeads(c, QStringLiteral("OR_HeadCustomerQuote"),
                     headColumns(QStringLiteral("CustomerID"), {})),
          quoteLines(c, QStringLiteral("OR_DetailCustomerQuote"),
                     lineColumns({QStringLiteral("Price")})),
          orderHeads(c, QStringLiteral("OR_HeadCustomerOrder"),
                     headColumns(QStringLiteral("CustomerID"),
                                 {QStringLiteral("IsCompleteOutOrder"),
                                  QStringLiteral("OutOrderID")})),
          orderLines(c, QStringLiteral("OR_DetailCustomerOrder"),
                     lineColumns({QStringLiteral("Qty"), QStringLiteral("ColumnIndex"),
                                  QStringLiteral("RowIndex"), QStringLiteral("ItemActive")})),
          inStockHeads(c, QStringLiteral("OR_HeadInStock"),
                       headColumns(QStringLiteral("SupplierID"), {})),
          inStockLines(c, QStringLiteral("OR_DetailInStock"),
                       lineColumns({QStringLiteral("Cost"), QStringLiteral("Qty"),
                                    QStringLiteral("CurrentStockQty"),
                                    QStringLiteral("CurrentOrdQty"),
                                    QStringLiteral("OrderItemNoteID")})),
          deliveryHeads(c, QStringLiteral("OR_HeadOutOrder"),
                        headColumns(QStringLiteral("CustomerID"),
                                    {QStringLiteral("CustomerOrderID")})),
          deliveryLines(c, QStringLiteral("OR_DetailOutOrder"),
                        lineColumns({QStringLiteral("Price"), QStringLiteral("Qty"),
                                     QStringLiteral("CurrentOrdQty"),
                                     QStringLiteral("OrderItemNoteID")})),
          stockTakingHeads(c, QStringLiteral("OR_HeadStockTaking"),
                           headColumns(QStringLiteral("StockRoomID"), {})),
          stockTakingLines(c, QStringLiteral("OR_DetailStockTaking"),
                           lineColumns({QStringLiteral("STQty"), QStringLiteral("ItemActive"),
                                        QStringLiteral("ItemNote")}))
    {
    }

    BatchInsert quoteHeads, quoteLines, orderHeads, orderLines, inStockHeads, inStockLines,
        deliveryHeads, deliveryLines, stockTakingHeads, stockTakingLines;
};

DocumentWriter::DocumentWriter(Connection &connection)
    : m_tables(std::make_unique<Tables>(connection))
{
}

DocumentWriter::~DocumentWriter() = default;

QString composeOrderId(DocumentKind kind, const QString &partyId, QDate date, int sequence)
{
    return letterOf(kind) + QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0'))
           + partyId + QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'))
           + QStringLiteral("%1").arg(sequence, 3, 10, QLatin1Char('0'));
}

QString DocumentWriter::newOrderId(DocumentKind kind, const QString &partyId, QDate date)
{
    const QString key = composeOrderId(kind, partyId, date, 0);
    const int sequence = ++m_lastSequence[key];
    return composeOrderId(kind, partyId, date, sequence);
}

void DocumentWriter::write(const Document &document)
{
    writeHead(document);
    writeLines(document);
    ++m_documents;
    m_lines += document.lines.size();
}

void DocumentWriter::writeHead(const Document &d)
{
    const bool nullified = d.nullifiedAt.isValid();
    const QVariant entered = storedTime(d.enteredAt);
    // A nullified document was last touched when it was nullified.
    const QVariant lastTouched = nullified ? storedTime(d.nullifiedAt) : entered;
    const QVariantList start{d.orderId, storedTime(d.enteredAt.date().startOfDay()), d.partyId};
    const QVariantList end{textOrNull(d.note), nullified ? 0 : 1,
                           nullified ? QVariant(SupervisorId) : QVariant(),
                           storedTime(d.nullifiedAt), SupervisorId, entered, SupervisorId,
                           lastTouched, SupervisorId};
    switch (d.kind) {
    case DocumentKind::Quote: m_tables->quoteHeads.add(start + end); break;
    case DocumentKind::CustomerOrder:
        m_tables->orderHeads.add(start + QVariantList{d.linkedOrderId.isEmpty() ? 0 : 1,
                                                      textOrNull(d.linkedOrderId)} + end);
        break;
    case DocumentKind::InStock: m_tables->inStockHeads.add(start + end); break;
    case DocumentKind::OutOrder:
        m_tables->deliveryHeads.add(start + QVariantList{textOrNull(d.linkedOrderId)} + end);
        break;
    case DocumentKind::StockTaking: m_tables->stockTakingHeads.add(start + end); break;
    }
}

void DocumentWriter::writeLines(const Document &d)
{
    int itemNo = 0;
    for (const DocumentLine &line : d.lines) {
        ++itemNo;
        const QVariantList key{d.orderId, itemNo, line.productId, line.unitId};
        switch (d.kind) {
        case DocumentKind::Quote: m_tables->quoteLines.add(key + QVariantList{line.price}); break;
        case DocumentKind::CustomerOrder:
            m_tables->orderLines.add(key + QVariantList{line.qty, 0, itemNo, 1});
            break;
        case DocumentKind::InStock:
            m_tables->inStockLines.add(key + QVariantList{line.price, line.qty,
                                                          line.currentStockQty,
                                                          line.currentOrdQty, line.itemNoteId});
            break;
        case DocumentKind::OutOrder:
            m_tables->deliveryLines.add(key + QVariantList{line.price, line.qty,
                                                           line.currentOrdQty, line.itemNoteId});
            break;
        case DocumentKind::StockTaking:
            m_tables->stockTakingLines.add(key + QVariantList{line.qty, 1,
                                                              textOrNull(line.itemNote)});
            break;
        }
    }
}

void DocumentWriter::flush()
{
    for (BatchInsert *table : {&m_tables->quoteHeads, &m_tables->quoteLines,
                               &m_tables->orderHeads, &m_tables->orderLines,
                               &m_tables->inStockHeads, &m_tables->inStockLines,
                               &m_tables->deliveryHeads, &m_tables->deliveryLines,
                               &m_tables->stockTakingHeads, &m_tables->stockTakingLines})
        table->flush();
}
