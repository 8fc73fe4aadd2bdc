// SPDX-License-Identifier: MIT
#include "shiftplanchart.h"

#include "texts.h"

void BuildShiftPlanChart(ChartModel &model, const ShiftPlan &plan)
{
    model.series.clear();
    model.title = QStringLiteral("Required and staffed agents");
    model.view3D = false;
    model.bottomAxis.title = QStringLiteral("Time");
    model.leftAxis.title = QStringLiteral("Agents");
    model.leftAxis.headroom = 0.1;
    ChartSeries required{QStringLiteral("Required"), QStringLiteral("Agents required"), QString(),
                         ChartSeriesStyle::Bar, QColor(0x80, 0xa0, 0xd0), false, ChartVerticalAxis::Left, {}};
    ChartSeries staffed{QStringLiteral("Staffed"), QStringLiteral("Agents staffed"), QString(),
                        ChartSeriesStyle::Line, QColor(0xc0, 0x30, 0x30), false, ChartVerticalAxis::Left, {}};
    for (std::size_t i = 0; i < plan.coverage.size(); ++i) {
        const ShiftPlan::Slot &slot = plan.coverage[i];
        const auto x = static_cast<double>(i + 1);
        const QString label = Calc::ClockText(slot.start);
        required.points.push_back({x, static_cast<double>(slot.required), label, required.colour});
        staffed.points.push_back({x, static_cast<double>(slot.staffed), label, staffed.colour});
    }
    staffed.steps = true; // the agents staffed stay the same through a slot
    model.series = {required, staffed};
}
