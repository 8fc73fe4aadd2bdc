// SPDX-License-Identifier: MIT
#include "weekheatmaplayout.h"

#include "texts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

constexpr int DayCount = ShiftWeek::DayCount;
// A cell wider and taller than this many screen pixels keeps one pixel of
// background between it and the next, so the slots read as a grid.
constexpr double SpacedCell = 4;

const QString LegendCaption = QStringLiteral("Staffed minus required:");
const QString ClosedText = QStringLiteral("Closed");

std::vector<int> clockRows(const WeekPlan &plan)
{
    std::vector<int> rows;
    for (const WeekPlan::Day &day : plan.days) {
        if (!day.open)
            continue;
        for (const ShiftPlan::Slot &slot : day.coverage)
            rows.push_back(slot.start);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int rowOf(const std::vector<int> &rows, int start)
{
    return int(std::lower_bound(rows.begin(), rows.end(), start) - rows.begin());
}

// The labels along the bottom, wrapped onto as many lines as the width
// needs; returns the height they take.
double layOutLegend(WeekHeatMapLayout &layout, const QRectF &inner, const HeatMapMeasure &measure, double gap)
{
    struct Item
    {
        QColor colour;
        QString text;
        bool swatch;
    };
    std::vector<Item> items{{QColor(), LegendCaption, false}};
    for (int level = int(HeatLevel::Short3); level <= int(HeatLevel::Over3); ++level)
        items.push_back({HeatLevelColour(HeatLevel(level)), HeatLevelText(HeatLevel(level)), true});
    items.push_back({QColor(Qt::transparent), ClosedText, true});

    const double line = measure.lineHeight;
    const double swatch = std::round(line * 0.8);
    // First pass: which line each item goes on, from the left.
    std::vector<int> lineOf(items.size());
    std::vector<double> xOf(items.size());
    int lines = 1;
    double x = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const double width = (items[i].swatch ? swatch + gap / 2 : 0) + measure.width(items[i].text);
        if (x > 0 && x + width > inner.width()) {
            ++lines;
            x = 0;
        }
        lineOf[i] = lines - 1;
        xOf[i] = x;
        x += width + 3 * gap;
    }
    const double height = lines * line + (lines - 1) * gap / 2;
    const double top = inner.bottom() - height;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const double y = top + lineOf[i] * (line + gap / 2);
        double left = inner.left() + xOf[i];
        WeekHeatMapLayout::LegendEntry entry;
        entry.colour = items[i].colour;
        if (items[i].swatch) {
            entry.swatch = QRectF(left, y + (line - swatch) / 2, swatch, swatch);
            left += swatch + gap / 2;
        }
        const double width = std::min(measure.width(items[i].text), inner.right() - left);
        entry.label = {QRectF(left, y, std::max(0.0, width), line), items[i].text};
        layout.legend.push_back(entry);
    }
    return height;
}

// The smallest step of clock time, a whole number of slots, whose labels
// stand at least a line apart.
int labelStep(int slotMinutes, double rowHeight, double lineHeight)
{
    for (int minutes : {15, 30, 60, 120, 180, 240, 360, 720, 1440}) {
        const int step = std::max(slotMinutes, minutes);
        if (step % slotMinutes == 0 && step / slotMinutes * rowHeight >= lineHeight * 1.1)
            return step;
    }
    return 1440;
}

void layOutTimeLabels(WeekHeatMapLayout &layout, int slotMinutes, const HeatMapMeasure &measure, double left)
{
    const int step = labelStep(slotMinutes, layout.rowHeight, measure.lineHeight);
    // On whole steps of the clock where some row is, else from the first row.
    int anchor = layout.rows.front();
    for (int start : layout.rows) {
        if (start % step == 0) {
            anchor = start;
            break;
        }
    }
    double lastBottom = -1e9;
    for (std::size_t r = 0; r < layout.rows.size(); ++r) {
        if (((layout.rows[r] - anchor) % step + step) % step != 0)
            continue;
        double top = layout.grid.top() + r * layout.rowHeight;
        top = std::min(top, layout.grid.bottom() - measure.lineHeight);
        if (top < lastBottom)
            continue; // after a gap in the rows, two labelled rows may be neighbours
        const QRectF rect(left, top, layout.grid.left() - left, measure.lineHeight);
        layout.timeLabels.push_back({rect, Calc::ClockText(layout.rows[r])});
        lastBottom = rect.bottom();
    }
}

void layOutCells(WeekHeatMapLayout &layout, const WeekPlan &plan, const HeatMapMeasure &measure, double unit)
{
    const double spacing = layout.rowHeight >= SpacedCell * unit && layout.columnWidth >= SpacedCell * unit ? unit : 0;
    for (int d = 0; d < DayCount; ++d) {
        const WeekPlan::Day &day = plan.days[std::size_t(d)];
        if (!day.open)
            continue;
        for (std::size_t s = 0; s < day.coverage.size(); ++s) {
            WeekHeatMapLayout::Cell cell;
            cell.day = d;
            cell.slot = int(s);
            cell.row = rowOf(layout.rows, day.coverage[s].start);
            cell.difference = day.coverage[s].difference();
            cell.colour = HeatLevelColour(HeatLevelOf(cell.difference));
            cell.rect = QRectF(layout.grid.left() + d * layout.columnWidth, layout.grid.top() + cell.row * layout.rowHeight,
                               layout.columnWidth - spacing, layout.rowHeight - spacing);
            if (cell.difference != 0) {
                const QString text = cell.difference > 0 ? QStringLiteral("+%1").arg(cell.difference)
                                                         : QString::number(cell.difference);
                if (cell.rect.height() >= measure.lineHeight && cell.rect.width() >= measure.width(text) + 2 * unit)
                    cell.text = text;
            }
            layout.cells.push_back(cell);
        }
    }
}

} // namespace

HeatLevel HeatLevelOf(int difference)
{
    const int clamped = std::clamp(difference, -3, 3);
    return HeatLevel(clamped + int(HeatLevel::Exact));
}

QColor HeatLevelColour(HeatLevel level)
{
    // A diverging scale that stays apart for the common kinds of colour
    // blindness.
    switch (level) {
    case HeatLevel::Short3:
        return {178, 24, 43};
    case HeatLevel::Short2:
        return {239, 138, 98};
    case HeatLevel::Short1:
        return {253, 219, 199};
    case HeatLevel::Exact:
        return {236, 236, 236};
    case HeatLevel::Over1:
        return {209, 229, 240};
    case HeatLevel::Over2:
        return {103, 169, 207};
    case HeatLevel::Over3:
        return {33, 102, 172};
    }
    return {236, 236, 236};
}

QString HeatLevelText(HeatLevel level)
{
    switch (level) {
    case HeatLevel::Short3:
        return QStringLiteral("3+ short");
    case HeatLevel::Short2:
        return QStringLiteral("2 short");
    case HeatLevel::Short1:
        return QStringLiteral("1 short");
    case HeatLevel::Exact:
        return QStringLiteral("Exact");
    case HeatLevel::Over1:
        return QStringLiteral("1 over");
    case HeatLevel::Over2:
        return QStringLiteral("2 over");
    case HeatLevel::Over3:
        return QStringLiteral("3+ over");
    }
    return {};
}

HeatMapMeasure HeatMapMeasure::of(const QFont &font)
{
    const QFontMetricsF metrics(font);
    return {metrics.height(), [metrics](const QString &text) { return metrics.horizontalAdvance(text); }};
}

const WeekHeatMapLayout::Cell *WeekHeatMapLayout::cellAt(const QPointF &point) const
{
    for (const Cell &cell : cells)
        if (cell.rect.contains(point))
            return &cell;
    return nullptr;
}

WeekHeatMapLayout LayOutWeekHeatMap(const WeekPlan &plan, const QRectF &rect, const HeatMapMeasure &measure,
                                    double unit)
{
    WeekHeatMapLayout layout;
    layout.bounds = rect;
    if (!(unit > 0) || !std::isfinite(unit))
        unit = 1;
    const double gap = 4 * unit;
    const QRectF inner = rect.adjusted(gap, gap, -gap, -gap);
    layout.rows = clockRows(plan);
    if (layout.rows.empty() || inner.width() <= 0 || inner.height() <= 0 || !measure.width) {
        layout.rows.clear();
        layout.emptyNote = {inner, QStringLiteral("No open day to show")};
        return layout;
    }

    double legendHeight = layOutLegend(layout, inner, measure, gap);
    if (legendHeight > inner.height() / 2) {
        // Too small a map for its legend: the cells come first.
        layout.legend.clear();
        legendHeight = -gap;
    }
    double labelWidth = 0;
    for (int start : layout.rows)
        labelWidth = std::max(labelWidth, measure.width(Calc::ClockText(start)));
    const double top = inner.top() + measure.lineHeight + gap / 2;
    const double bottom = inner.bottom() - legendHeight - gap;
    layout.grid = QRectF(inner.left() + labelWidth + gap, top, 0, 0);
    layout.grid.setRight(std::max(layout.grid.left(), inner.right()));
    layout.columnWidth = layout.grid.width() / DayCount;
    // Rows no taller than a few lines: a short day does not become a
    // column of slabs.
    layout.rowHeight = std::min(std::max(0.0, bottom - top) / layout.rows.size(), 3 * measure.lineHeight);
    layout.grid.setHeight(layout.rowHeight * layout.rows.size());
    // The legend stays right under the grid.
    const double rise = bottom - layout.grid.bottom();
    for (WeekHeatMapLayout::LegendEntry &entry : layout.legend) {
        entry.swatch.translate(0, -rise);
        entry.label.rect.translate(0, -rise);
    }

    for (int d = 0; d < DayCount; ++d) {
        // Centred over its column, a pixel narrower than the column at most.
        const QString name = ShiftWeek::dayName(d);
        const double width = std::max(0.0, std::min(measure.width(name), layout.columnWidth - unit));
        const double left = layout.grid.left() + d * layout.columnWidth + (layout.columnWidth - width) / 2;
        layout.dayLabels.push_back({QRectF(left, inner.top(), width, measure.lineHeight), name});
    }
    layOutTimeLabels(layout, plan.slotMinutes > 0 ? plan.slotMinutes : 60, measure, inner.left());
    layOutCells(layout, plan, measure, unit);
    return layout;
}
