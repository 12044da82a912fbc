#include "ui/FlexGrid.h"

#include "ui/FlexGridHeader.h"
#include "ui/FlexGridModel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

constexpr int DefaultColTwips = 1200;

double logicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

auto sameClass = [](int) { return 0; };

} // namespace

FlexGrid::FlexGrid(QWidget *parent)
    : QTableView(parent), m_model(new FlexGridModel(this)),
      m_header(new FlexGridHeader(m_model, this))
{
    setHorizontalHeader(m_header);
    setModel(m_model);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    m_header->setDefaultSectionSize(twipsToPixels(DefaultColTwips));
    setEditTriggers(NoEditTriggers);
    setSelectionMode(ExtendedSelection);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    m_model->setFixedBackground(palette().color(QPalette::Button));
    m_model->setFixedRows(1);
    setCols(2);
    setRows(2);
    updateRowHeight();
    applyShape();
    connectSignals();
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::connectSignals()
{
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    Q_EMIT cellEntered(current.row(), current.column());
            });
    connect(m_header, &FlexGridHeader::released, this, &FlexGrid::headerReleased);
}

int FlexGrid::rows() const { return m_model->rowCount(); }
int FlexGrid::cols() const { return m_model->columnCount(); }
int FlexGrid::fixedRows() const { return m_model->fixedRows(); }
int FlexGrid::fixedCols() const { return m_model->fixedCols(); }

void FlexGrid::setRows(int rows)
{
    const int before = this->rows();
    m_model->setRows(rows);
    hideFixedRows(before, this->rows() - 1);
    requestMerges();
}

void FlexGrid::setCols(int cols)
{
    const int before = this->cols();
    m_model->setCols(cols);
    m_twips.resize(this->cols(), -1);
    m_merge.resize(this->cols());
    for (int c = before; c < this->cols(); ++c)
        applyWidth(c);
    requestMerges();
}

void FlexGrid::setFixedRows(int rows)
{
    const int before = fixedRows();
    m_model->setFixedRows(rows);
    for (int r = fixedRows(); r < qMin(before, this->rows()); ++r)
        setRowHidden(r, false);
    applyShape();
    applyMerges();
}

void FlexGrid::setFixedCols(int cols) { m_model->setFixedCols(cols); }

void FlexGrid::hideFixedRows(int firstRow, int lastRow)
{
    for (int r = qMax(0, firstRow); r <= qMin(lastRow, fixedRows() - 1); ++r)
        setRowHidden(r, true);
}

void FlexGrid::applyShape()
{
    hideFixedRows(0, rows() - 1);
    m_header->setVisible(fixedRows() > 0);
    m_header->updateGeometry();
    for (int c = 0; c < cols(); ++c)
        applyWidth(c);
    updateGeometries();
}

QString FlexGrid::textMatrix(int row, int col) const { return m_model->text(row, col); }

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    m_model->setText(row, col, text);
    if (row >= fixedRows() && mergeCol(col))
        requestMerges();
}

void FlexGrid::cellChanged(int row, int col)
{
    Q_UNUSED(col);
    if (row < fixedRows())
        m_header->viewport()->update();
}

QColor FlexGrid::cellForeColor(int row, int col) const
{
    const QColor own = m_model->style(row, col).fore;
    if (own.isValid())
        return own;
    const bool fixed = row < fixedRows() || col < fixedCols();
    return palette().color(fixed ? QPalette::ButtonText : QPalette::Text);
}

void FlexGrid::setCellForeColor(int row, int col, const QColor &color)
{
    m_model->restyle(row, row, col, col, sameClass,
                     [&](FlexCellStyle &style, int) { style.fore = color; });
    cellChanged(row, col);
}

QColor FlexGrid::cellBackColor(int row, int col) const
{
    const QColor own = m_model->style(row, col).back;
    if (own.isValid())
        return own;
    const bool fixed = row < fixedRows() || col < fixedCols();
    return palette().color(fixed ? QPalette::Button : QPalette::Base);
}

void FlexGrid::setCellBackColor(int row, int col, const QColor &color)
{
    m_model->restyle(row, row, col, col, sameClass,
                     [&](FlexCellStyle &style, int) { style.back = color; });
    cellChanged(row, col);
}

void FlexGrid::setRowBackColor(int row, const QColor &color)
{
    m_model->restyle(row, row, 0, cols() - 1, sameClass,
                     [&](FlexCellStyle &style, int) { style.back = color; });
    cellChanged(row, 0);
}

Qt::Alignment FlexGrid::cellAlignment(int row, int col) const
{
    return m_model->alignment(row, col);
}

void FlexGrid::setCellAlignment(int row, int col, Qt::Alignment alignment)
{
    m_model->restyle(row, row, col, col, sameClass,
                     [&](FlexCellStyle &style, int) { style.alignment = int(alignment); });
    cellChanged(row, col);
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    m_model->setColAlignment(col, alignment);
}

bool FlexGrid::cellStrikeThrough(int row, int col) const
{
    return m_model->style(row, col).strikeOut;
}

void FlexGrid::setCellStrikeThrough(int row, int col, bool strike)
{
    m_model->restyle(row, row, col, col, sameClass,
                     [&](FlexCellStyle &style, int) { style.strikeOut = strike; });
    cellChanged(row, col);
}

void FlexGrid::setMergeCol(int col, bool merge)
{
    if (col < 0 || col >= cols() || m_merge.at(col) == merge)
        return;
    m_merge[col] = merge;
    applyMerges();
}

bool FlexGrid::mergeCol(int col) const { return m_merge.value(col); }

int FlexGrid::twipsToPixels(int twips) { return qRound(twips * logicalDpi() / 1440.0); }

int FlexGrid::pixelsToTwips(int pixels) { return qRound(pixels * 1440.0 / logicalDpi()); }

int FlexGrid::colWidth(int col) const
{
    if (col < 0 || col >= cols() || isColumnHidden(col))
        return 0;
    const int pixels = columnWidth(col);
    const int twips = m_twips.at(col);
    // The width as set, unless the user has dragged the column since.
    return twips > 0 && twipsToPixels(twips) == pixels ? twips : pixelsToTwips(pixels);
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    m_twips[col] = qMax(0, twips);
    applyWidth(col);
}

void FlexGrid::applyWidth(int col)
{
    const int twips = m_twips.at(col);
    if (twips < 0)
        return;
    setColumnHidden(col, twips == 0);
    if (twips > 0)
        setColumnWidth(col, twipsToPixels(twips));
}

void FlexGrid::keepUserWidths()
{
    for (int c = 0; c < cols(); ++c) {
        if (!isColumnHidden(c) && (m_twips.at(c) >= 0
                                   || columnWidth(c) != m_header->defaultSectionSize()))
            m_twips[c] = colWidth(c);
    }
}

QModelIndex FlexGrid::cellIndex(int row, int col) const { return m_model->index(row, col); }

int FlexGrid::row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : qMax(0, qMin(fixedRows(), rows() - 1));
}

int FlexGrid::col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : qMax(0, qMin(fixedCols(), cols() - 1));
}

void FlexGrid::setRow(int row) { setCurrentCell(row, col()); }

void FlexGrid::setCol(int col) { setCurrentCell(row(), col); }

void FlexGrid::setCurrentCell(int row, int col)
{
    const QModelIndex cell = cellIndex(row, col);
    if (cell.isValid())
        setCurrentIndex(cell);
}

void FlexGrid::selectRow(int row)
{
    if (row >= fixedRows() && row < rows())
        QTableView::selectRow(row);
}

int FlexGrid::topRow() const
{
    const int top = rowAt(0);
    return top >= 0 ? top : qMax(0, qMin(fixedRows(), rows() - 1));
}

void FlexGrid::setTopRow(int row)
{
    if (row < fixedRows() || row >= rows())
        return;
    int col = columnAt(0);
    for (int c = 0; col < 0 && c < cols(); ++c)
        col = isColumnHidden(c) ? -1 : c;
    if (col >= 0)
        scrollTo(cellIndex(row, col), PositionAtTop);
}

bool FlexGrid::rowIsVisible(int row) const
{
    if (row < 0 || row >= rows())
        return false;
    if (row < fixedRows())
        return !m_header->isHidden();
    if (isRowHidden(row))
        return false;
    const int top = rowViewportPosition(row);
    return top + rowHeight(row) > 0 && top < viewport()->height();
}

bool FlexGrid::redraw() const { return m_redraw; }

void FlexGrid::setRedraw(bool on)
{
    m_redraw = on;
    setUpdatesEnabled(on);
    if (!on)
        return;
    if (m_mergesPending)
        applyMerges();
    updateGeometries();
    viewport()->update();
    m_header->viewport()->update();
}

QRect FlexGrid::cellRect(int row, int col) const
{
    if (!m_model->contains(row, col))
        return {};
    if (row >= fixedRows())
        return visualRect(cellIndex(row, col)).translated(viewport()->pos());
    if (m_header->isHidden())
        return {};
    const QPoint origin = m_header->viewport()->mapTo(this, QPoint(0, 0));
    return QRect(origin.x() + m_header->sectionViewportPosition(col),
                 origin.y() + row * m_header->rowHeight(), m_header->sectionSize(col),
                 m_header->rowHeight());
}

int FlexGrid::rowAtPoint(const QPoint &point) const
{
    if (!m_header->isHidden() && m_header->geometry().contains(point))
        return m_header->fixedRowAt(point.y() - m_header->y());
    if (viewport()->geometry().contains(point))
        return rowAt(point.y() - viewport()->y());
    return -1;
}

int FlexGrid::colAtPoint(const QPoint &point) const
{
    if (!m_header->isHidden() && m_header->geometry().contains(point))
        return m_header->logicalIndexAt(point.x() - m_header->x());
    if (viewport()->geometry().contains(point))
        return columnAt(point.x() - viewport()->x());
    return -1;
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QPoint at = viewport()->mapTo(this, event->position().toPoint());
    Q_EMIT mouseUp(event->button(), event->modifiers(), rowAtPoint(at), colAtPoint(at));
}

void FlexGrid::headerReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                              const QPoint &pos)
{
    const QPoint at = m_header->viewport()->mapTo(this, pos);
    Q_EMIT mouseUp(button, modifiers, rowAtPoint(at), colAtPoint(at));
}

void FlexGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateRowHeight();
    else if (event->type() == QEvent::PaletteChange)
        m_model->setFixedBackground(palette().color(QPalette::Button));
}

void FlexGrid::updateRowHeight()
{
    const int height = fontMetrics().height() + 6;
    verticalHeader()->setDefaultSectionSize(height);
    m_header->setRowHeight(height);
    updateGeometries();
}
