#pragma once

#include <QHeaderView>

class FlexGridModel;

// The horizontal header of a FlexGrid: every fixed row stacked in it, each cell drawn with its
// own text, colours and alignment, so the fixed rows stay in view while the data scrolls.
class FlexGridHeader : public QHeaderView
{
    Q_OBJECT

public:
    FlexGridHeader(FlexGridModel *cells, QWidget *parent);

    void setRowHeight(int pixels);
    int rowHeight() const { return m_rowHeight; }
    // The fixed row under a y of the header's own coordinates.
    int fixedRowAt(int y) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    // A mouse button was released at pos (header coordinates), unless it ended a resize drag.
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, const QPoint &pos);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    FlexGridModel *m_cells;
    int m_rowHeight = 20;
    bool m_resizedByDrag = false;
};
