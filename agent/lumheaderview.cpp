// SPDX-License-Identifier: MIT
#include "lumheaderview.h"

#include "tlumstringgrid.h"

#include <QPainter>

LumHeaderView::LumHeaderView(TLumStringGrid *grid)
    : QHeaderView(Qt::Horizontal, grid)
    , m_grid(grid)
{
}

void LumHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!m_grid->defaultDrawing() || !rect.isValid())
        return;
    // The cell is the section less its one-pixel grid line on the right and
    // at the bottom, as in the grid's body.
    const QRect cell = rect.adjusted(0, 0, -1, -1);
    const QString text = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    TLumStringGrid::DrawCell(*painter, cell, text, m_grid->textAlign(), palette().button(), palette().buttonText().color());
    painter->save();
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->restore();
}
