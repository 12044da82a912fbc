#pragma once

#include "masterdata/MasterDataWindow.h"

// Short notes a document line can carry, each hidden from stock-in or delivery documents.
class frmBC_OrderItemNote : public MasterDataWindow
{
    Q_OBJECT

public:
    explicit frmBC_OrderItemNote(QWidget *parent = nullptr);

protected:
    void clearForAddNew() override;
    bool FormSaveCheck() override;

private:
    QLineEdit *m_note = nullptr;
};
