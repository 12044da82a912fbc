#pragma once

#include "tools/DocumentWriter.h"
#include "tools/MasterData.h"

#include <QDate>
#include <QRandomGenerator>
#include <QVector>

// How much a distributor trades on an ordinary day.
struct TradeVolume
{
    int ordersPerDayMin = 8;
    int ordersPerDayMax = 14;
    int linesPerOrderMin = 3;
    int linesPerOrderMax = 10;
    int favouritesPerCustomer = 18;
    double quotesPerDay = 0.3;
    double walkInSalesPerDay = 0.5;
    // Documents saved twice by mistake, the first copy nullified.
    double mistakeShare = 0.01;
    bool monthlyStockTaking = true;
};

// A trading day as the staff would record it: orders come in overnight, the morning's
// purchase covers them, deliveries take the orders over, quotations go out in the afternoon.
// Stock is followed line by line so that no delivery takes more than is there.
class TradeSimulator
{
public:
    TradeSimulator(const MasterData &data, const TradeVolume &volume, DocumentWriter &writer,
                   quint32 seed);

    // Sundays are no trading days; the orders of the last day are not delivered yet.
    void tradeDay(QDate day, bool lastDay);
    // Writes off part of what is left over, as a stock adjustment.
    void takeStock(const QDateTime &at);

    static QDate lastTradingDay(QDate onOrBefore);
    static bool isLastTradingDayOfMonth(QDate day);

private:
    QList<Document> takeOrders(QDate day);
    void buyStock(QDate day, const QVector<double> &ordered);
    void deliver(QDate day, QList<Document> &orders);
    void sellToWalkIns(QDate day);
    void sendQuotes(QDate day);
    // Numbers the document; now and then the same document was saved a moment before by
    // mistake and nullified: that copy is written here and takes the number before it.
    void number(Document &document);

    DocumentLine lineOf(int product, double qty) const;
    double orderQuantity(int product);
    double dayPrice(double price, double spread);
    QVariant maybeNote(const QList<int> &allowed);
    int count(double perDay);
    QList<QDateTime> timesBetween(QDate day, int fromMinute, int toMinute, int howMany);
    int productIndex(const QString &productId) const;

    const MasterData &m_data;
    TradeVolume m_volume;
    DocumentWriter &m_writer;
    QRandomGenerator m_random;
    QVector<double> m_stock;
    QVector<QVector<int>> m_favourites;
    QVector<QVector<int>> m_productsOfSupplier;
    QHash<QString, int> m_productIndex;
    QList<int> m_cashCustomers;
    QList<int> m_stockInNotes;
    QList<int> m_deliveryNotes;
};
