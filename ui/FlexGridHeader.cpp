#include "ui/FlexGridHeader.h"

#include "ui/FlexGridModel.h"

#include <QMouseEvent>
#include <QPainter>

FlexGridHeader::FlexGridHeader(FlexGridModel *cells, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent), m_cells(cells)
{
    setHighlightSections(false);
    setSectionsClickable(false);
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignCenter);
    connect(this, &QHeaderView::sectionResized, this, [this] { m_resizedByDrag = true; });
}

void FlexGridHeader::setRowHeight(int pixels)
{
    m_rowHeight = qMax(1, pixels);
    updateGeometry();
    viewport()->update();
}

int FlexGridHeader::fixedRowAt(int y) const
{
    const int fixed = m_cells->fixedRows();
    if (fixed == 0 || y < 0)
        return -1;
    return qMin(y / m_rowHeight, fixed - 1);
}

QSize FlexGridHeader::sizeHint() const
{
    return QSize(QHeaderView::sizeHint().width(), m_cells->fixedRows() * m_rowHeight);
}

void FlexGridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const int fixed = m_cells->fixedRows();
    for (int row = 0; row < fixed; ++row) {
        const FlexCellStyle cell = m_cells->style(row, logicalIndex);
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = QRect(rect.left(), rect.top() + row * m_rowHeight, rect.width(),
                            row == fixed - 1 ? rect.height() - row * m_rowHeight : m_rowHeight);
        option.section = logicalIndex;
        option.position = QStyleOptionHeader::Middle;
        option.text = m_cells->text(row, logicalIndex);
        option.textAlignment = m_cells->alignment(row, logicalIndex);
        if (cell.back.isValid()) {
            option.palette.setColor(QPalette::Button, cell.back);
            option.palette.setColor(QPalette::Window, cell.back);
        }
        if (cell.fore.isValid())
            option.palette.setColor(QPalette::ButtonText, cell.fore);
        painter->save();
        QFont font = painter->font();
        font.setStrikeOut(cell.strikeOut);
        painter->setFont(font);
        style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);
        if (cell.back.isValid())
            painter->fillRect(option.rect.adjusted(0, 0, -1, -1), cell.back);
        option.rect.adjust(3, 0, -3, 0);
        style()->drawControl(QStyle::CE_HeaderLabel, &option, painter, this);
        painter->restore();
    }
}

void FlexGridHeader::mousePressEvent(QMouseEvent *event)
{
    m_resizedByDrag = false;
    QHeaderView::mousePressEvent(event);
}

void FlexGridHeader::mouseReleaseEvent(QMouseEvent *event)
{
    QHeaderView::mouseReleaseEvent(event);
    if (!m_resizedByDrag)
        Q_EMIT released(event->button(), event->modifiers(), event->position().toPoint());
    m_resizedByDrag = false;
}
