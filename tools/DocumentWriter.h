#pragma once

#include "tools/BatchInsert.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

class Connection;

enum class DocumentKind { Quote, CustomerOrder, InStock, OutOrder, StockTaking };

// The party of every stock adjustment.
inline const QString StockRoomId = QStringLiteral("ZZZZ");
inline const QString SupervisorId = QStringLiteral("SUPERVISOR");

struct DocumentLine
{
    QString productId;
    int unitId = 0;
    double qty = 0;              // Qty, or STQty of an adjustment; quotes have none
    double price = 0;            // Price of quotes and deliveries, Cost of stock-in
    QVariant currentStockQty;    // stock-in
    QVariant currentOrdQty;      // stock-in and deliveries
    QVariant itemNoteId;         // stock-in and deliveries
    QString itemNote;            // adjustments
};

struct Document
{
    DocumentKind kind = DocumentKind::CustomerOrder;
    QString orderId;
    QDateTime enteredAt;         // the document date is its day
    QString partyId;
    QString note;
    QString linkedOrderId;       // the delivery that took an order over, a delivery's order
    QDateTime nullifiedAt;       // invalid while the document is valid
    QList<DocumentLine> lines;
};

// Writes document heads and lines as the document windows do, numbered per party and month.
class DocumentWriter
{
public:
    explicit DocumentWriter(Connection &connection);
    ~DocumentWriter();

    // The next number of the party's documents of that month; the database must hold no
    // documents this writer did not number.
    QString newOrderId(DocumentKind kind, const QString &partyId, QDate date);
    void write(const Document &document);
    void flush();

    qint64 documentsWritten() const { return m_documents; }
    qint64 linesWritten() const { return m_lines; }

private:
    struct Tables;
    void writeHead(const Document &document);
    void writeLines(const Document &document);

    std::unique_ptr<Tables> m_tables;
    QHash<QString, int> m_lastSequence;
    qint64 m_documents = 0;
    qint64 m_lines = 0;
};

// "G" + "26" + "C001" + "12" + "001": type letter, year, party, month, sequence.
QString composeOrderId(DocumentKind kind, const QString &partyId, QDate date, int sequence);
