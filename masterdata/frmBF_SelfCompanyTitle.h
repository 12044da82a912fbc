#pragma once

#include "masterdata/MasterDataWindow.h"

// The distributor's own letterheads; one of them is the default for new partners.
class frmBF_SelfCompanyTitle : public MasterDataWindow
{
    Q_OBJECT

public:
    explicit frmBF_SelfCompanyTitle(QWidget *parent = nullptr);

protected:
    void clearForAddNew() override;
    bool FormSaveCheck() override;
    void beforeSave() override;
    QString deleteGuard() override;
    QString deleteQuestion() override;

private:
    QLineEdit *m_name = nullptr;
    QLineEdit *m_vat = nullptr;
    QList<QWidget *> m_clearedOnAdd;
    QCheckBox *m_systemDefault = nullptr;
};
