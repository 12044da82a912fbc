#include "tools/TradeSimulator.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr double Tael = 0.0625;

// The smallest amount a line of the unit is weighed or counted in.
double stepOf(int unitId)
{
    switch (unitId) {
    case Catty: return Tael;
    case Kilogram: return 0.5;
    default: return 1;
    }
}

double roundDown(double qty, double step) { return std::floor(qty / step + 1e-9) * step; }
double roundUp(double qty, double step) { return std::ceil(qty / step - 1e-9) * step; }

double roundPrice(double price)
{
    const double step = price < 100 ? 0.5 : price < 1000 ? 1 : 10;
    return std::max(step, std::round(price / step) * step);
}

QDateTime atMinute(QDate day, int minute, int second)
{
    return QDateTime(day, QTime(minute / 60, minute % 60, second));
}

} // namespace

TradeSimulator::TradeSimulator(const MasterData &data, const TradeVolume &volume,
                               DocumentWriter &writer, quint32 seed)
    : m_data(data), m_volume(volume), m_writer(writer), m_random(seed),
      m_stock(data.products.size(), 0.0), m_favourites(data.customers.size()),
      m_productsOfSupplier(data.suppliers.size())
{
    for (int p = 0; p < data.products.size(); ++p) {
        m_productIndex.insert(data.products.at(p).id, p);
        for (int s = 0; s < data.suppliers.size(); ++s)
            if (data.suppliers.at(s).id == data.products.at(p).supplierId)
                m_productsOfSupplier[s] << p;
    }
    const int favourites = std::min<int>(volume.favouritesPerCustomer, data.products.size());
    for (int c = 0; c < data.customers.size(); ++c) {
        QVector<int> all(data.products.size());
        std::iota(all.begin(), all.end(), 0);
        std::shuffle(all.begin(), all.end(), m_random);
        m_favourites[c] = all.mid(0, favourites);
        if (data.customers.at(c).paymentTypeId == Cash)
            m_cashCustomers << c;
    }
    for (int n = 0; n < data.itemNotes.size(); ++n) {
        if (data.itemNotes.at(n).onStockIn)
            m_stockInNotes << n + 1;
        if (data.itemNotes.at(n).onDelivery)
            m_deliveryNotes << n + 1;
    }
}

QDate TradeSimulator::lastTradingDay(QDate onOrBefore)
{
    return onOrBefore.dayOfWeek() == Qt::Sunday ? onOrBefore.addDays(-1) : onOrBefore;
}

bool TradeSimulator::isLastTradingDayOfMonth(QDate day)
{
    QDate next = day.addDays(1);
    if (next.dayOfWeek() == Qt::Sunday)
        next = next.addDays(1);
    return next.month() != day.month();
}

void TradeSimulator::tradeDay(QDate day, bool lastDay)
{
    if (day.dayOfWeek() == Qt::Sunday)
        return;
    QList<Document> orders = takeOrders(day);
    QVector<double> ordered(m_stock.size(), 0.0);
    for (const Document &order : std::as_const(orders))
        for (const DocumentLine &line : order.lines)
            ordered[productIndex(line.productId)] += line.qty;
    buyStock(day, ordered);
    if (!lastDay)
        deliver(day, orders);
    for (const Document &order : std::as_const(orders))
        m_writer.write(order);
    if (lastDay)
        return;
    sellToWalkIns(day);
    sendQuotes(day);
    if (m_volume.monthlyStockTaking && isLastTradingDayOfMonth(day))
        takeStock(atMinute(day, 17 * 60 + 30, 0));
}

QList<Document> TradeSimulator::takeOrders(QDate day)
{
    QList<Document> orders;
    const int n = m_volume.ordersPerDayMin
                  + m_random.bounded(m_volume.ordersPerDayMax - m_volume.ordersPerDayMin + 1);
    for (const QDateTime &at : timesBetween(day, 30, 4 * 60, n)) {
        const int customer = m_random.bounded(int(m_data.customers.size()));
        QVector<int> picks = m_favourites.at(customer);
        std::shuffle(picks.begin(), picks.end(), m_random);
        const int lines = m_volume.linesPerOrderMin
                          + m_random.bounded(m_volume.linesPerOrderMax
                                             - m_volume.linesPerOrderMin + 1);
        Document order;
        order.kind = DocumentKind::CustomerOrder;
        order.enteredAt = at;
        order.partyId = m_data.customers.at(customer).id;
        for (int product : picks.mid(0, lines))
            order.lines << lineOf(product, orderQuantity(product));
        number(order);
        orders << order;
    }
    return orders;
}

void TradeSimulator::buyStock(QDate day, const QVector<double> &ordered)
{
    QVector<int> suppliers(m_data.suppliers.size());
    std::iota(suppliers.begin(), suppliers.end(), 0);
    std::shuffle(suppliers.begin(), suppliers.end(), m_random);
    const QList<QDateTime> times = timesBetween(day, 4 * 60, 6 * 60, int(suppliers.size()));
    for (int i = 0; i < suppliers.size(); ++i) {
        Document stockIn;
        stockIn.kind = DocumentKind::InStock;
        stockIn.enteredAt = times.at(i);
        stockIn.partyId = m_data.suppliers.at(suppliers.at(i)).id;
        for (int p : m_productsOfSupplier.at(suppliers.at(i))) {
            // Buy what is ordered and not in stock, and a little more for the walk-in trade.
            const double margin = ordered.at(p) * m_random.bounded(0.08);
            const double need = ordered.at(p) + margin - m_stock.at(p);
            if (ordered.at(p) <= 0 || need <= 0)
                continue;
            const Product &product = m_data.products.at(p);
            DocumentLine line = lineOf(p, roundUp(need, 1));
            line.price = dayPrice(product.cost, 0.15);
            line.currentStockQty = m_stock.at(p);
            line.currentOrdQty = ordered.at(p);
            line.itemNoteId = maybeNote(m_stockInNotes);
            m_stock[p] += line.qty;
            stockIn.lines << line;
        }
        if (stockIn.lines.isEmpty())
            continue;
        number(stockIn);
        m_writer.write(stockIn);
    }
}

void TradeSimulator::deliver(QDate day, QList<Document> &orders)
{
    const QList<QDateTime> times = timesBetween(day, 6 * 60, 9 * 60 + 30, int(orders.size()));
    for (int i = 0; i < orders.size(); ++i) {
        Document &order = orders[i];
        Document delivery;
        delivery.kind = DocumentKind::OutOrder;
        delivery.enteredAt = times.at(i);
        delivery.partyId = order.partyId;
        delivery.linkedOrderId = order.orderId;
        for (const DocumentLine &ordered : std::as_const(order.lines)) {
            const int p = productIndex(ordered.productId);
            double qty = ordered.qty;
            // What is weighed out differs from the order by a few taels now and then.
            if (ordered.unitId == Catty && m_random.bounded(5) == 0)
                qty = std::max(Tael, qty + Tael * (m_random.bounded(9) - 4));
            qty = std::min(qty, roundDown(m_stock.at(p), stepOf(ordered.unitId)));
            if (qty <= 0)
                continue;
            DocumentLine line = lineOf(p, qty);
            line.price = dayPrice(m_data.products.at(p).price, 0.06);
            line.currentOrdQty = ordered.qty;
            line.itemNoteId = maybeNote(m_deliveryNotes);
            m_stock[p] -= qty;
            delivery.lines << line;
        }
        if (delivery.lines.isEmpty())
            continue;
        number(delivery);
        m_writer.write(delivery);
        order.linkedOrderId = delivery.orderId;
    }
}

void TradeSimulator::sellToWalkIns(QDate day)
{
    if (m_cashCustomers.isEmpty())
        return;
    const int n = count(m_volume.walkInSalesPerDay);
    for (const QDateTime &at : timesBetween(day, 9 * 60 + 30, 12 * 60, n)) {
        Document sale;
        sale.kind = DocumentKind::OutOrder;
        sale.enteredAt = at;
        sale.partyId = m_data.customers.at(m_cashCustomers.at(
                                               m_random.bounded(int(m_cashCustomers.size()))))
                           .id;
        const int lines = 2 + m_random.bounded(4);
        for (int attempt = 0; attempt < 20 && sale.lines.size() < lines; ++attempt) {
            const int p = m_random.bounded(int(m_stock.size()));
            const int unit = m_data.products.at(p).unitId;
            const double qty = std::min(orderQuantity(p), roundDown(m_stock.at(p), stepOf(unit)));
            const bool taken = std::any_of(sale.lines.cbegin(), sale.lines.cend(),
                                           [&](const DocumentLine &l) {
                                               return l.productId == m_data.products.at(p).id;
                                           });
            if (qty <= 0 || taken)
                continue;
            DocumentLine line = lineOf(p, qty);
            line.price = dayPrice(m_data.products.at(p).price, 0.06);
            m_stock[p] -= qty;
            sale.lines << line;
        }
        if (sale.lines.isEmpty())
            continue;
        number(sale);
        m_writer.write(sale);
    }
}

void TradeSimulator::sendQuotes(QDate day)
{
    for (const QDateTime &at : timesBetween(day, 13 * 60, 17 * 60, count(m_volume.quotesPerDay))) {
        const int customer = m_random.bounded(int(m_data.customers.size()));
        Document quote;
        quote.kind = DocumentKind::Quote;
        quote.enteredAt = at;
        quote.partyId = m_data.customers.at(customer).id;
        for (int p : m_favourites.at(customer)) {
            DocumentLine line = lineOf(p, 0);
            line.price = roundPrice(m_data.products.at(p).price);
            quote.lines << line;
        }
        number(quote);
        m_writer.write(quote);
    }
}

void TradeSimulator::takeStock(const QDateTime &at)
{
    static const QStringList reasons{QStringLiteral("損耗"), QStringLiteral("腐爛報廢"),
                                     QStringLiteral("盤點差異")};
    Document adjustment;
    adjustment.kind = DocumentKind::StockTaking;
    adjustment.enteredAt = at;
    adjustment.partyId = StockRoomId;
    adjustment.note = QStringLiteral("月底盤點");
    QVector<int> products(m_stock.size());
    std::iota(products.begin(), products.end(), 0);
    std::shuffle(products.begin(), products.end(), m_random);
    for (int p : std::as_const(products)) {
        if (adjustment.lines.size() == 15)
            break;
        const double step = stepOf(m_data.products.at(p).unitId);
        const double loss = roundDown(m_stock.at(p) * (0.05 + m_random.bounded(0.45)), step);
        if (loss <= 0)
            continue;
        DocumentLine line = lineOf(p, -loss);
        line.itemNote = reasons.at(m_random.bounded(int(reasons.size())));
        m_stock[p] -= loss;
        adjustment.lines << line;
    }
    if (adjustment.lines.isEmpty())
        return;
    number(adjustment);
    m_writer.write(adjustment);
}

void TradeSimulator::number(Document &document)
{
    const QDate day = document.enteredAt.date();
    if (m_random.generateDouble() < m_volume.mistakeShare) {
        Document copy = document;
        copy.orderId = m_writer.newOrderId(copy.kind, copy.partyId, day);
        copy.nullifiedAt = copy.enteredAt.addSecs(60 + m_random.bounded(240));
        if (copy.kind == DocumentKind::CustomerOrder)
            copy.linkedOrderId.clear();
        m_writer.write(copy);
        document.enteredAt = copy.nullifiedAt.addSecs(30 + m_random.bounded(120));
    }
    document.orderId = m_writer.newOrderId(document.kind, document.partyId, day);
}

DocumentLine TradeSimulator::lineOf(int product, double qty) const
{
    DocumentLine line;
    line.productId = m_data.products.at(product).id;
    line.unitId = m_data.products.at(product).unitId;
    line.qty = qty;
    return line;
}

double TradeSimulator::orderQuantity(int product)
{
    switch (m_data.products.at(product).unitId) {
    case Catty: {
        const double whole = 1 + m_random.bounded(30);
        // Every fourth line is weighed to the tael.
        return m_random.bounded(4) == 0 ? whole + Tael * (1 + m_random.bounded(15)) : whole;
    }
    case Kilogram: return 1 + m_random.bounded(20) + (m_random.bounded(4) == 0 ? 0.5 : 0);
    default: return 1 + m_random.bounded(5);
    }
}

double TradeSimulator::dayPrice(double price, double spread)
{
    return roundPrice(price * (1 - spread + m_random.bounded(2 * spread)));
}

QVariant TradeSimulator::maybeNote(const QList<int> &allowed)
{
    if (allowed.isEmpty() || m_random.bounded(30) != 0)
        return {};
    return allowed.at(m_random.bounded(int(allowed.size())));
}

int TradeSimulator::count(double perDay)
{
    const double whole = std::floor(perDay);
    return int(whole) + (m_random.generateDouble() < perDay - whole ? 1 : 0);
}

QList<QDateTime> TradeSimulator::timesBetween(QDate day, int fromMinute, int toMinute,
                                              int howMany)
{
    QList<int> seconds;
    for (int i = 0; i < howMany; ++i)
        seconds << fromMinute * 60 + m_random.bounded((toMinute - fromMinute) * 60);
    std::sort(seconds.begin(), seconds.end());
    QList<QDateTime> times;
    for (int s : seconds)
        times << atMinute(day, s / 60, s % 60);
    return times;
}

int TradeSimulator::productIndex(const QString &productId) const
{
    return m_productIndex.value(productId);
}
