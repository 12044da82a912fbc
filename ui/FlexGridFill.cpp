// FlexGrid's whole-grid operations: filling from a recordset, sorting, bands and merges.
#include "ui/FlexGrid.h"

#include "data/Recordset.h"
#include "ui/FlexGridHeader.h"
#include "ui/FlexGridModel.h"
#include "ui/FlexGridSort.h"
#include "ui/FlexGridText.h"

void FlexGrid::fillFromRecordset(Recordset &rs)
{
    const int fixedRows = this->fixedRows();
    const int firstCol = fixedCols();
    const int fields = rs.fieldCount();
    const int cols = firstCol + fields;
    const int rows = fixedRows + rs.recordCount();
    const int wasAt = rs.row();
    QVector<QString> texts(qsizetype(rows) * cols);
    for (int f = 0; f < fields && fixedRows > 0; ++f)
        texts[firstCol + f] = rs.fieldName(f);
    qsizetype at = qsizetype(fixedRows) * cols + firstCol;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), at += cols) {
        for (int f = 0; f < fields; ++f)
            texts[at + f] = flexCellText(rs.value(f));
    }
    for (rs.moveFirst(); rs.row() < wasAt && !rs.eof();)
        rs.moveNext();

    keepUserWidths();
    clearSpans();
    m_model->replaceAll(rows, cols, std::move(texts));
    m_twips.resize(cols, -1);
    m_merge.resize(cols);
    applyShape();
    applyMerges();
}

void FlexGrid::sortRows(int col, int sortSetting)
{
    const int fixedRows = this->fixedRows();
    if (col < 0 || col >= cols() || rows() - fixedRows < 2)
        return;
    const QVector<int> order = flexSortOrder(m_model->columnTexts(col, fixedRows), sortSetting);
    m_model->permuteDataRows(order);
    applyMerges();
}

void FlexGrid::paintBandsOfFive()
{
    const bool wasOn = redraw();
    setRedraw(false);
    const QColor bands[2] = {palette().color(QPalette::Base),
                             palette().color(QPalette::ToolTipBase)};
    const int first = fixedRows();
    m_model->restyle(
        first, rows() - 1, 0, cols() - 1, [first](int row) { return (row - first) / 5 % 2; },
        [&](FlexCellStyle &style, int band) { style.back = bands[band]; });
    setRedraw(wasOn);
}

void FlexGrid::clearAll()
{
    clearSpans();
    m_mergesPending = false;
    m_model->clearAll();
    applyShape();
}

void FlexGrid::requestMerges()
{
    if (m_mergesPending || !m_merge.contains(true))
        return;
    // Many cell writes in a row cost one pass over the merged columns.
    m_mergesPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_mergesPending && m_redraw)
                applyMerges();
        },
        Qt::QueuedConnection);
}

void FlexGrid::applyMerges()
{
    m_mergesPending = false;
    clearSpans();
    const int first = fixedRows();
    for (int c = 0; c < cols(); ++c) {
        if (!m_merge.at(c))
            continue;
        int runStart = first;
        QString runText = m_model->text(first, c);
        for (int r = first + 1; r <= rows(); ++r) {
            const QString text = r < rows() ? m_model->text(r, c) : QString();
            if (r < rows() && text == runText)
                continue;
            if (r - runStart > 1 && !runText.isEmpty()) // empty cells stay single
                setSpan(runStart, c, r - runStart, 1);
            runStart = r;
            runText = text;
        }
    }
}
