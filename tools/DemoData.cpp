#include "tools/DemoData.h"

#include "data/Connection.h"
#include "tools/DocumentWriter.h"
#include "tools/MasterData.h"
#include "tools/NewDatabase.h"
#include "tools/ProduceCatalog.h"
#include "tools/TradeSimulator.h"

#include <QRandomGenerator>

namespace DemoData {
namespace {

// The same seed every time, so that every demo database tells the same story.
constexpr quint32 Seed = 20240601;

using ProduceCatalog::Category;

struct SupplierRow
{
    const char *name, *shortName, *address, *areaCode;
    Category category;
    int paymentTypeId, titleId;
};

const SupplierRow Suppliers[] = {
    {"西螺葉菜產銷班", "西螺", "雲林縣西螺鎮延平路168號", "05", Category::Leafy, Monthly, 1},
    {"永靖蔬菜生產合作社", "永靖", "彰化縣永靖鄉中山路二段55號", "04", Category::Leafy, HalfMonth, 1},
    {"民雄根莖農產行", "民雄", "嘉義縣民雄鄉建國路三段210號", "05", Category::Roots, Monthly, 1},
    {"九如瓜果產銷合作社", "九如", "屏東縣九如鄉九如路一段88號", "08", Category::Gourds, TenDays, 1},
    {"旗山青果合作社", "旗山", "高雄市旗山區中山路120號", "07", Category::Fruit, Monthly, 1},
    {"東勢果樂園有限公司", "東勢", "台中市東勢區豐勢路358號", "04", Category::Fruit, Monthly, 1},
    {"新社菇類生產合作社", "新社", "台中市新社區協中街66號", "04", Category::Mushrooms, HalfMonth, 1},
    {"萬大果菜批發行", "萬大", "台北市萬華區萬大路533號", "02", Category::Gourds, Weekly, 2},
};

struct CustomerRow
{
    const char *name, *shortName, *invoiceTitle;
    int paymentTypeId;
};

const CustomerRow Customers[] = {
    {"福園川菜餐廳", "福園", "福園餐飲有限公司", Monthly},
    {"阿明麵館", "阿明", "", Weekly},
    {"金記海鮮熱炒", "金記", "金記餐飲有限公司", Weekly},
    {"好味自助餐", "好味", "好味餐飲商行", TenDays},
    {"長青國民小學", "長青", "長青國民小學", Monthly},
    {"仁愛國民中學", "仁愛", "仁愛國民中學", Monthly},
    {"大同高級中學", "大同", "大同高級中學", Monthly},
    {"永康市場陳記菜攤", "陳記", "", Cash},
    {"南門市場林家蔬果", "林家", "", Cash},
    {"東門市場黃記菜行", "黃記", "", Cash},
    {"鮮采生鮮超市", "鮮采", "鮮采商行股份有限公司", HalfMonth},
    {"全民生鮮超市", "全民", "全民生鮮股份有限公司", HalfMonth},
    {"晨光早餐店", "晨光", "", Cash},
    {"老張牛肉麵", "老張", "老張小吃店", Weekly},
    {"鼎香火鍋店", "鼎香", "鼎香餐飲有限公司", TenDays},
    {"和風日式料理", "和風", "和風餐飲有限公司", HalfMonth},
    {"福來便當", "福來", "福來便當店", Weekly},
    {"惠生醫院員工餐廳", "惠生", "財團法人惠生醫院", Monthly},
    {"蓮心素食館", "蓮心", "蓮心素食館", TenDays},
    {"悅來大飯店", "悅來", "悅來大飯店股份有限公司", Monthly},
    {"小林水果行", "小林", "", Cash},
    {"大安幼兒園", "大安", "私立大安幼兒園", Monthly},
    {"阿嬤的廚房", "阿嬤", "阿嬤的廚房小吃店", TenDays},
    {"海天宴會餐廳", "海天", "海天宴會廣場有限公司", HalfMonth},
    {"青禾蔬食坊", "青禾", "青禾蔬食坊", Weekly},
};

MasterData masterData(QRandomGenerator &random)
{
    MasterData data;
    data.titles = {{QStringLiteral("綠園蔬果有限公司"), PartyDetails::businessNumber(random),
                    QStringLiteral("台北市萬華區環河南路二段250號"),
                    QStringLiteral("02-2305-6688"), QStringLiteral("02-2305-6699"), true},
                   {QStringLiteral("綠園農產行"), PartyDetails::businessNumber(random),
                    QStringLiteral("台北市萬華區西園路二段38號"),
                    QStringLiteral("02-2306-1122"), QStringLiteral("02-2306-1133"), false}};
    data.categories = ProduceCatalog::categoryNames();
    data.itemNotes = ProduceCatalog::itemNotes();

    for (const SupplierRow &row : Suppliers) {
        Supplier s;
        s.id = QStringLiteral("S%1").arg(data.suppliers.size() + 1, 3, 10, QLatin1Char('0'));
        s.name = QString::fromUtf8(row.name);
        s.shortName = QString::fromUtf8(row.shortName);
        s.address = QString::fromUtf8(row.address);
        PartyDetails::fillContacts(s, random, QString::fromLatin1(row.areaCode));
        s.paymentTypeId = row.paymentTypeId;
        s.titleId = row.titleId;
        s.categoryId = row.category;
        data.suppliers << s;
    }

    for (const CustomerRow &row : Customers) {
        Customer c;
        c.id = QStringLiteral("C%1").arg(data.customers.size() + 1, 3, 10, QLatin1Char('0'));
        c.name = QString::fromUtf8(row.name);
        c.shortName = QString::fromUtf8(row.shortName);
        c.invoiceTitle = QString::fromUtf8(row.invoiceTitle);
        PartyDetails::fillContacts(c, random, QStringLiteral("02"));
        if (c.invoiceTitle.isEmpty())
            c.vat.clear(); // market stalls and small shops take no invoice
        c.address = PartyDetails::cityAddress(random);
        c.paymentTypeId = row.paymentTypeId;
        c.titleId = row.paymentTypeId == Cash ? 2 : 1;
        c.sortOrder = int(data.customers.size() + 1) * 10;
        data.customers << c;
    }

    QHash<int, int> numberInLetter;
    QHash<int, int> suppliersUsed;
    for (const ProduceCatalog::Kind &kind : ProduceCatalog::kinds()) {
        QList<const Supplier *> growers;
        for (const Supplier &s : std::as_const(data.suppliers))
            if (s.categoryId == kind.category)
                growers << &s;
        const QChar letter = ProduceCatalog::productCode(kind.category, 0).at(0);
        Product p;
        p.id = ProduceCatalog::productCode(kind.category, ++numberInLetter[letter.unicode()]);
        p.name = kind.name;
        p.supplierId = growers.at(suppliersUsed[kind.category]++ % growers.size())->id;
        p.price = kind.price;
        p.cost = kind.cost;
        p.unitId = kind.unit;
        p.categoryId = kind.category;
        p.printBarcode = kind.unit == Box; // boxes go out with a label
        p.sortOrder = int(data.products.size() + 1) * 10;
        data.products << p;
    }
    return data;
}

} // namespace

void create(const QString &path, QDate lastDay)
{
    fillNewDatabase(path, [&](Connection &connection) {
        QRandomGenerator random(Seed);
        const MasterData data = masterData(random);
        const QDate firstDay = lastDay.addMonths(-3).addDays(1);
        const QDate finalDay = TradeSimulator::lastTradingDay(lastDay);
        const QDate stockTakingDay = TradeSimulator::lastTradingDay(
            QDate(lastDay.year(), lastDay.month(), 1).addDays(-1));

        TradeVolume volume;
        volume.mistakeShare = 0.004;
        volume.quotesPerDay = 0.1;
        volume.monthlyStockTaking = false; // one adjustment is enough to show

        connection.beginTransaction();
        writeMasterData(connection, data, firstDay.addDays(-30).startOfDay().addSecs(9 * 3600));
        DocumentWriter writer(connection);
        TradeSimulator trade(data, volume, writer, Seed + 1);
        for (QDate day = firstDay; day <= finalDay; day = day.addDays(1)) {
            trade.tradeDay(day, day == finalDay);
            if (day == stockTakingDay)
                trade.takeStock(QDateTime(day, QTime(17, 30)));
        }
        writer.flush();
        connection.commitTransaction();
    });
}

} // namespace DemoData
