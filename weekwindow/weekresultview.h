// SPDX-License-Identifier: MIT
#pragma once

#include "weekplan.h"
#include "weekreport.h"
#include "weekscenario.h"

#include <QObject>

#include <optional>

class QAbstractItemModel;
class QMimeData;
class QSortFilterProxyModel;
class TextTableModel;
struct WeekWindowWidgets;

// The plan a week window shows: the chosen goal's plan, the cover plan it
// is compared with under the service-level goal, the week they were made
// for, and what the result tabs show of them (the heat map, the agents'
// weeks, the totals), all in the words of WeekPlanText.
class WeekResultView : public QObject
{
    Q_OBJECT
public:
    explicit WeekResultView(QObject *parent = nullptr);

    // The agents' weeks sortable by any column (TextTableModel::SortRole).
    QAbstractItemModel *agents() const;
    TextTableModel *agentTexts() const { return m_agents; }
    TextTableModel *dayTotals() const { return m_dayTotals; }
    TextTableModel *tourTotals() const { return m_tourTotals; }

    void show(const WeekWindowWidgets &ui, const WeekPlan &plan, const std::optional<WeekPlan> &coverPlan,
              const WeekScenario &week);
    void clear(const WeekWindowWidgets &ui);

    const std::optional<WeekPlan> &plan() const { return m_plan; }
    const std::optional<WeekScenario> &week() const { return m_week; }
    // The clipboard's copy of the plan (WeekCopy); none without one. The
    // caller owns it.
    QMimeData *copyData() const;
    // The printed report of the plan under the window's caption and file.
    WeekReport::Content reportContent(const QString &caption, const QString &fileName) const;

private:
    TextTableModel *m_agents;
    QSortFilterProxyModel *m_agentSort;
    TextTableModel *m_dayTotals;
    TextTableModel *m_tourTotals;
    std::optional<WeekPlan> m_plan;
    std::optional<WeekPlan> m_coverPlan;
    std::optional<WeekScenario> m_week;
};
