#include "tools/BusyDataGenerator.h"

#include "data/Connection.h"
#include "tools/DocumentWriter.h"
#include "tools/MasterData.h"
#include "tools/NewDatabase.h"
#include "tools/ProduceCatalog.h"
#include "tools/TradeSimulator.h"

#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace BusyDataGenerator {
namespace {

constexpr quint32 Seed = 20190101;
constexpr int ProductCount = 500;

QStringList words(const char *spaced)
{
    return QString::fromUtf8(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

struct GrowingArea
{
    const char *place, *town, *areaCode;
};

const GrowingArea Areas[] = {
    {"西螺", "雲林縣西螺鎮", "05"}, {"二崙", "雲林縣二崙鄉", "05"},
    {"永靖", "彰化縣永靖鄉", "04"}, {"埔里", "南投縣埔里鎮", "04"},
    {"東勢", "台中市東勢區", "04"}, {"九如", "屏東縣九如鄉", "08"},
    {"三星", "宜蘭縣三星鄉", "03"}, {"吉安", "花蓮縣吉安鄉", "03"},
};

QList<Supplier> suppliers(QRandomGenerator &random)
{
    // One trade per category, in category order.
    const QStringList trades = words("葉菜產銷班 根莖農產行 瓜果合作社 青果合作社 菇類農場");
    const QStringList roads = words("中山路 中正路 民生路 復興路 建國路 光復路");
    QList<Supplier> list;
    for (const GrowingArea &area : Areas) {
        for (int t = 0; t < trades.size(); ++t) {
            Supplier s;
            s.id = QStringLiteral("S%1").arg(list.size() + 1, 3, 10, QLatin1Char('0'));
            s.name = QString::fromUtf8(area.place) + trades.at(t);
            s.shortName = QString::fromUtf8(area.place) + trades.at(t).at(0);
            s.address = QString::fromUtf8(area.town) + roads.at(random.bounded(int(roads.size())))
                        + QString::number(1 + random.bounded(400)) + QStringLiteral("號");
            PartyDetails::fillContacts(s, random, QString::fromLatin1(area.areaCode));
            s.paymentTypeId = QList<int>{Monthly, HalfMonth, TenDays}.at(random.bounded(3));
            s.categoryId = t + 1;
            list << s;
        }
    }
    return list;
}

QList<Customer> customers(QRandomGenerator &random)
{
    const QStringList names = words("福園 阿明 金記 好味 老張 鼎香 和風 福來 悅來 海天 "
                                    "青禾 蓮心 晨光 長青 大安 永和 新興 佳佳 美味 順發");
    const QStringList trades = words("小吃店 麵館 餐廳 自助餐 便當店 火鍋店 早餐店 水果行 "
                                     "生鮮超市 菜攤");
    QList<Customer> list;
    for (const QString &trade : trades) {
        // Stalls and small shops pay cash and take no invoice.
        const bool paysCash = trade == QLatin1String("早餐店") || trade == QLatin1String("水果行")
                              || trade == QLatin1String("菜攤");
        for (const QString &name : names) {
            Customer c;
            c.id = QStringLiteral("C%1").arg(list.size() + 1, 3, 10, QLatin1Char('0'));
            c.name = name + trade;
            c.shortName = name + trade.at(0);
            PartyDetails::fillContacts(c, random, QStringLiteral("02"));
            c.address = PartyDetails::cityAddress(random);
            c.paymentTypeId = paysCash ? int(Cash) : 1 + int(list.size() % 4);
            c.titleId = paysCash ? 2 : 1;
            if (paysCash)
                c.vat.clear();
            else
                c.invoiceTitle = c.name;
            c.sortOrder = int(list.size() + 1) * 10;
            list << c;
        }
    }
    return list;
}

QList<Product> products(const QList<Supplier> &suppliers, QRandomGenerator &random)
{
    // Each kind of produce comes in several grades; a grade's name goes before the kind's.
    const QStringList grades = QStringList{QString()}
                               + words("有機 高山 特選 進口 產銷履歷 契作 精選 小農");
    const double gradePrice[] = {1, 1.6, 1.3, 1.2, 1.5, 1.25, 1.1, 1.15, 1.2};
    const QList<ProduceCatalog::Kind> kinds = ProduceCatalog::kinds();
    QList<Product> list;
    QHash<int, int> numberInLetter;
    for (int i = 0; i < ProductCount; ++i) {
        const ProduceCatalog::Kind &kind = kinds.at(i % kinds.size());
        const int grade = int(i / kinds.size()) % int(grades.size());
        const QChar letter = ProduceCatalog::productCode(kind.category, 0).at(0);
        Product p;
        p.id = ProduceCatalog::productCode(kind.category, ++numberInLetter[letter.unicode()]);
        p.name = grades.at(grade) + kind.name;
        QList<QString> growers;
        for (const Supplier &s : suppliers)
            if (s.categoryId == kind.category)
                growers << s.id;
        p.supplierId = growers.at(random.bounded(int(growers.size())));
        p.price = std::round(kind.price * gradePrice[grade]);
        p.cost = std::round(kind.cost * gradePrice[grade]);
        p.unitId = kind.unit;
        p.categoryId = kind.category;
        p.printBarcode = kind.unit == Box;
        p.sortOrder = i + 1;
        list << p;
    }
    return list;
}

MasterData masterData(QRandomGenerator &random)
{
    MasterData data;
    data.titles = {{QStringLiteral("豐收蔬果股份有限公司"), PartyDetails::businessNumber(random),
                    QStringLiteral("台北市萬華區環河南路二段8號"),
                    QStringLiteral("02-2303-5566"), QStringLiteral("02-2303-5577"), true},
                   {QStringLiteral("豐收農產行"), PartyDetails::businessNumber(random),
                    QStringLiteral("台北市萬華區萬大路486號"),
                    QStringLiteral("02-2309-7788"), QStringLiteral("02-2309-7799"), false}};
    data.categories = ProduceCatalog::categoryNames();
    data.itemNotes = ProduceCatalog::itemNotes();
    data.suppliers = suppliers(random);
    data.customers = customers(random);
    data.products = products(data.suppliers, random);
    return data;
}

void reportProgress(QDate day, qint64 done, qint64 total)
{
    std::fprintf(stderr, "\r%s %3d%% ", qPrintable(day.toString(QStringLiteral("yyyy-MM"))),
                 int(100 * done / qMax<qint64>(total, 1)));
    std::fflush(stderr);
}

} // namespace

Totals generate(const QString &path, double years, QDate lastDay)
{
    Totals totals;
    fillNewDatabase(path, [&](Connection &connection) {
        QRandomGenerator random(Seed);
        const MasterData data = masterData(random);
        const qint64 days = qMax<qint64>(1, qRound64(years * 365.2425));
        const QDate firstDay = lastDay.addDays(1 - days);
        const QDate finalDay = TradeSimulator::lastTradingDay(lastDay);

        TradeVolume volume;
        volume.ordersPerDayMin = 95;
        volume.ordersPerDayMax = 115;
        volume.linesPerOrderMin = 4;
        volume.linesPerOrderMax = 12;
        volume.favouritesPerCustomer = 40;
        volume.quotesPerDay = 3;
        volume.walkInSalesPerDay = 8;
        volume.mistakeShare = 0.005;

        // A large page cache keeps the indexes in memory while millions of lines go in.
        connection.executeScript(QStringLiteral("PRAGMA cache_size = -262144"));
        connection.beginTransaction();
        writeMasterData(connection, data, firstDay.addDays(-7).startOfDay().addSecs(9 * 3600));
        DocumentWriter writer(connection);
        TradeSimulator trade(data, volume, writer, Seed + 1);
        reportProgress(firstDay, 0, days);
        for (QDate day = firstDay; day <= finalDay; day = day.addDays(1)) {
            if (day.day() == 1 && day != firstDay) {
                writer.flush();
                connection.commitTransaction();
                connection.beginTransaction();
                reportProgress(day, firstDay.daysTo(day), days);
            }
            trade.tradeDay(day, day == finalDay);
        }
        writer.flush();
        connection.commitTransaction();
        reportProgress(lastDay, days, days);
        std::fputc('\n', stderr);
        totals = {writer.documentsWritten(), writer.linesWritten()};
    });
    return totals;
}

} // namespace BusyDataGenerator
