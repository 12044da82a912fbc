#pragma once

#include "masterdata/MasterDataWindow.h"

// Measurement units: the system weighing units first, then the custom units users add.
// A weighing unit keeps its name and flags and can't be deleted.
class frmBC_MeasurementUnit : public MasterDataWindow
{
    Q_OBJECT

public:
    explicit frmBC_MeasurementUnit(QWidget *parent = nullptr);

protected:
    void clearForAddNew() override;
    bool FormSaveCheck() override;
    void modeChanged(bool edit) override;
    void recordLoaded() override;
    void deleteRequested() override;

private:
    bool isWeighingUnit() const;
    void enableWithLabel(QWidget *control, bool enabled);

    QLineEdit *m_name = nullptr;
    QLineEdit *m_sortOrder = nullptr;
    QLineEdit *m_note = nullptr;
    QCheckBox *m_inActive = nullptr;
    QCheckBox *m_unitWeight = nullptr;
    QCheckBox *m_systemDefault = nullptr;
};
