#include "masterdata/PartnerWindow.h"

#include "app/modMain.h"
#include "data/modDB.h"

#include <QComboBox>
#include <QLineEdit>

PartnerWindow::PartnerWindow(const QString &objectName, Definition definition, QWidget *parent)
    : MasterDataWindow(objectName, std::move(definition), parent)
{
}

void PartnerWindow::setNameBoxes(QLineEdit *name, QLineEdit *shortName, QLineEdit *vat,
                                 const QString &nameLabel)
{
    m_name = name;
    m_shortName = shortName;
    m_vat = vat;
    m_nameLabel = nameLabel;
    setNameBox(name);
    connect(name, &QLineEdit::editingFinished, this, [this] {
        if (isAddingNew())
            m_shortName->setText(m_name->text().left(4));
    });
}

void PartnerWindow::addPartnerCombos(const QString &unitLabel, const QString &unitStatement)
{
    m_combos << addComboField(QStringLiteral("cmbPaymentType"), QStringLiteral("付款方式"),
                              QStringLiteral("PaymentTypeID"),
                              QStringLiteral("SELECT PaymentTypeID, PaymentTypeName FROM [SC_PaymentType] ORDER BY SortOrder "),
                              QStringLiteral("PaymentTypeName"), QStringLiteral("PaymentTypeID"));
    m_combos << addComboField(QStringLiteral("cmbMeasurementUnit"), unitLabel, QStringLiteral("MeasurementUnitID"),
                              unitStatement, QStringLiteral("MeasurementUnitName"),
                              QStringLiteral("MeasurementUnitID"));
    m_combos << addComboField(QStringLiteral("cmbSelfCompanyTitle"), QStringLiteral("本公司抬頭"),
                              QStringLiteral("SelfCompanyTitleID"),
                              QStringLiteral("SELECT SelfCompanyID, CompanyName FROM [BF_SelfCompanyTitle] WHERE (InActive = 0) ORDER BY SelfCompanyID "),
                              QStringLiteral("CompanyName"), QStringLiteral("SelfCompanyID"));
}

void PartnerWindow::setPartnerDefaults()
{
    setComboValue(m_combos.at(1), modMain::SystemDefaultUnitID);
    const qint32 title = modDB::GetLong(
        QStringLiteral("SELECT SelfCompanyID FROM [BF_SelfCompanyTitle] WHERE (SystemDefault = 1) "));
    if (title > 0)
        setComboValue(m_combos.at(2), title);
}

bool PartnerWindow::checkCombos(const QStringList &messages)
{
    for (int i = 0; i < m_combos.size(); ++i) {
        if (!comboHasNumber(m_combos.at(i))) {
            showCheckMessage(messages.at(i), m_combos.at(i));
            return false;
        }
    }
    return true;
}

QString PartnerWindow::deleteQuestion()
{
    const QString crlf = QLatin1String(modMain::CRLF);
    return QStringLiteral("是否欲刪除以下紀錄") + crlf + crlf + QStringLiteral("流水編號：")
        + identifierText().trimmed() + crlf + m_nameLabel + QStringLiteral("：") + m_name->text() + crlf
        + QStringLiteral("統一編號：") + m_vat->text();
}

QString PartnerWindow::deletedMessage(const QString &identifier, const QString &name) const
{
    return QStringLiteral("已刪除 [") + identifier + QStringLiteral(" - ") + name + QStringLiteral("] ");
}
