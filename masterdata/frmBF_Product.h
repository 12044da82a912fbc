#pragma once

#include "masterdata/MasterDataWindow.h"

class QPushButton;

// The product master. A product on any document can't be deleted, and while active documents
// use it, its unit may only change in ways that keep their lines readable.
class frmBF_Product : public MasterDataWindow
{
    Q_OBJECT

public:
    explicit frmBF_Product(QWidget *parent = nullptr);

protected:
    void clearForAddNew() override;
    bool FormSaveCheck() override;
    void deleteRequested() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createSupplierRow();
    bool checkCodeAndName();
    bool checkUnitChange();
    // The first document of the kinds guarded whose lines match; empty when none does.
    QString firstDocument(const QString &condition, QString *kindName) const;

    QLineEdit *m_code = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_supplier = nullptr;
    QLabel *m_supplierName = nullptr;
    QLineEdit *m_price = nullptr;
    QLineEdit *m_cost = nullptr;
    QLineEdit *m_sortOrder = nullptr;
    QComboBox *m_unit = nullptr;
    QCheckBox *m_loadDefault = nullptr;
};
