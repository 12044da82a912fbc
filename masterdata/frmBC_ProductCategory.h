#pragma once

#include "masterdata/MasterDataWindow.h"

// Product categories: a name, a note, a sort order and an inactive flag.
class frmBC_ProductCategory : public MasterDataWindow
{
    Q_OBJECT

public:
    explicit frmBC_ProductCategory(QWidget *parent = nullptr);

protected:
    void clearForAddNew() override;
    bool FormSaveCheck() override;

private:
    QLineEdit *m_name = nullptr;
    QLineEdit *m_sortOrder = nullptr;
};
