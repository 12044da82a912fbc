#include "ui/frmAP_ModSelectItem.h"

#include "app/ExceptionReport.h"
#include "app/Procedure.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "data/modConn.h"
#include "data/modDB.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

frmAP_ModSelectItem::frmAP_ModSelectItem(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAP_ModSelectItem"));
    setWindowTitle(QStringLiteral("選擇"));
    createControls();
}

void frmAP_ModSelectItem::createControls()
{
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstvMain"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    m_list->setToolTip(QStringLiteral("滑鼠點選標題列可以該欄資料進行排序"));
    m_list->header()->setSectionsClickable(true);
    m_list->setMinimumSize(480, 320);
    m_ok = new QPushButton(QStringLiteral("確定"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_list->header(), &QHeaderView::sectionClicked, this, &frmAP_ModSelectItem::headerClicked);
    connect(m_list, &QTreeWidget::itemClicked, this, &frmAP_ModSelectItem::itemClicked);
    connect(m_list, &QTreeWidget::itemActivated, this, &frmAP_ModSelectItem::confirm);
    connect(m_ok, &QPushButton::clicked, this, &frmAP_ModSelectItem::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &frmAP_ModSelectItem::reject);
}

bool frmAP_ModSelectItem::MultiSelect() const
{
    return m_list->selectionMode() == QAbstractItemView::ExtendedSelection;
}

void frmAP_ModSelectItem::setMultiSelect(bool multi)
{
    m_list->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
}

void frmAP_ModSelectItem::showEvent(QShowEvent *event)
{
    if (m_loadedSql != m_sql)
        FormRefresh();
    QDialog::showEvent(event);
}

void frmAP_ModSelectItem::FormRefresh()
{
    m_values.clear();
    m_names.clear();
    m_loadedSql = m_sql;
    if (m_sql.isEmpty() || !modConn::OpenConnection())
        return;
    m_recordCount = 0;
    Recordset rs;
    Procedure proc([this] {
        return modMain::ExceptionHeader(QStringLiteral("frmAP_ModSelectItem.FormRefresh"))
            + modMain::ExceptionLine(QStringLiteral("SelectCommandText："), m_sql);
    });
    proc.step([&] {
        rs.open(m_sql, modConn::SharedConnection());
        if (rs.eof())
            return;
        m_list->clear();
        QStringList headers;
        for (int c = 0; c < rs.fieldCount(); ++c)
            headers << rs.fieldName(c);
        m_list->setHeaderLabels(headers);
        const int width = qMax(40, (m_list->viewport()->width() - 20) / qMax(1, rs.fieldCount()));
        for (int c = 0; c < rs.fieldCount(); ++c)
            m_list->setColumnWidth(c, width);
        QList<QTreeWidgetItem *> items;
        for (; !rs.eof(); rs.moveNext()) {
            ++m_recordCount;
            QStringList texts;
            for (int c = 0; c < rs.fieldCount(); ++c)
                texts << modDB::NullToString(rs.value(c));
            texts[0] = texts[0].trimmed();
            items << new QTreeWidgetItem(texts);
        }
        m_list->addTopLevelItems(items);
        if (!items.isEmpty() && !MultiSelect())
            m_list->setCurrentItem(items.first());
        else if (!items.isEmpty())
            m_list->setCurrentItem(items.first(), 0, QItemSelectionModel::NoUpdate);
    });
    rs.close();
    modConn::CloseConnection();
}

void frmAP_ModSelectItem::ShowSelect(const QString &sql, const QString &caption, bool multi)
{
    m_sql = sql;
    if (!caption.isEmpty())
        setWindowTitle(caption);
    setMultiSelect(multi);
    FormRefresh();
    if (m_recordCount == 0) {
        reject();
        return;
    }
    if (m_recordCount == 1) {
        m_list->topLevelItem(0)->setSelected(true);
        confirm();
        return;
    }
    exec();
}

void frmAP_ModSelectItem::headerClicked(int column)
{
    if (m_sortColumn == column)
        m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    else
        m_sortOrder = Qt::AscendingOrder;
    m_sortColumn = column;
    m_list->sortItems(column, m_sortOrder);
}

void frmAP_ModSelectItem::itemClicked(QTreeWidgetItem *item)
{
    if (!MultiSelect() || m_orderIndex <= 0 || m_orderIndex >= m_list->columnCount())
        return;
    int selected = 0;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = m_list->topLevelItem(i);
        if (row->isSelected())
            ++selected;
        else
            row->setText(m_orderIndex, QString());
    }
    m_orderCounter = selected <= 1 ? selected : m_orderCounter + 1;
    if (item->isSelected())
        item->setText(m_orderIndex, QStringLiteral("%1").arg(m_orderCounter, 2, 10, QLatin1Char('0')));
}

void frmAP_ModSelectItem::confirm()
{
    if (m_orderIndex > 0 && m_orderIndex < m_list->columnCount())
        m_list->sortItems(m_orderIndex, Qt::AscendingOrder);
    m_values.clear();
    m_names.clear();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = m_list->topLevelItem(i);
        if (!row->isSelected())
            continue;
        m_values << row->text(0);
        m_names << row->text(1);
    }
    accept();
}

void frmAP_ModSelectItem::reject()
{
    m_values.clear();
    m_names.clear();
    QDialog::reject();
}
