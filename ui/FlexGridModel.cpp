#include "ui/FlexGridModel.h"

#include <QFont>

size_t qHash(const FlexCellStyle &style, size_t seed)
{
    return qHashMulti(seed, style.fore.isValid() ? style.fore.rgba() : 1u,
                      style.back.isValid() ? style.back.rgba() : 1u, style.alignment,
                      style.strikeOut);
}

FlexGridModel::FlexGridModel(QObject *parent) : QAbstractTableModel(parent)
{
    m_styles.append(FlexCellStyle());
    m_styleIndex.insert(FlexCellStyle(), 0);
}

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int FlexGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row(), col = index.column();
    if (!contains(row, col))
        return {};
    const FlexCellStyle &style = m_styles.at(m_styleOfCell.at(at(row, col)));
    switch (role) {
    case Qt::DisplayRole:
        return m_texts.at(at(row, col));
    case Qt::ForegroundRole:
        return style.fore.isValid() ? QVariant(style.fore) : QVariant();
    case Qt::BackgroundRole:
        if (style.back.isValid())
            return style.back;
        return col < m_fixedCols && m_fixedBackground.isValid() ? QVariant(m_fixedBackground)
                                                                : QVariant();
    case Qt::TextAlignmentRole:
        return int(alignment(row, col));
    case Qt::FontRole: {
        if (!style.strikeOut)
            return {};
        QFont font; // only the strike-out resolves against the view's font
        font.setStrikeOut(true);
        return font;
    }
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && m_fixedRows > 0 && role == Qt::DisplayRole)
        return text(0, section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool FlexGridModel::contains(int row, int col) const
{
    return row >= 0 && col >= 0 && row < m_rows && col < m_cols;
}

void FlexGridModel::setRows(int rows)
{
    rows = qMax(0, rows);
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        relayout(rows, m_cols);
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        relayout(rows, m_cols);
        endRemoveRows();
    }
}

void FlexGridModel::setCols(int cols)
{
    cols = qMax(0, cols);
    if (cols > m_cols) {
        beginInsertColumns({}, m_cols, cols - 1);
        relayout(m_rows, cols);
        endInsertColumns();
    } else if (cols < m_cols) {
        beginRemoveColumns({}, cols, m_cols - 1);
        relayout(m_rows, cols);
        endRemoveColumns();
    }
}

void FlexGridModel::setFixedCols(int cols)
{
    m_fixedCols = qMax(0, cols);
    if (m_rows > 0 && m_cols > 0)
        Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
}

void FlexGridModel::relayout(int rows, int cols)
{
    if (cols == m_cols) { // row-major: rows come and go at the end
        m_texts.resize(qsizetype(rows) * cols);
        m_styleOfCell.resize(qsizetype(rows) * cols);
    } else {
        QVector<QString> texts(qsizetype(rows) * cols);
        QVector<quint32> styles(qsizetype(rows) * cols);
        for (int r = 0; r < qMin(rows, m_rows); ++r) {
            for (int c = 0; c < qMin(cols, m_cols); ++c) {
                texts[qsizetype(r) * cols + c] = std::move(m_texts[at(r, c)]);
                styles[qsizetype(r) * cols + c] = m_styleOfCell.at(at(r, c));
            }
        }
        m_texts = std::move(texts);
        m_styleOfCell = std::move(styles);
        m_colAlignment.resize(cols);
    }
    m_rows = rows;
    m_cols = cols;
}

QString FlexGridModel::text(int row, int col) const
{
    return contains(row, col) ? m_texts.at(at(row, col)) : QString();
}

void FlexGridModel::setText(int row, int col, const QString &text)
{
    if (!contains(row, col))
        return;
    m_texts[at(row, col)] = text;
    const QModelIndex cell = index(row, col);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    if (row < m_fixedRows)
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
}

FlexCellStyle FlexGridModel::style(int row, int col) const
{
    return contains(row, col) ? m_styles.at(m_styleOfCell.at(at(row, col))) : FlexCellStyle();
}

Qt::Alignment FlexGridModel::alignment(int row, int col) const
{
    const int own = style(row, col).alignment;
    if (own)
        return Qt::Alignment(own);
    if (row < m_fixedRows || col < m_fixedCols)
        return Qt::AlignCenter;
    return colAlignment(col);
}

Qt::Alignment FlexGridModel::colAlignment(int col) const
{
    const int own = m_colAlignment.value(col);
    return own ? Qt::Alignment(own) : Qt::AlignLeft | Qt::AlignVCenter;
}

void FlexGridModel::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return;
    m_colAlignment[col] = int(alignment);
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, col), index(m_rows - 1, col), {Qt::TextAlignmentRole});
}

quint32 FlexGridModel::intern(const FlexCellStyle &style)
{
    const auto it = m_styleIndex.constFind(style);
    if (it != m_styleIndex.constEnd())
        return *it;
    const quint32 index = quint32(m_styles.size());
    m_styles.append(style);
    m_styleIndex.insert(style, index);
    return index;
}

void FlexGridModel::replaceAll(int rows, int cols, QVector<QString> &&texts)
{
    beginResetModel();
    m_rows = rows;
    m_cols = cols;
    m_texts = std::move(texts);
    m_texts.resize(qsizetype(rows) * cols);
    m_styleOfCell.fill(0, qsizetype(rows) * cols);
    m_styles.resize(1);
    m_styleIndex = {{FlexCellStyle(), 0}};
    m_colAlignment.resize(cols);
    endResetModel();
}

void FlexGridModel::clearAll()
{
    // The shape stays, so the view keeps its widths and hidden rows.
    m_texts.fill(QString());
    m_styleOfCell.fill(0);
    m_styles.resize(1);
    m_styleIndex = {{FlexCellStyle(), 0}};
    if (m_rows == 0 || m_cols == 0)
        return;
    Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
}

void FlexGridModel::permuteDataRows(const QVector<int> &order)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<QString> texts(m_texts.size());
    QVector<quint32> styles(m_styleOfCell.size());
    const qsizetype fixedCells = at(m_fixedRows, 0);
    for (qsizetype i = 0; i < fixedCells; ++i) {
        texts[i] = std::move(m_texts[i]);
        styles[i] = m_styleOfCell.at(i);
    }
    for (int to = 0; to < order.size(); ++to) {
        const qsizetype source = at(m_fixedRows + order.at(to), 0);
        const qsizetype target = at(m_fixedRows + to, 0);
        for (int c = 0; c < m_cols; ++c) {
            texts[target + c] = std::move(m_texts[source + c]);
            styles[target + c] = m_styleOfCell.at(source + c);
        }
    }
    m_texts = std::move(texts);
    m_styleOfCell = std::move(styles);
    // Persistent indexes keep their places: the current cell stays where it was.
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVector<QString> FlexGridModel::columnTexts(int col, int fromRow) const
{
    QVector<QString> texts;
    if (col < 0 || col >= m_cols)
        return texts;
    texts.reserve(qMax(0, m_rows - fromRow));
    for (int r = qMax(0, fromRow); r < m_rows; ++r)
        texts.append(m_texts.at(at(r, col)));
    return texts;
}

qint64 FlexGridModel::cellStructureBytes() const
{
    return m_texts.capacity() * qint64(sizeof(QString))
        + m_styleOfCell.capacity() * qint64(sizeof(quint32))
        + m_styles.capacity() * qint64(sizeof(FlexCellStyle));
}
