#include "masterdata/frmBC_MeasurementUnit.h"

#include "ui/KeyFilters.h"
#include "ui/MsgBox.h"
#include "ui/ToolBar.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

MasterDataWindow::Definition definition()
{
    MasterDataWindow::Definition d;
    d.caption = QStringLiteral("計量單位");
    d.table = QStringLiteral("BC_MeasurementUnit");
    d.keyColumn = QStringLiteral("MeasurementUnitID");
    d.nameColumn = QStringLiteral("MeasurementUnitName");
    d.listStatement = QStringLiteral("SELECT MeasurementUnitName AS ListField, MeasurementUnitID ")
        + QStringLiteral("FROM [BC_MeasurementUnit] ORDER BY SystemWeightUnit DESC, SortOrder ");
    d.listBoundColumn = QStringLiteral("MeasurementUnitID");
    d.firstRecordStatement = QStringLiteral("SELECT MIN(") + d.keyColumn + QStringLiteral(") FROM [")
        + d.table + QStringLiteral("] WHERE (SystemWeightUnit = 0) ");
    d.closingText = QStringLiteral(" 筆紀錄）");
    return d;
}

} // namespace

frmBC_MeasurementUnit::frmBC_MeasurementUnit(QWidget *parent)
    : MasterDataWindow(QStringLiteral("frmBC_MeasurementUnit"), definition(), parent)
{
    addIdentifierPanel(QStringLiteral("sspMeasurementUnitID"));
    m_name = addTextField(QStringLiteral("txtMeasurementUnitName"), QStringLiteral("單位名稱"),
                          QStringLiteral("MeasurementUnitName"), 4, modUI::KindName);
    m_sortOrder = addTextField(QStringLiteral("txtSortOrder"), QStringLiteral("排序數值"),
                               QStringLiteral("SortOrder"), 4, modUI::KindSortOrder, FieldKind::SortOrder);
    addListField(QStringLiteral("cmbRoundLength"), QStringLiteral("四捨五入位數"),
                 QStringLiteral("RoundLength"), {"3", "2", "1", "0", "-1", "-2"});
    m_inActive = addCheckField(QStringLiteral("sscInActive"), QStringLiteral("停用此單位"),
                               QStringLiteral("顯示設定"), QStringLiteral("InActive"));
    m_note = addTextField(QStringLiteral("txtNote"), QStringLiteral("備註"), QStringLiteral("Note"), 4);
    m_unitWeight = addCheckField(QStringLiteral("sscUnitWeight"), QStringLiteral("秤重單位"),
                                 QStringLiteral("秤重單位"), QStringLiteral("SystemWeightUnit"));
    m_systemDefault = addCheckField(QStringLiteral("sscSystemDefault"), QStringLiteral("系統預設秤重單位"),
                                    QStringLiteral("預設單位"), QStringLiteral("SystemDefaultUnit"));
    // The default unit is chosen in the system settings; units added here are custom units.
    setFieldWritten(m_unitWeight, false);
    setFieldWritten(m_systemDefault, false);
    setNameBox(m_name);
}

bool frmBC_MeasurementUnit::isWeighingUnit() const { return m_unitWeight->isChecked(); }

void frmBC_MeasurementUnit::enableWithLabel(QWidget *control, bool enabled)
{
    control->setEnabled(enabled);
    if (QLabel *label = labelOf(control))
        label->setEnabled(enabled);
}

void frmBC_MeasurementUnit::clearForAddNew()
{
    clearControls({m_name, m_note, m_inActive, m_unitWeight, m_systemDefault});
    clearIdentifier();
    m_sortOrder->setText(QStringLiteral("100"));
}

void frmBC_MeasurementUnit::modeChanged(bool edit)
{
    if (edit) {
        enableWithLabel(m_unitWeight, false);
        enableWithLabel(m_systemDefault, false);
        const bool modifyingWeighingUnit = !isAddingNew() && isWeighingUnit();
        enableWithLabel(m_name, !modifyingWeighingUnit);
        enableWithLabel(m_inActive, !modifyingWeighingUnit);
    }
    recordLoaded();
}

void frmBC_MeasurementUnit::recordLoaded()
{
    QAction *remove = modUI::ToolBarButton(toolBar(), QStringLiteral("Delete"));
    remove->setEnabled(!isEditing() && recordCount() > 0 && !isWeighingUnit());
}

void frmBC_MeasurementUnit::deleteRequested()
{
    if (isWeighingUnit()) {
        modUI::MsgBox(QStringLiteral("此為系統秤重單位，不允許刪除"), modUI::Exclamation,
                      QStringLiteral("刪除錯誤"));
        return;
    }
    if (modUI::MsgBox(QString(), modUI::YesNo | modUI::Question | modUI::DefaultButton2,
                      QStringLiteral("是否刪除")) == modUI::AnswerYes)
        subFormDelete();
}

bool frmBC_MeasurementUnit::FormSaveCheck()
{
    return checkRequired(m_name, requiredMessage(QStringLiteral("單位名稱")))
        && checkUnique(m_name, duplicateMessage(QStringLiteral("計量單位")), false);
}
