#pragma once

#include "masterdata/PartnerWindow.h"

// Customers, by their fixed-length codes.
class frmBF_Customer : public PartnerWindow
{
    Q_OBJECT

public:
    explicit frmBF_Customer(QWidget *parent = nullptr);

protected:
    void clearForAddNew() override;
    bool FormSaveCheck() override;

private:
    QLineEdit *m_sortOrder = nullptr;
};
