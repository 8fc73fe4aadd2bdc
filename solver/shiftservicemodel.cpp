// SPDX-License-Identifier: MIT
#include "shiftservicemodel.h"

#include "serviceday.h"
#include "shiftcovermodel.h"
#include "shiftday.h"
#include "shiftvariant.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace {

struct SlotColumns
{
    std::vector<int> steps;          // the added agents' columns, in order
    std::vector<double> weights;     // their rise of the day's service level
    std::vector<int> widths;         // answering agents each takes
};

// The columns of one slot's curve and the rows that keep its binaries in
// order and its continuous columns behind them. `held`: the lowest level is
// a bound on the slot's agents; otherwise it is a first binary step.
SlotColumns AddSteps(MipModel &model, const std::string &slot, const ServiceCurve &curve, double share, bool held)
{
    SlotColumns columns;
    const int concave = curve.concaveFrom();
    if (!held) {
        columns.steps.push_back(model.addColumn({"lowest_" + slot, 0, 1, true}));
        columns.weights.push_back(share * curve.levels.front());
        columns.widths.push_back(curve.lowest);
    }
    for (std::size_t k = 1; k < curve.levels.size(); ++k) {
        const bool binary = static_cast<int>(k) < concave;
        columns.steps.push_back(model.addColumn({"sl_" + slot + "_" + std::to_string(k), 0, 1, binary}));
        columns.weights.push_back(share * (curve.levels[k] - curve.levels[k - 1]));
        columns.widths.push_back(1);
    }
    const std::size_t binaries = static_cast<std::size_t>(concave - 1) + (held ? 0 : 1);
    for (std::size_t k = 1; k < binaries; ++k)
        model.rows.push_back({"order_" + slot + "_" + std::to_string(k),
                              {{columns.steps[k], 1.0}, {columns.steps[k - 1], -1.0}}, -MipModel::Infinity, 0});
    if (binaries > 0 && binaries < columns.steps.size()) {
        const auto tail = static_cast<double>(columns.steps.size() - binaries);
        MipModel::Row row{"after_" + slot, {{columns.steps[binaries - 1], -tail}}, -MipModel::Infinity, 0};
        for (std::size_t k = binaries; k < columns.steps.size(); ++k)
            row.terms.emplace_back(columns.steps[k], 1.0);
        model.rows.push_back(std::move(row));
    }
    return columns;
}

// The upper hull of the points (staffed, answering) from `first` staffed
// agents to the fewest who give `highest` answering: as rows over the
// staffed agents' terms and the answering column, each hull side as
// (n2 - n1) answering - (a2 - a1) staffed <= a1 (n2 - n1) - (a2 - a1) n1.
// They hold for every plan (beyond the last point the answering agents are
// capped at `highest`), and give the solver's relaxation the rounding down
// it otherwise learns only by branching.
void AddHullRows(MipModel &model, const std::string &slot, const MipModel::Row &staffed, int answering,
                 const ServiceDay &service, int first, int highest)
{
    std::vector<std::pair<long long, long long>> hull;
    for (int n = first;; ++n) {
        const std::pair<long long, long long> point{n, service.answering(n)};
        // Pops the last vertex while it lies on or below the line from the
        // one before it to the new point.
        while (hull.size() >= 2) {
            const auto &[n1, a1] = hull[hull.size() - 2];
            const auto &[n2, a2] = hull.back();
            if ((a2 - a1) * (point.first - n1) > (point.second - a1) * (n2 - n1))
                break;
            hull.pop_back();
        }
        hull.push_back(point);
        if (point.second >= highest)
            break;
    }
    for (std::size_t j = 1; j < hull.size(); ++j) {
        const auto [n1, a1] = hull[j - 1];
        const auto [n2, a2] = hull[j];
        MipModel::Row row{"hull_" + slot + "_" + std::to_string(j), {}, -MipModel::Infinity,
                          static_cast<double>(a1 * (n2 - n1) - (a2 - a1) * n1)};
        for (const auto &term : staffed.terms)
            if (term.first != answering)
                row.terms.emplace_back(term.first, -static_cast<double>(a2 - a1));
        row.terms.emplace_back(answering, static_cast<double>(n2 - n1));
        model.rows.push_back(std::move(row));
    }
}

// The cost of one answering agent short of a slot floor where the floors
// are a first aim: the day's service level, which the other columns weigh,
// lies within 0..1.
constexpr double FloorShortCost = 2;

// The slot floor's row over the slot's answering agents. `soft`: a
// shortfall column makes up what they lack, at FloorShortCost an agent.
void AddFloorRow(MipModel &model, const std::string &slot, std::vector<std::pair<int, double>> answering, int floor,
                 bool soft)
{
    MipModel::Row row{"slotfloor_" + slot, std::move(answering), static_cast<double>(floor), MipModel::Infinity};
    if (soft)
        row.terms.emplace_back(
            model.addColumn({"floorshort_" + slot, FloorShortCost, static_cast<double>(floor), false}), 1.0);
    model.rows.push_back(std::move(row));
}

} // namespace

MipModel::Row ShiftServiceModel::addDay(MipModel &model, const ShiftDay &day, const std::vector<ShiftVariant> &variants,
                                        int firstColumn, const ServiceDay &service, Goal goal, double target,
                                        const Held &held, const std::string &prefix)
{
    const std::vector<bool> reachable = ShiftVariant::reachableSlots(day, variants);
    const double calls = service.calls();
    const int divisor = std::gcd(service.answeringShare.share, AnsweringShare::Unit);
    MipModel::Row dayRow{"service", {}, goal == Goal::PaidHours ? target + TargetMargin : -MipModel::Infinity,
                         MipModel::Infinity};
    for (int s = 0; s < day.slotCount() && calls > 0; ++s) {
        const ServiceCurve &curve = service.curves[static_cast<std::size_t>(s)];
        if (curve.calls <= 0 || curve.levels.empty() || !reachable[static_cast<std::size_t>(s)])
            continue;
        const std::string slot = prefix + ShiftCoverModel::slotName(day, s);
        const double share = curve.calls / calls;
        const auto index = static_cast<std::size_t>(s);
        const bool lowestHeld = goal == Goal::PaidHours && held.lowest[index];
        MipModel::Row level{"level_" + slot, {}, lowestHeld ? static_cast<double>(curve.lowest) : 0.0,
                            MipModel::Infinity};
        MipModel::Row staffed{"floor_" + slot, {}, 0, MipModel::Infinity};
        const bool shrinkage = service.answeringShare.share != AnsweringShare::Unit;
        for (std::size_t i = 0; i < variants.size(); ++i)
            if (variants[i].works(s))
                (shrinkage ? staffed : level).terms.emplace_back(firstColumn + static_cast<int>(i), shrinkage ? service.answeringShare.share / divisor : 1.0);
        if (shrinkage) {
            // answering x unit <= staffed x share: the share rounded down. A
            // floor may ask for more agents than the curve's levels run to.
            const int top = std::max(curve.highest(), curve.floor);
            const int answering = model.addColumn({"answer_" + slot, 0, static_cast<double>(top), true});
            staffed.terms.emplace_back(answering, -static_cast<double>(AnsweringShare::Unit / divisor));
            level.terms.emplace_back(answering, 1.0);
            int first = 0;
            while (lowestHeld && service.answering(first) < curve.lowest)
                ++first;
            AddHullRows(model, slot, staffed, answering, service, first, top);
            model.rows.push_back(std::move(staffed));
        }
        // The answering agents: the staffed ones, or their column under a
        // shrinkage (the level row's terms before the steps).
        const std::vector<std::pair<int, double>> answering = level.terms;
        const bool soft = goal == Goal::ServiceLevel;
        if (curve.floor > 0 && (soft || (held.floor[index] && !(lowestHeld && curve.floor <= curve.lowest))))
            AddFloorRow(model, slot, answering, curve.floor, soft);
        if (lowestHeld)
            dayRow.lower -= share * curve.levels.front();
        const SlotColumns columns = AddSteps(model, slot, curve, share, lowestHeld);
        for (std::size_t k = 0; k < columns.steps.size(); ++k) {
            level.terms.emplace_back(columns.steps[k], -static_cast<double>(columns.widths[k]));
            dayRow.terms.emplace_back(columns.steps[k], columns.weights[k]);
        }
        model.rows.push_back(std::move(level));
    }
    return dayRow;
}

MipModel ShiftServiceModel::build(const ShiftDay &day, const std::vector<ShiftType> &types,
                                  const std::vector<ShiftVariant> &variants, const ServiceDay &service, Goal goal,
                                  double target, const Held &held)
{
    MipModel model;
    model.comments.push_back(goal == Goal::ServiceLevel
                                 ? "Varnook shift plan: the highest day's service level"
                                 : "Varnook shift plan: the fewest paid agent-hours for the day's service level");
    ShiftCoverModel::addShiftColumns(model, day, types, variants, goal == Goal::PaidHours);
    MipModel::Row dayRow = addDay(model, day, variants, 0, service, goal, target, held, {});
    if (goal == Goal::PaidHours) {
        model.rows.push_back(std::move(dayRow));
    } else {
        for (const auto &[column, weight] : dayRow.terms)
            model.columns[static_cast<std::size_t>(column)].cost = -weight;
    }
    ShiftCoverModel::addMaximumRows(model, types, variants);
    return model;
}
