#include "ui/FlexGrid.h"

#include "data/Recordset.h"
#include "ui/FlexGridModel.h"

#include <QDateTime>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace {

QString cellText(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.metaType().id()) {
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDateTime: {
        const QDateTime t = v.toDateTime();
        return t.time() == QTime(0, 0) ? t.toString(QStringLiteral("yyyy/MM/dd"))
                                       : t.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    }
    default:
        return v.toString();
    }
}

// Sort key: a number when the text reads as one.
struct SortKey
{
    bool numeric;
    double number;
    QString text;
};

} // namespace

FlexGrid::FlexGrid(QWidget *parent) : QTableView(parent), m_model(new FlexGridModel)
{
    m_model->setParent(this);
    setModel(m_model);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->viewport()->installEventFilter(this);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setWordWrap(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &now) {
                if (now.isValid())
                    Q_EMIT cellEntered(now.row() + m_model->fixedRows, now.column());
            });
    setRows(2);
    setCols(2);
}

FlexGrid::~FlexGrid() = default;

int FlexGrid::rows() const { return m_model->gridRows; }
int FlexGrid::cols() const { return m_model->gridCols; }
int FlexGrid::fixedRows() const { return m_model->fixedRows; }
int FlexGrid::fixedCols() const { return 0; }
void FlexGrid::setFixedCols(int) {}

void FlexGrid::setRows(int rows)
{
    m_model->reset([&] { m_model->reshape(rows, m_model->gridCols); });
    applyShape();
}

void FlexGrid::setCols(int cols)
{
    m_model->reset([&] { m_model->reshape(m_model->gridRows, cols); });
    m_widths.resize(cols);
    m_merge.resize(cols);
    applyShape();
}

void FlexGrid::setFixedRows(int rows)
{
    m_model->reset([&] { m_model->fixedRows = qBound(0, rows, m_model->gridRows); });
    applyShape();
}

void FlexGrid::applyShape()
{
    horizontalHeader()->setVisible(m_model->fixedRows > 0);
    for (int c = 0; c < cols(); ++c) {
        const int twips = m_widths.value(c, -1);
        if (twips < 0)
            continue;
        setColumnHidden(c, twips == 0);
        if (twips > 0)
            setColumnWidth(c, twipsToPixels(twips));
    }
}

QString FlexGrid::textMatrix(int row, int col) const { return m_model->text(row, col); }

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    if (!m_model->valid(row, col))
        return;
    m_model->texts[m_model->key(row, col)] = text;
    m_model->notifyCell(row, col);
}

QColor FlexGrid::cellForeColor(int row, int col) const
{
    const auto s = m_model->style(row, col);
    return s.hasFore ? QColor::fromRgb(s.fore) : palette().color(QPalette::Text);
}

void FlexGrid::setCellForeColor(int row, int col, const QColor &color)
{
    if (!m_model->valid(row, col))
        return;
    auto &s = m_model->styleRef(row, col);
    s.fore = color.rgb();
    s.hasFore = true;
    m_model->notifyCell(row, col);
}

QColor FlexGrid::cellBackColor(int row, int col) const
{
    const auto s = m_model->style(row, col);
    if (s.hasBack)
        return QColor::fromRgb(s.back);
    const QRgb band = m_model->rowBack.value(row);
    return band ? QColor::fromRgba(band) : palette().color(QPalette::Base);
}

void FlexGrid::setCellBackColor(int row, int col, const QColor &color)
{
    if (!m_model->valid(row, col))
        return;
    auto &s = m_model->styleRef(row, col);
    s.back = color.rgb();
    s.hasBack = true;
    m_model->notifyCell(row, col);
}

void FlexGrid::setRowBackColor(int row, const QColor &color)
{
    if (row < 0 || row >= rows())
        return;
    m_model->rowBack[row] = color.rgba();
    for (int c = 0; c < cols(); ++c)
        if (m_model->styles.contains(m_model->key(row, c)))
            m_model->styleRef(row, c).hasBack = false;
    if (row >= fixedRows() && cols() > 0)
        Q_EMIT m_model->dataChanged(m_model->index(row - fixedRows(), 0), m_model->index(row - fixedRows(), cols() - 1));
}

Qt::Alignment FlexGrid::cellAlignment(int row, int col) const
{
    const auto s = m_model->style(row, col);
    return s.alignment ? s.alignment : m_model->colAlignment.value(col);
}

void FlexGrid::setCellAlignment(int row, int col, Qt::Alignment alignment)
{
    if (!m_model->valid(row, col))
        return;
    m_model->styleRef(row, col).alignment = alignment;
    m_model->notifyCell(row, col);
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col >= 0 && col < cols())
        m_model->colAlignment[col] = alignment;
    viewport()->update();
}

bool FlexGrid::cellStrikeThrough(int row, int col) const { return m_model->style(row, col).strike; }

void FlexGrid::setCellStrikeThrough(int row, int col, bool strike)
{
    if (!m_model->valid(row, col))
        return;
    m_model->styleRef(row, col).strike = strike;
    m_model->notifyCell(row, col);
}

void FlexGrid::setMergeCol(int col, bool merge)
{
    if (col < 0 || col >= cols())
        return;
    m_merge[col] = merge;
    applySpans();
}

bool FlexGrid::mergeCol(int col) const { return m_merge.value(col); }

void FlexGrid::applySpans()
{
    clearSpans();
    const int fixed = fixedRows();
    for (int c = 0; c < cols(); ++c) {
        if (!m_merge.value(c))
            continue;
        int start = fixed;
        for (int r = fixed + 1; r <= rows(); ++r) {
            if (r < rows() && textMatrix(r, c) == textMatrix(start, c))
                continue;
            if (r - start > 1)
                setSpan(start - fixed, c, r - start, 1);
            start = r;
        }
    }
}

int FlexGrid::twipsToPixels(int twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return qRound(twips * dpi / 1440.0);
}

int FlexGrid::pixelsToTwips(int pixels)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return qRound(pixels * 1440.0 / dpi);
}

int FlexGrid::colWidth(int col) const
{
    if (col < 0 || col >= cols())
        return 0;
    const int twips = m_widths.value(col, -1);
    return twips >= 0 ? twips : pixelsToTwips(columnWidth(col));
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    m_widths[col] = qMax(0, twips);
    setColumnHidden(col, twips <= 0);
    if (twips > 0)
        setColumnWidth(col, twipsToPixels(twips));
}

QModelIndex FlexGrid::viewIndex(int row, int col) const { return m_model->index(row - fixedRows(), col); }

int FlexGrid::row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + fixedRows() : 0;
}

int FlexGrid::col() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : 0;
}

void FlexGrid::setRow(int row) { setCurrentCell(row, col()); }
void FlexGrid::setCol(int col) { setCurrentCell(row(), col); }

void FlexGrid::setCurrentCell(int row, int col)
{
    const QModelIndex i = viewIndex(row, col);
    if (i.isValid())
        setCurrentIndex(i);
}

void FlexGrid::selectRow(int row)
{
    if (row < fixedRows() || row >= rows())
        return;
    setCurrentCell(row, 0);
    QTableView::selectRow(row - fixedRows());
}

int FlexGrid::topRow() const
{
    const int top = rowAt(0);
    return (top < 0 ? 0 : top) + fixedRows();
}

void FlexGrid::setTopRow(int row)
{
    const QModelIndex i = viewIndex(row, qMax(0, col()));
    if (i.isValid())
        verticalScrollBar()->setValue(i.row());
}

bool FlexGrid::rowIsVisible(int row) const
{
    if (row < fixedRows())
        return true;
    const QModelIndex i = viewIndex(row, 0);
    return i.isValid() && viewport()->rect().intersects(visualRect(i));
}

bool FlexGrid::redraw() const { return updatesEnabled(); }

void FlexGrid::setRedraw(bool on)
{
    setUpdatesEnabled(on);
    if (on)
        viewport()->update();
}

QRect FlexGrid::cellRect(int row, int col) const
{
    if (row < fixedRows()) {
        const QHeaderView *header = horizontalHeader();
        return QRect(header->x() + header->sectionViewportPosition(col), header->y(),
                     header->sectionSize(col), header->height());
    }
    return visualRect(viewIndex(row, col)).translated(viewport()->pos());
}

int FlexGrid::rowAtPoint(const QPoint &point) const
{
    const QHeaderView *header = horizontalHeader();
    if (header->isVisible() && header->geometry().contains(point))
        return 0;
    const int r = rowAt(point.y() - viewport()->y());
    return r < 0 ? -1 : r + fixedRows();
}

int FlexGrid::colAtPoint(const QPoint &point) const
{
    return columnAt(point.x() - viewport()->x());
}

void FlexGrid::fillFromRecordset(Recordset &rs)
{
    const int fields = rs.fieldCount();
    const int records = rs.recordCount();
    m_model->reset([&] {
        m_model->styles.clear();
        m_model->reshape(0, fields);
        m_model->reshape(m_model->fixedRows + records, fields);
        for (int c = 0; c < fields && m_model->fixedRows > 0; ++c)
            m_model->texts[c] = rs.fieldName(c);
        int r = m_model->fixedRows;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++r)
            for (int c = 0; c < fields; ++c)
                m_model->texts[m_model->key(r, c)] = cellText(rs.value(c));
    });
    m_widths.resize(fields);
    m_merge.resize(fields);
    applyShape();
    applySpans();
}

void FlexGrid::sortRows(int col, int sortSetting)
{
    if (col < 0 || col >= cols() || rows() - fixedRows() < 2)
        return;
    const int fixed = fixedRows();
    const int kind = (sortSetting - 1) / 2; // 0 generic, 1 numeric, 2 no case, 3 case
    const bool descending = sortSetting % 2 == 0;
    QVector<SortKey> keys(rows());
    for (int r = fixed; r < rows(); ++r) {
        const QString &t = m_model->texts.at(m_model->key(r, col));
        bool ok = false;
        const double n = t.toDouble(&ok);
        keys[r] = {ok, ok ? n : 0.0, kind == 2 ? t.toCaseFolded() : t};
    }
    QVector<int> order(rows() - fixed);
    std::iota(order.begin(), order.end(), fixed);
    auto less = [&](int a, int b) {
        const SortKey &x = keys.at(a), &y = keys.at(b);
        if (kind == 1)
            return x.number < y.number;
        if (kind == 0 && x.numeric && y.numeric)
            return x.number < y.number;
        if (kind == 0 && x.numeric != y.numeric)
            return x.numeric; // numbers before texts
        return x.text < y.text;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return descending ? less(b, a) : less(a, b); });
    m_model->reset([&] { m_model->permuteRows(order); });
    applyShape();
    applySpans();
}

void FlexGrid::paintBandsOfFive()
{
    const bool wasOn = redraw();
    setRedraw(false);
    const QRgb window = palette().color(QPalette::Base).rgba();
    const QRgb info = palette().color(QPalette::ToolTipBase).rgba();
    for (int r = fixedRows(); r < rows(); ++r)
        m_model->rowBack[r] = ((r - fixedRows()) / 5) % 2 == 0 ? window : info;
    for (auto it = m_model->styles.begin(); it != m_model->styles.end(); ++it)
        it->hasBack = false;
    if (rows() > fixedRows() && cols() > 0)
        Q_EMIT m_model->dataChanged(m_model->index(0, 0), m_model->index(rows() - fixedRows() - 1, cols() - 1));
    setRedraw(wasOn);
}

void FlexGrid::clearAll()
{
    m_model->reset([&] {
        m_model->styles.clear();
        std::fill(m_model->texts.begin(), m_model->texts.end(), QString());
        std::fill(m_model->rowBack.begin(), m_model->rowBack.end(), 0);
    });
    clearSpans();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint() + viewport()->pos();
    Q_EMIT mouseUp(event->button(), event->modifiers(), rowAtPoint(at), colAtPoint(at));
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const int c = horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
        Q_EMIT mouseUp(mouse->button(), mouse->modifiers(), 0, c);
    }
    return QTableView::eventFilter(watched, event);
}
