#pragma once

#include "masterdata/PartnerWindow.h"

// Suppliers, by their fixed-length codes.
class frmBF_Supplier : public PartnerWindow
{
    Q_OBJECT

public:
    explicit frmBF_Supplier(QWidget *parent = nullptr);

protected:
    void clearForAddNew() override;
    void focusForAddNew() override;
    bool FormSaveCheck() override;

private:
    QList<QWidget *> m_clearedOnAdd;
};
