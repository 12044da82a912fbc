#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QVector>

// The cells of a FlexGrid: texts row by row, attributes only where set. Rows below the fixed
// rows are the view's rows; fixed row 0 is the header.
class FlexGridModel : public QAbstractTableModel
{
public:
    struct Style
    {
        QRgb fore = 0;
        QRgb back = 0;
        Qt::Alignment alignment;
        bool hasFore = false;
        bool hasBack = false;
        bool strike = false;
    };

    int gridRows = 0;
    int gridCols = 0;
    int fixedRows = 1;
    QVector<QString> texts;
    QHash<qint64, Style> styles;
    QVector<QRgb> rowBack; // 0: none
    QVector<Qt::Alignment> colAlignment;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    qint64 key(int row, int col) const { return qint64(row) * gridCols + col; }
    bool valid(int row, int col) const { return row >= 0 && col >= 0 && row < gridRows && col < gridCols; }
    QString text(int row, int col) const { return valid(row, col) ? texts.at(key(row, col)) : QString(); }
    Style style(int row, int col) const { return styles.value(key(row, col)); }
    Style &styleRef(int row, int col) { return styles[key(row, col)]; }

    void reshape(int rows, int cols);
    void notifyCell(int row, int col);
    // Moves whole data rows into the order given (old row numbers, data rows only).
    void permuteRows(const QVector<int> &order);
    void reset(const std::function<void()> &change);
};
