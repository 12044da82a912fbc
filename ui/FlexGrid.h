#pragma once

#include <QColor>
#include <QRect>
#include <QTableView>

class Recordset;
class FlexGridHeader;
class FlexGridModel;

// The grid of every window: rows and columns addressed like a sheet, row 0 upwards being the
// fixed (header) rows that stay in view, per-cell text, colours, alignment and strike-through,
// equal neighbours merged in chosen columns, widths in twips, and filling from a recordset.
class FlexGrid : public QTableView
{
    Q_OBJECT

public:
    // Sort settings of sortRows: generic, numeric, text ignoring case, text with case;
    // each ascending (odd) and descending (even).
    enum Sort {
        SortGenericAscending = 1,
        SortGenericDescending = 2,
        SortNumericAscending = 3,
        SortNumericDescending = 4,
        SortStringNoCaseAscending = 5,
        SortStringNoCaseDescending = 6,
        SortStringAscending = 7,
        SortStringDescending = 8,
    };

    explicit FlexGrid(QWidget *parent = nullptr);
    ~FlexGrid() override;

    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    int fixedRows() const;
    void setFixedRows(int rows);
    int fixedCols() const;
    void setFixedCols(int cols);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    QColor cellForeColor(int row, int col) const;
    void setCellForeColor(int row, int col, const QColor &color);
    QColor cellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, const QColor &color);
    void setRowBackColor(int row, const QColor &color);
    Qt::Alignment cellAlignment(int row, int col) const;
    void setCellAlignment(int row, int col, Qt::Alignment alignment);
    void setColAlignment(int col, Qt::Alignment alignment);
    bool cellStrikeThrough(int row, int col) const;
    void setCellStrikeThrough(int row, int col, bool strike);
    // Equal neighbouring cells of the column are drawn as one.
    void setMergeCol(int col, bool merge);
    bool mergeCol(int col) const;

    // Widths in twips (15 a pixel at 96 dpi, scaled by the screen); 0 hides the column.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    static int twipsToPixels(int twips);
    static int pixelsToTwips(int pixels);

    // The current cell.
    int row() const;
    int col() const;
    void setRow(int row);
    void setCol(int col);
    void setCurrentCell(int row, int col);
    void selectRow(int row);
    int topRow() const;
    void setTopRow(int row);
    bool rowIsVisible(int row) const;

    // Redraw off gathers changes; on shows them at once.
    bool redraw() const;
    void setRedraw(bool on);

    // A cell's rectangle in the grid's own coordinates, for floating editors.
    QRect cellRect(int row, int col) const;
    // The grid row and column under a point of the grid's own coordinates; -1 for none.
    int rowAtPoint(const QPoint &point) const;
    int colAtPoint(const QPoint &point) const;

    // The recordset's rows as a snapshot below one header row of field names; the grid keeps
    // its fixed rows and columns. Column widths are left as they were.
    void fillFromRecordset(Recordset &rs);
    // Sorts the data rows (below the fixed rows) by a column with a sort setting.
    void sortRows(int col, int sortSetting);
    // Data rows in blocks of five alternating the window and tooltip background colours.
    void paintBandsOfFive();
    void clearAll();

Q_SIGNALS:
    // The current cell changed to (row, col).
    void cellEntered(int row, int col);
    // A mouse button was released over the grid; row and col are those under the mouse.
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int row, int col);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void connectSignals();
    void headerReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                        const QPoint &pos);
    void updateRowHeight();
    void hideFixedRows(int firstRow, int lastRow);
    void applyShape();
    void applyWidth(int col);
    void keepUserWidths();
    void requestMerges();
    void applyMerges();
    void cellChanged(int row, int col);
    QModelIndex cellIndex(int row, int col) const;

    FlexGridModel *m_model;
    FlexGridHeader *m_header;
    QVector<int> m_twips; // -1 while the column keeps the default width
    QVector<bool> m_merge;
    bool m_redraw = true;
    bool m_mergesPending = false;
};
