// SPDX-License-Identifier: MIT
#pragma once

#include <QHeaderView>

class TLumStringGrid;

// The grid's header row, drawn by the same margin rule as its cells.
class LumHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit LumHeaderView(TLumStringGrid *grid);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    TLumStringGrid *m_grid;
};
