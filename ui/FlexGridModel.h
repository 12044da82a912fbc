#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QVector>

// The formatting of a cell; most cells have none, so cells keep an index into a shared table.
struct FlexCellStyle
{
    QColor fore;
    QColor back;
    int alignment = 0; // 0: the column's or the default alignment
    bool strikeOut = false;

    bool operator==(const FlexCellStyle &other) const = default;
};

size_t qHash(const FlexCellStyle &style, size_t seed = 0);

// The cells of a FlexGrid, row-major, fixed rows included: a text and a style index a cell.
// Model rows are grid rows; the grid hides the fixed ones and shows them in its header.
class FlexGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit FlexGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void setRows(int rows);
    void setCols(int cols);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows) { m_fixedRows = qMax(0, rows); }
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int cols);
    bool contains(int row, int col) const;

    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);
    FlexCellStyle style(int row, int col) const;
    Qt::Alignment alignment(int row, int col) const;
    Qt::Alignment colAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);
    void setFixedBackground(const QColor &color) { m_fixedBackground = color; }

    // Changes the style of the cells of rows first..last, columns firstCol..lastCol:
    // change(style, rowClass(row)); each distinct style of a row class is changed once.
    template <class RowClass, class Change>
    void restyle(int first, int last, int firstCol, int lastCol, RowClass rowClass,
                 Change change);

    // Replaces every cell: texts row-major, all styles cleared, one reset.
    void replaceAll(int rows, int cols, QVector<QString> &&texts);
    void clearAll();
    // Puts the data rows in a new order: order[i] = the data row that becomes data row i.
    void permuteDataRows(const QVector<int> &order);
    // The texts of one column from a row to the last.
    QVector<QString> columnTexts(int col, int fromRow) const;
    // Bytes held by the cell structures themselves, the texts' characters excluded.
    qint64 cellStructureBytes() const;

private:
    qsizetype at(int row, int col) const { return qsizetype(row) * m_cols + col; }
    quint32 intern(const FlexCellStyle &style);
    void relayout(int rows, int cols);

    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    QVector<QString> m_texts;
    QVector<quint32> m_styleOfCell;
    QVector<FlexCellStyle> m_styles;
    QHash<FlexCellStyle, quint32> m_styleIndex;
    QVector<int> m_colAlignment;
    QColor m_fixedBackground;
};

template <class RowClass, class Change>
void FlexGridModel::restyle(int first, int last, int firstCol, int lastCol, RowClass rowClass,
                            Change change)
{
    first = qMax(first, 0);
    firstCol = qMax(firstCol, 0);
    last = qMin(last, m_rows - 1);
    lastCol = qMin(lastCol, m_cols - 1);
    if (first > last || firstCol > lastCol)
        return;
    QHash<quint64, quint32> changed;
    for (int r = first; r <= last; ++r) {
        const int rowKind = rowClass(r);
        for (int c = firstCol; c <= lastCol; ++c) {
            quint32 &cell = m_styleOfCell[at(r, c)];
            const quint64 key = (quint64(cell) << 32) | quint32(rowKind);
            auto it = changed.constFind(key);
            if (it == changed.constEnd()) {
                FlexCellStyle style = m_styles.at(cell);
                change(style, rowKind);
                it = changed.insert(key, intern(style));
            }
            cell = *it;
        }
    }
    Q_EMIT dataChanged(index(first, firstCol), index(last, lastCol));
}
