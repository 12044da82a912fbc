#include "tools/MasterData.h"

#include "tools/BatchInsert.h"
#include "tools/DocumentWriter.h"

#include <QRandomGenerator>

namespace {

QVariant textOrNull(const QString &text) { return text.isEmpty() ? QVariant() : QVariant(text); }

QStringList words(const char *spaced)
{
    return QString::fromUtf8(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString digits(QRandomGenerator &random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + random.bounded(10));
    return text;
}

QStringList partyColumns(const QStringList &afterVat, const QStringList &afterTitle)
{
    return QStringList{QStringLiteral("CompanyVAT")} + afterVat
           + QStringList{QStringLiteral("NameCEO"), QStringLiteral("NameContact"),
                         QStringLiteral("PhoneMobileCEO"), QStringLiteral("PhoneMobileContact"),
                         QStringLiteral("Phone1"), QStringLiteral("Phone2"),
                         QStringLiteral("PhoneFax"), QStringLiteral("AddressCompany"),
                         QStringLiteral("AddressContact"), QStringLiteral("PaymentTypeID"),
                         QStringLiteral("MeasurementUnitID"), QStringLiteral("SelfCompanyTitleID")}
           + afterTitle
           + QStringList{QStringLiteral("Note"), QStringLiteral("IdUserAddNew"),
                         QStringLiteral("TimeModifyFirst"), QStringLiteral("IdUserModifyFirst"),
                         QStringLiteral("TimeModifyLast"), QStringLiteral("IdUserModifyLast")};
}

QVariantList contactValues(const Party &p)
{
    return {textOrNull(p.chief), textOrNull(p.contact), textOrNull(p.mobileChief),
            textOrNull(p.mobileContact), textOrNull(p.phone1), textOrNull(p.phone2),
            textOrNull(p.fax), textOrNull(p.address), textOrNull(p.address), p.paymentTypeId,
            int(Catty), p.titleId};
}

} // namespace

void writeMasterData(Connection &connection, const MasterData &data, const QDateTime &createdAt)
{
    const QString created = createdAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QVariantList audit{SupervisorId, created, SupervisorId, created, SupervisorId};

    BatchInsert titles(connection, QStringLiteral("BF_SelfCompanyTitle"),
                       {QStringLiteral("SelfCompanyID"), QStringLiteral("CompanyName"),
                        QStringLiteral("CompanyVAT"), QStringLiteral("AddressCompany"),
                        QStringLiteral("PhoneTel"), QStringLiteral("PhoneFax"),
                        QStringLiteral("SystemDefault"), QStringLiteral("IdUserAddNew"),
                        QStringLiteral("TimeModifyFirst"), QStringLiteral("IdUserModifyFirst"),
                        QStringLiteral("TimeModifyLast"), QStringLiteral("IdUserModifyLast")});
    for (int i = 0; i < data.titles.size(); ++i) {
        const CompanyTitle &t = data.titles.at(i);
        titles.add(QVariantList{i + 1, t.name, t.vat, t.address, t.phone, t.fax,
                                t.systemDefault ? 1 : 0} + audit);
    }
    titles.flush();

    BatchInsert categories(connection, QStringLiteral("BC_ProductCategory"),
                           {QStringLiteral("ProductCategoryID"),
                            QStringLiteral("ProductCategoryName"), QStringLiteral("SortOrder")});
    for (int i = 0; i < data.categories.size(); ++i)
        categories.add({i + 1, data.categories.at(i), (i + 1) * 10});
    categories.flush();

    BatchInsert notes(connection, QStringLiteral("BC_OrderItemNote"),
                      {QStringLiteral("OrderItemNoteID"), QStringLiteral("OrderItemNote"),
                       QStringLiteral("SortOrder"), QStringLiteral("InActiveInStock"),
                       QStringLiteral("InActiveOutOrder")});
    for (int i = 0; i < data.itemNotes.size(); ++i) {
        const ItemNote &n = data.itemNotes.at(i);
        notes.add({i + 1, n.text, (i + 1) * 10, n.onStockIn ? 0 : 1, n.onDelivery ? 0 : 1});
    }
    notes.flush();

    BatchInsert suppliers(connection, QStringLiteral("BF_Supplier"),
                          QStringList{QStringLiteral("SupplierID"), QStringLiteral("SupplierName"),
                                      QStringLiteral("SupplierNameShort")}
                              + partyColumns({}, {}));
    for (const Supplier &s : data.suppliers)
        suppliers.add(QVariantList{s.id, s.name, s.shortName, textOrNull(s.vat)} + contactValues(s)
                      + QVariantList{textOrNull(s.note)} + audit);
    suppliers.flush();

    BatchInsert customers(connection, QStringLiteral("BF_Customer"),
                          QStringList{QStringLiteral("CustomerID"), QStringLiteral("CustomerName"),
                                      QStringLiteral("CustomerNameShort")}
                              + partyColumns({QStringLiteral("InvoiceTitle")},
                                             {QStringLiteral("SortOrder"),
                                              QStringLiteral("InActive")}));
    for (const Customer &c : data.customers)
        customers.add(QVariantList{c.id, c.name, c.shortName, textOrNull(c.vat),
                                   textOrNull(c.invoiceTitle)}
                      + contactValues(c) + QVariantList{c.sortOrder, 0, textOrNull(c.note)}
                      + audit);
    customers.flush();

    BatchInsert products(connection, QStringLiteral("BF_Product"),
                         {QStringLiteral("ProductID"), QStringLiteral("ProductName"),
                          QStringLiteral("SupplierID"), QStringLiteral("Price"),
                          QStringLiteral("Cost"), QStringLiteral("MeasurementUnitID"),
                          QStringLiteral("ProductCategoryID"), QStringLiteral("IsLoadDefaultItem"),
                          QStringLiteral("SortOrder"), QStringLiteral("IsPrintBarCode"),
                          QStringLiteral("InActive"), QStringLiteral("TimeModifyFirst"),
                          QStringLiteral("IdUserModifyFirst"), QStringLiteral("TimeModifyLast"),
                          QStringLiteral("IdUserModifyLast")});
    for (const Product &p : data.products)
        products.add(QVariantList{p.id, p.name, p.supplierId, p.price, p.cost, p.unitId,
                                  p.categoryId, 1, p.sortOrder, p.printBarcode ? 1 : 0, 0}
                     + audit.mid(1));
    products.flush();
}

namespace PartyDetails {

QString personName(QRandomGenerator &random)
{
    static const QStringList surnames = words("陳 林 黃 張 李 王 吳 劉 蔡 楊 許 鄭 謝 郭 洪 曾 邱 廖 賴 周");
    static const QStringList givenNames = words(
        "志明 淑芬 建宏 美玲 俊傑 雅婷 家豪 怡君 文雄 秀英 金龍 麗華 國華 春嬌 明德 玉蘭 "
        "宗翰 佩君 添財 素珍 正雄 惠美 冠宇 淑惠");
    return surnames.at(random.bounded(int(surnames.size())))
           + givenNames.at(random.bounded(int(givenNames.size())));
}

QString landline(QRandomGenerator &random, const QString &areaCode)
{
    // Taipei and Taichung numbers have eight digits, the rest of the island seven.
    const bool eightDigits = areaCode == QLatin1String("02") || areaCode == QLatin1String("04");
    const QString first = QChar(u'2' + random.bounded(7)) + digits(random, eightDigits ? 3 : 2);
    return areaCode + QLatin1Char('-') + first + QLatin1Char('-') + digits(random, 4);
}

QString mobile(QRandomGenerator &random)
{
    return QStringLiteral("09") + digits(random, 2) + QLatin1Char('-') + digits(random, 3)
           + QLatin1Char('-') + digits(random, 3);
}

QString businessNumber(QRandomGenerator &random)
{
    static const int weights[] = {1, 2, 1, 2, 1, 2, 4};
    QString number;
    int sum = 0;
    for (int i = 0; i < 7; ++i) {
        // A seventh digit of 7 has a check of its own; leave it out.
        const int digit = i == 6 ? random.bounded(7) : random.bounded(10);
        const int product = digit * weights[i];
        sum += product / 10 + product % 10;
        number += QChar(u'0' + digit);
    }
    return number + QChar(u'0' + (10 - sum % 10) % 10);
}

void fillContacts(Party &party, QRandomGenerator &random, const QString &areaCode)
{
    party.vat = businessNumber(random);
    party.chief = personName(random);
    party.contact = random.bounded(3) == 0 ? party.chief : personName(random);
    party.mobileChief = mobile(random);
    party.mobileContact = party.contact == party.chief ? QString() : mobile(random);
    party.phone1 = landline(random, areaCode);
    party.phone2 = random.bounded(4) == 0 ? landline(random, areaCode) : QString();
    party.fax = random.bounded(3) == 0 ? QString() : landline(random, areaCode);
}

QString cityAddress(QRandomGenerator &random)
{
    static const QStringList districts = words("大安區 中山區 信義區 松山區 萬華區 中正區 內湖區 士林區 北投區 文山區");
    static const QStringList streets = words(
        "和平東路二段 忠孝東路四段 民生東路三段 南京東路五段 復興南路一段 羅斯福路三段 "
        "中山北路二段 西園路一段 承德路四段 基隆路一段 成功路二段 木柵路一段");
    const QString district = districts.at(random.bounded(int(districts.size())));
    const QString street = streets.at(random.bounded(int(streets.size())));
    return QStringLiteral("台北市") + district + street + QString::number(1 + random.bounded(300))
           + QStringLiteral("號");
}

} // namespace PartyDetails
