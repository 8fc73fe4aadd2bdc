// SPDX-License-Identifier: MIT
#include "shiftcovermodel.h"

#include "shiftday.h"
#include "shifttype.h"
#include "shiftvariant.h"
#include "texts.h"

namespace {

std::string VariantName(const ShiftDay &day, const ShiftVariant &v)
{
    std::string name = "t" + std::to_string(v.type + 1) + "_" + ShiftCoverModel::slotName(day, v.startSlot);
    if (v.breakSlot >= 0)
        name += "_b" + ShiftCoverModel::slotName(day, v.breakSlot);
    return name;
}

} // namespace

std::string ShiftCoverModel::slotName(const ShiftDay &day, int slot)
{
    return Calc::ClockText(day.minuteOfDayAt(slot * day.slotMinutes)).remove(QLatin1Char(':')).toStdString();
}

void ShiftCoverModel::addShiftColumns(MipModel &model, const ShiftDay &day, const std::vector<ShiftType> &types,
                                      const std::vector<ShiftVariant> &variants, bool paidHoursCost)
{
    for (std::size_t t = 0; t < types.size(); ++t)
        model.comments.push_back("t" + std::to_string(t + 1) + " = " + types[t].name.simplified().toStdString());
    for (const ShiftVariant &v : variants) {
        MipModel::Column column{VariantName(day, v), paidHoursCost ? v.paidMinutes / 60.0 : 0.0, MipModel::Infinity, true};
        if (types[static_cast<std::size_t>(v.type)].maxAgents)
            column.upper = *types[static_cast<std::size_t>(v.type)].maxAgents;
        model.addColumn(column);
    }
}

void ShiftCoverModel::addMaximumRows(MipModel &model, const std::vector<ShiftType> &types,
                                     const std::vector<ShiftVariant> &variants)
{
    for (std::size_t t = 0; t < types.size(); ++t) {
        if (!types[t].maxAgents)
            continue;
        MipModel::Row row{"max_t" + std::to_string(t + 1), {}, -MipModel::Infinity,
                          static_cast<double>(*types[t].maxAgents)};
        for (std::size_t i = 0; i < variants.size(); ++i)
            if (variants[i].type == static_cast<int>(t))
                row.terms.emplace_back(static_cast<int>(i), 1.0);
        model.rows.push_back(std::move(row));
    }
}

MipModel ShiftCoverModel::build(const ShiftDay &day, const std::vector<ShiftType> &types,
                                const std::vector<ShiftVariant> &variants, Goal goal, int shortfallCap)
{
    MipModel model;
    model.comments.push_back(goal == Goal::Shortfall ? "Varnook shift plan: the smallest shortfall in agent-slots"
                                                     : "Varnook shift plan: the fewest paid agent-hours");
    addShiftColumns(model, day, types, variants, goal != Goal::Shortfall);

    const std::vector<bool> reachable = ShiftVariant::reachableSlots(day, variants);
    MipModel::Row shortfallRow{"shortfall", {}, -MipModel::Infinity, static_cast<double>(shortfallCap)};
    for (int s = 0; s < day.slotCount(); ++s) {
        const int required = day.requirement[static_cast<std::size_t>(s)];
        if (required <= 0 || !reachable[static_cast<std::size_t>(s)])
            continue;
        MipModel::Row row{"cover_" + slotName(day, s), {}, static_cast<double>(required), MipModel::Infinity};
        for (std::size_t i = 0; i < variants.size(); ++i)
            if (variants[i].works(s))
                row.terms.emplace_back(static_cast<int>(i), 1.0);
        if (goal != Goal::PaidHours) {
            // Continuous: at the optimum it equals a whole number of agents.
            const int slack = model.addColumn({"short_" + slotName(day, s), goal == Goal::Shortfall ? 1.0 : 0.0,
                                               static_cast<double>(required), false});
            row.terms.emplace_back(slack, 1.0);
            shortfallRow.terms.emplace_back(slack, 1.0);
        }
        model.rows.push_back(std::move(row));
    }
    if (goal == Goal::PaidHoursWithShortfall && !shortfallRow.terms.empty())
        model.rows.push_back(std::move(shortfallRow));
    addMaximumRows(model, types, variants);
    return model;
}
