// SPDX-License-Identifier: MIT
#include "weekresultview.h"

#include "shiftplantext.h"
#include "texttablemodel.h"
#include "weekcopy.h"
#include "weekheatmapwidget.h"
#include "weekplantext.h"
#include "weekwindowwidgets.h"

#include <QLabel>
#include <QMimeData>
#include <QSortFilterProxyModel>

WeekResultView::WeekResultView(QObject *parent)
    : QObject(parent)
    , m_agents(new TextTableModel(WeekPlanText::agentHeadings(), this))
    , m_agentSort(new QSortFilterProxyModel(this))
    , m_dayTotals(new TextTableModel(WeekPlanText::dayHeadings(), this))
    , m_tourTotals(new TextTableModel(WeekPlanText::tourHeadings(), this))
{
    m_agentSort->setSourceModel(m_agents);
    m_agentSort->setSortRole(TextTableModel::SortRole);
}

QAbstractItemModel *WeekResultView::agents() const
{
    return m_agentSort;
}

void WeekResultView::show(const WeekWindowWidgets &ui, const WeekPlan &plan, const std::optional<WeekPlan> &coverPlan,
                          const WeekScenario &week)
{
    m_plan = plan;
    m_coverPlan = coverPlan;
    m_week = week;
    QStringList compared;
    if (m_coverPlan) {
        for (const auto &[goal, figures] : WeekPlanText::comparisonLines(&*m_coverPlan, &plan))
            compared << goal + QStringLiteral(": ") + figures;
    }
    ui.comparison->setText(compared.join(QLatin1Char('\n')));
    ui.comparison->setVisible(m_coverPlan.has_value());
    ui.heatMap->setPlan(plan);
    std::vector<QStringList> agents;
    for (std::size_t i = 0; i < plan.agents.size(); ++i)
        agents.push_back(WeekPlanText::agentRow(static_cast<int>(i) + 1, plan.agents[i]));
    m_agents->setRows(std::move(agents));
    std::vector<QStringList> days;
    for (int day = 0; day < WeekScenario::DayCount; ++day)
        days.push_back(WeekPlanText::dayRow(plan, day, week.days.at(static_cast<std::size_t>(day)).date));
    m_dayTotals->setRows(std::move(days));
    std::vector<QStringList> tours;
    for (const WeekPlan::TourTotal &tour : plan.tours)
        tours.push_back(WeekPlanText::tourRow(tour));
    m_tourTotals->setRows(std::move(tours));
    QStringList lines;
    for (const auto &[caption, value] : WeekPlanText::totals(plan)) {
        if (caption != QLatin1String("Solver")) // the status line says it
            lines << caption + QStringLiteral(": ") + value;
    }
    QString totals = lines.join(QStringLiteral("   "));
    for (const QString &note : WeekPlanText::coverNotes(plan))
        totals += QLatin1Char('\n') + note;
    ui.totals->setText(totals);
    ui.status->setText(ShiftPlanText::solverStatus(plan.solver)
                       + QStringLiteral(" (%1 s).").arg(QString::number(plan.solver.seconds, 'f', 2)));
}

void WeekResultView::clear(const WeekWindowWidgets &ui)
{
    m_plan.reset();
    m_coverPlan.reset();
    m_week.reset();
    ui.comparison->hide();
    ui.heatMap->clear();
    m_agents->setRows({});
    m_dayTotals->setRows({});
    m_tourTotals->setRows({});
    ui.totals->clear();
}

QMimeData *WeekResultView::copyData() const
{
    return m_plan ? WeekCopy::week(*m_plan).mimeData() : nullptr;
}

WeekReport::Content WeekResultView::reportContent(const QString &caption, const QString &fileName) const
{
    WeekReport::Content content;
    content.caption = caption;
    content.fileName = fileName;
    if (m_plan)
        content.plan = *m_plan;
    for (int day = 0; m_week && day < WeekScenario::DayCount; ++day)
        content.dates.at(static_cast<std::size_t>(day)) = m_week->days.at(static_cast<std::size_t>(day)).date;
    return content;
}
