#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class Connection;
class QRandomGenerator;

enum Unit { Kilogram = 1, Catty = 5, Box = 10 };
enum PaymentType { Weekly = 1, TenDays = 2, HalfMonth = 3, Monthly = 4, Cash = 5 };

struct CompanyTitle
{
    QString name, vat, address, phone, fax;
    bool systemDefault = false;
};

// What suppliers and customers have in common.
struct Party
{
    QString id, name, shortName, vat, chief, contact, mobileChief, mobileContact;
    QString phone1, phone2, fax, address, note;
    int paymentTypeId = Monthly;
    int titleId = 1;
};

struct Supplier : Party
{
    int categoryId = 0; // what it mainly grows or trades; not stored
};

struct Customer : Party
{
    QString invoiceTitle;
    int sortOrder = 0;
};

struct Product
{
    QString id, name, supplierId;
    double price = 0, cost = 0;
    int unitId = Catty;
    int categoryId = 0;
    bool printBarcode = false;
    int sortOrder = 0;
};

struct ItemNote
{
    QString text;
    bool onStockIn = true;
    bool onDelivery = true;
};

struct MasterData
{
    QList<CompanyTitle> titles;
    QStringList categories;      // ProductCategoryID is the position + 1
    QList<ItemNote> itemNotes;   // OrderItemNoteID is the position + 1
    QList<Supplier> suppliers;
    QList<Customer> customers;
    QList<Product> products;
};

// Inserts every row of the master data; audit times are createdAt.
void writeMasterData(Connection &connection, const MasterData &data, const QDateTime &createdAt);

// Plausible contact details for made-up parties.
namespace PartyDetails {

QString personName(QRandomGenerator &random);
QString landline(QRandomGenerator &random, const QString &areaCode);
QString mobile(QRandomGenerator &random);
// Eight digits that pass the check of a unified business number.
QString businessNumber(QRandomGenerator &random);
// Phones, people and business number for a party in the area of areaCode.
void fillContacts(Party &party, QRandomGenerator &random, const QString &areaCode);
// A street address in the capital, where the customers are.
QString cityAddress(QRandomGenerator &random);

} // namespace PartyDetails
