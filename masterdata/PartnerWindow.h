#pragma once

#include "masterdata/MasterDataWindow.h"

// Suppliers and customers: a typed code of fixed length, names and contacts, and the three
// settings their documents take over (payment type, default weighing unit, own company title).
class PartnerWindow : public MasterDataWindow
{
    Q_OBJECT

protected:
    PartnerWindow(const QString &objectName, Definition definition, QWidget *parent = nullptr);

    // The name box, whose first 4 characters fill the short name when it is left in add mode.
    void setNameBoxes(QLineEdit *name, QLineEdit *shortName, QLineEdit *vat, const QString &nameLabel);
    void addPartnerCombos(const QString &unitLabel, const QString &unitStatement);
    // The system default unit and the default own company title.
    void setPartnerDefaults();
    // One message for each combo without a chosen value, in the order payment, unit, title.
    bool checkCombos(const QStringList &messages);
    QList<QComboBox *> partnerCombos() const { return m_combos; }

    QString deleteQuestion() override;
    QString deletedMessage(const QString &identifier, const QString &name) const override;

    QLineEdit *m_name = nullptr;
    QLineEdit *m_shortName = nullptr;
    QLineEdit *m_vat = nullptr;

private:
    QString m_nameLabel;
    QList<QComboBox *> m_combos;
};
