#include "tools/ProduceCatalog.h"

namespace ProduceCatalog {

QStringList categoryNames()
{
    return {QStringLiteral("葉菜類"), QStringLiteral("根莖類"), QStringLiteral("瓜果類"),
            QStringLiteral("水果類"), QStringLiteral("菇菌類")};
}

QList<ItemNote> itemNotes()
{
    return {{QStringLiteral("新鮮"), true, true},
            {QStringLiteral("小心輕放"), true, true},
            {QStringLiteral("退貨"), true, true},
            {QStringLiteral("去頭去尾"), false, true},
            {QStringLiteral("分裝小包"), false, true},
            {QStringLiteral("冷藏"), true, true},
            {QStringLiteral("品質不良"), true, false},
            {QStringLiteral("補貨"), true, true}};
}

QList<Kind> kinds()
{
    const auto kind = [](const char *name, Category category, Unit unit, double price,
                         double cost) {
        return Kind{QString::fromUtf8(name), category, unit, price, cost};
    };
    return {
        kind("高麗菜", Leafy, Catty, 28, 19), kind("小白菜", Leafy, Catty, 35, 24),
        kind("青江菜", Leafy, Catty, 35, 24), kind("菠菜", Leafy, Catty, 60, 43),
        kind("空心菜", Leafy, Catty, 40, 28), kind("地瓜葉", Leafy, Catty, 30, 20),
        kind("大白菜", Leafy, Catty, 25, 17), kind("芥藍菜", Leafy, Catty, 45, 32),
        kind("A菜", Leafy, Catty, 40, 28), kind("油菜", Leafy, Catty, 35, 24),
        kind("茼蒿", Leafy, Catty, 60, 42), kind("芹菜", Leafy, Catty, 55, 38),
        kind("韭菜", Leafy, Catty, 60, 42), kind("青蔥", Leafy, Catty, 80, 58),
        kind("紅蘿蔔", Roots, Catty, 25, 16), kind("白蘿蔔", Roots, Catty, 20, 13),
        kind("馬鈴薯", Roots, Kilogram, 50, 34), kind("洋蔥", Roots, Kilogram, 45, 30),
        kind("地瓜", Roots, Catty, 30, 20), kind("芋頭", Roots, Catty, 60, 42),
        kind("牛蒡", Roots, Catty, 70, 50), kind("山藥", Roots, Catty, 90, 65),
        kind("蓮藕", Roots, Catty, 80, 57), kind("竹筍", Roots, Catty, 70, 50),
        kind("老薑", Roots, Catty, 80, 55), kind("蒜頭", Roots, Kilogram, 200, 140),
        kind("小黃瓜", Gourds, Catty, 45, 30), kind("絲瓜", Gourds, Catty, 40, 28),
        kind("苦瓜", Gourds, Catty, 50, 35), kind("冬瓜", Gourds, Catty, 18, 12),
        kind("南瓜", Gourds, Catty, 30, 20), kind("茄子", Gourds, Catty, 45, 31),
        kind("牛番茄", Gourds, Catty, 50, 35), kind("青椒", Gourds, Catty, 60, 42),
        kind("紅甜椒", Gourds, Kilogram, 180, 125), kind("玉米", Gourds, Box, 450, 320),
        kind("四季豆", Gourds, Catty, 70, 50), kind("秋葵", Gourds, Catty, 80, 55),
        kind("香蕉", Fruit, Catty, 35, 22), kind("芭樂", Fruit, Catty, 40, 27),
        kind("鳳梨", Fruit, Box, 480, 340), kind("蘋果", Fruit, Box, 1250, 900),
        kind("柳丁", Fruit, Box, 600, 430), kind("木瓜", Fruit, Catty, 40, 27),
        kind("西瓜", Fruit, Catty, 20, 13), kind("葡萄", Fruit, Catty, 120, 85),
        kind("愛文芒果", Fruit, Box, 900, 650), kind("奇異果", Fruit, Box, 850, 610),
        kind("蓮霧", Fruit, Catty, 100, 70), kind("椪柑", Fruit, Box, 550, 390),
        kind("水梨", Fruit, Box, 1100, 790), kind("火龍果", Fruit, Catty, 50, 34),
        kind("檸檬", Fruit, Kilogram, 90, 60), kind("百香果", Fruit, Kilogram, 120, 84),
        kind("香菇", Mushrooms, Catty, 200, 140), kind("杏鮑菇", Mushrooms, Kilogram, 160, 115),
        kind("金針菇", Mushrooms, Box, 500, 360), kind("秀珍菇", Mushrooms, Kilogram, 180, 128),
        kind("鴻喜菇", Mushrooms, Box, 600, 430), kind("黑木耳", Mushrooms, Kilogram, 100, 70),
    };
}

QString productCode(Category category, int number)
{
    const QChar letter = category == Fruit       ? QLatin1Char('F')
                         : category == Mushrooms ? QLatin1Char('M')
                                                 : QLatin1Char('V');
    return letter + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

} // namespace ProduceCatalog
