#pragma once

#include <QString>

// Domain lookups: names, codes, units, payment types, prices and stock of the trade partners
// and products, and new document numbers.
namespace modDB_TORVO {

// Trade partner kinds and the picker kinds of the identifier boxes.
enum TargetType : qint16 { Supplier = 1, Customer = 2 };
enum PickerKind : qint16 { CustomerPicker = 31, SupplierPicker = 32 };

QString GetSupplierName(const QString &id);
QString GetCustomerName(const QString &id);
QString GetProductName(const QString &id);
QString GetUserName(const QString &id);

bool IsSupplierID(const QString &id);
bool IsCustomerID(const QString &id);
// With showMessage, a wrong length or an unknown code is told in a warning box.
bool IsProductID(const QString &id, bool showMessage);

bool IsUnitIDValid(qint16 unitID);
bool IsSystemWeightUnit(qint16 unitID);

qint16 GetPartnerDefaultUnit(qint16 targetType, const QString &id, QString &unitName);
// The unit a document line of the product is kept in for the partner; -1 when not found.
qint16 GetProductUnitForPartner(const QString &productID, qint16 targetType,
                                const QString &partnerID, QString &unitName);
qint16 GetPartnerPaymentType(qint16 targetType, const QString &id, QString &paymentTypeName);
QString GetPartnerSelfCompanyName(qint16 targetType, const QString &id);
// Fills the partner's own company title; the out values stay as given when none is found.
bool GetSelfCompany(qint16 targetType, const QString &targetID, QString &companyName,
                    QString &phone, QString &address);
// -1 when the identifier has the wrong length.
double GetProductPrice(const QString &id);
// Unit -1 means the system default unit.
QString GetProductStockText(const QString &id, qint16 unitID = -1);
QString GetPartnerPickSQL(qint16 pickerKind, const QString &prefix);

// The next document number of a type (1, 10, 20, 30, 60) for a party code.
QString GetNewOrderID(qint16 orderType, const QString &partyCode);

} // namespace modDB_TORVO

#include <QDate>

namespace modSystem_TORVO {

// A date typed as "yyyy/mm/dd", "yyyy/m/d" or "yyyy-mm-dd"; invalid for anything else.
QDate DateFromText(const QString &text);

// The billing period of a payment type that holds a date, and the end of the period that
// starts at a date; "yyyy/mm/dd", or empty text for a text that is no date.
QString GetPeriodStartDate(qint16 paymentTypeID, const QString &dateText);
QString GetPeriodEndDate(qint16 paymentTypeID, const QString &startDateText);

} // namespace modSystem_TORVO
