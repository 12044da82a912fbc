#include "ui/frmAP_ModSelectRecord.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "app/modMain.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/modConn.h"
#include "ui/FlexGrid.h"
#include "ui/GridSort.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAP_ModSelectRecord::frmAP_ModSelectRecord(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAP_ModSelectRecord"));
    setWindowTitle(QStringLiteral("選擇資料列"));
    createControls();
}

void frmAP_ModSelectRecord::createControls()
{
    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QStringLiteral("flxMain"));
    m_grid->setMinimumSize(560, 320);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ok = new QPushButton(QStringLiteral("確定(Enter)"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_cancel = new QPushButton(QStringLiteral("取消(Esc)"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("說明：點選欄標題可針對該欄排序"), this));
    bottom->addStretch();
    bottom->addWidget(m_ok);
    bottom->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(bottom);

    connect(m_ok, &QPushButton::clicked, this, &frmAP_ModSelectRecord::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &FlexGrid::cellEntered, this, [this](int row, int) { takeRow(row); });
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &frmAP_ModSelectRecord::confirm);
    connect(m_grid, &FlexGrid::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int row, int col) {
                const QPoint at = m_grid->cellRect(row, col).center();
                modUI::GridMouseUP(this, m_grid, button, shift, at.x(), at.y(), nullptr, 0);
            });
}

void frmAP_ModSelectRecord::showEvent(QShowEvent *event)
{
    if (!m_loaded)
        FormLoad();
    QDialog::showEvent(event);
}

void frmAP_ModSelectRecord::FormLoad()
{
    m_loaded = true;
    m_designedCaption = windowTitle();
    m_recordCount = 0;
    if (!m_sql.isEmpty() && modConn::OpenConnection()) {
        Recordset rs;
        Procedure proc([this] {
            return modMain::ExceptionHeader(QStringLiteral("frmAP_ModSelectRecord.Form_Load"))
                + modMain::ExceptionLine(QStringLiteral("SelectCommandText："), m_sql);
        });
        proc.step([&] {
            rs.open(m_sql, modConn::SharedConnection());
            m_recordCount = rs.recordCount();
            m_grid->fillFromRecordset(rs);
        });
        rs.close();
        modConn::CloseConnection();
    }
    const int columns = qMax(1, m_grid->cols());
    const int width = FlexGrid::pixelsToTwips(m_grid->viewport()->width()) / columns - 150;
    for (int c = 0; c < m_grid->cols(); ++c)
        m_grid->setColWidth(c, qMax(300, width));
    if (m_grid->rows() > m_grid->fixedRows())
        m_grid->selectRow(m_grid->fixedRows());
    takeRow(m_grid->fixedRows());
}

void frmAP_ModSelectRecord::takeRow(int row)
{
    m_value = row < m_grid->rows() ? m_grid->textMatrix(row, 0) : QString();
    m_name = row < m_grid->rows() && m_grid->cols() > 1 ? m_grid->textMatrix(row, 1) : QString();
    setWindowTitle(m_designedCaption + QStringLiteral("：") + m_value + QStringLiteral(" - ") + m_name
                   + QStringLiteral(" （共 ") + QString::number(m_recordCount) + QStringLiteral(" 筆記錄）"));
}

void frmAP_ModSelectRecord::confirm()
{
    m_selected = true;
    takeRow(m_grid->row());
    accept();
}

void frmAP_ModSelectRecord::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        m_selected = false;
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
