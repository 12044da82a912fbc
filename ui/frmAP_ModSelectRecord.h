#pragma once

#include <QDialog>

class FlexGrid;
class QPushButton;

// The record picker: the rows of a statement in a grid; the current row is the choice.
class frmAP_ModSelectRecord : public QDialog
{
    Q_OBJECT

public:
    explicit frmAP_ModSelectRecord(QWidget *parent = nullptr);

    void setSelectCommandText(const QString &sql) { m_sql = sql; }
    QString SelectValue() const { return m_value; }
    QString SelectName() const { return m_name; }
    bool Selected() const { return m_selected; }
    int RecordCount() const { return m_recordCount; }
    void Dispose() { deleteLater(); }
    // Loads the rows (done when shown).
    void FormLoad();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void takeRow(int row);
    void confirm();

    FlexGrid *m_grid;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QString m_sql;
    QString m_designedCaption;
    QString m_value;
    QString m_name;
    int m_recordCount = 0;
    bool m_selected = false;
    bool m_loaded = false;
};
