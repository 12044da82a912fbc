#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The item picker: the rows of a statement in a list, one or several chosen.
class frmAP_ModSelectItem : public QDialog
{
    Q_OBJECT

public:
    explicit frmAP_ModSelectItem(QWidget *parent = nullptr);

    QString SelectCommandText() const { return m_sql; }
    void setSelectCommandText(const QString &sql) { m_sql = sql; }
    bool MultiSelect() const;
    void setMultiSelect(bool multi);
    qint16 SelectOrderIndex() const { return m_orderIndex; }
    void setSelectOrderIndex(qint16 index) { m_orderIndex = index; }
    qint32 RecordCount() const { return m_recordCount; }
    qint16 SelectedCount() const { return qint16(m_values.size()); }
    const QStringList &SelectedValue() const { return m_values; }
    const QStringList &SelectedName() const { return m_names; }

    // No rows: cancelled, nothing shown; one row: chosen, nothing shown; more: shown modally.
    void ShowSelect(const QString &sql, const QString &caption = QString(), bool multi = false);
    // Loads the list from the statement (done when shown).
    void FormRefresh();
    void Dispose() { deleteLater(); }
    // Cancel, Esc and the close box: nothing chosen.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void headerClicked(int column);
    void itemClicked(QTreeWidgetItem *item);
    void confirm();

    QTreeWidget *m_list;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QString m_sql;
    QString m_loadedSql;
    qint16 m_orderIndex = 0;
    qint32 m_recordCount = 0;
    int m_orderCounter = 0;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QStringList m_values;
    QStringList m_names;
};
