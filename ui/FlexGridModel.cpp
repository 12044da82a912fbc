#include "ui/FlexGridModel.h"

#include <QFont>

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, gridRows - fixedRows);
}

int FlexGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : gridCols; }

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row() + fixedRows;
    const int col = index.column();
    if (!valid(row, col))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return texts.at(key(row, col));
    case Qt::ForegroundRole: {
        const auto it = styles.constFind(key(row, col));
        return it != styles.constEnd() && it->hasFore ? QVariant(QColor::fromRgb(it->fore)) : QVariant();
    }
    case Qt::BackgroundRole: {
        const auto it = styles.constFind(key(row, col));
        if (it != styles.constEnd() && it->hasBack)
            return QColor::fromRgb(it->back);
        return row < rowBack.size() && rowBack.at(row) ? QVariant(QColor::fromRgba(rowBack.at(row))) : QVariant();
    }
    case Qt::TextAlignmentRole: {
        const auto it = styles.constFind(key(row, col));
        if (it != styles.constEnd() && it->alignment)
            return int(it->alignment);
        const Qt::Alignment a = col < colAlignment.size() ? colAlignment.at(col) : Qt::Alignment();
        return int(a ? a : Qt::AlignLeft | Qt::AlignVCenter);
    }
    case Qt::FontRole: {
        const auto it = styles.constFind(key(row, col));
        if (it == styles.constEnd() || !it->strike)
            return {};
        QFont font;
        font.setStrikeOut(true);
        return font;
    }
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || fixedRows < 1)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return text(0, section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

void FlexGridModel::reshape(int rows, int cols)
{
    rows = qMax(0, rows);
    cols = qMax(0, cols);
    if (cols != gridCols) {
        QVector<QString> moved(qsizetype(rows) * cols);
        for (int r = 0; r < qMin(rows, gridRows); ++r)
            for (int c = 0; c < qMin(cols, gridCols); ++c)
                moved[qsizetype(r) * cols + c] = texts.at(key(r, c));
        texts = std::move(moved);
        styles.clear();
        colAlignment.resize(cols);
    } else {
        texts.resize(qsizetype(rows) * cols);
    }
    rowBack.resize(rows);
    gridRows = rows;
    gridCols = cols;
}

void FlexGridModel::notifyCell(int row, int col)
{
    if (row < fixedRows) {
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex i = index(row - fixedRows, col);
    Q_EMIT dataChanged(i, i);
}

void FlexGridModel::permuteRows(const QVector<int> &order)
{
    QVector<QString> sorted = texts;
    QVector<QRgb> backs = rowBack;
    QVector<int> newRowOf(gridRows);
    for (int r = 0; r < gridRows; ++r)
        newRowOf[r] = r;
    for (int i = 0; i < order.size(); ++i) {
        const int from = order.at(i), to = fixedRows + i;
        newRowOf[from] = to;
        backs[to] = rowBack.at(from);
        for (int c = 0; c < gridCols; ++c)
            sorted[key(to, c)] = std::move(texts[key(from, c)]);
    }
    QHash<qint64, Style> moved;
    for (auto it = styles.cbegin(); it != styles.cend(); ++it) {
        const int row = int(it.key() / qMax(1, gridCols)), col = int(it.key() % qMax(1, gridCols));
        moved.insert(key(newRowOf.value(row, row), col), it.value());
    }
    texts = std::move(sorted);
    rowBack = std::move(backs);
    styles = std::move(moved);
}

void FlexGridModel::reset(const std::function<void()> &change)
{
    beginResetModel();
    change();
    endResetModel();
}
