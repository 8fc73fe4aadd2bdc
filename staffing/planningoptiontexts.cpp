// SPDX-License-Identifier: MIT
#include "planningoptiontexts.h"

#include "planningoptioninfo.h"
#include "staffingmodelinfo.h"

QString PlanningOptionDescription(PlanningOption option)
{
    return PlanningOptionInfo::of(option).description;
}

PlanningOptionTexts PlanningOptionTexts::of(const PlanningOptions &options)
{
    PlanningOptionTexts texts;
    texts.model = options.model;
    if (options.hasShrinkage())
        texts.shrinkage = PercentOptionText(options.shrinkagePercent);
    if (options.maxOccupancyPercent)
        texts.maxOccupancy = PercentOptionText(*options.maxOccupancyPercent);
    if (options.maxAbandonPercent)
        texts.maxAbandon = PercentOptionText(*options.maxAbandonPercent);
    texts.paidHours = PaidHoursText(options.paidMinutes);
    return texts;
}

PlanningOptionsCheck CheckPlanningOptions(const PlanningOptionTexts &texts)
{
    PlanningOptionsCheck check;
    auto refuse = [&check](PlanningOption option) {
        check.failing = option;
        check.requirement = PlanningOptionInfo::of(option).requirement;
        return check;
    };
    auto percent = [](PlanningOption option, const QString &text) {
        const PlanningOptionInfo &info = PlanningOptionInfo::of(option);
        return ParsePercentOption(text, info.minimum, info.maximum);
    };
    PlanningOptions options;
    options.model = texts.model;
    if (!texts.shrinkage.trimmed().isEmpty()) {
        const auto shrinkage = percent(PlanningOption::Shrinkage, texts.shrinkage);
        if (!shrinkage)
            return refuse(PlanningOption::Shrinkage);
        options.shrinkagePercent = *shrinkage;
    }
    if (!texts.maxOccupancy.trimmed().isEmpty()) {
        options.maxOccupancyPercent = percent(PlanningOption::MaxOccupancy, texts.maxOccupancy);
        if (!options.maxOccupancyPercent)
            return refuse(PlanningOption::MaxOccupancy);
    }
    if (!texts.maxAbandon.trimmed().isEmpty()) {
        options.maxAbandonPercent = percent(PlanningOption::MaxAbandon, texts.maxAbandon);
        if (!options.maxAbandonPercent)
            return refuse(PlanningOption::MaxAbandon);
    }
    if (!texts.paidHours.trimmed().isEmpty()) {
        const auto minutes = ParsePaidHours(texts.paidHours);
        if (!minutes)
            return refuse(PlanningOption::PaidHours);
        options.paidMinutes = *minutes;
    }
    check.options = options;
    return check;
}

std::vector<ShownPlanningOption> ShownPlanningOptions(const PlanningOptions &options)
{
    std::vector<ShownPlanningOption> shown;
    auto show = [&shown](PlanningOption option, const QString &value) {
        shown.push_back({option, PlanningOptionInfo::of(option).caption, value});
    };
    const QString percent = QStringLiteral("%1%");
    if (options.model != QueueModel::ErlangC)
        show(PlanningOption::Model, StaffingModelInfo::of(options.model).name);
    if (options.hasShrinkage())
        show(PlanningOption::Shrinkage, percent.arg(PercentOptionText(options.shrinkagePercent)));
    if (options.maxOccupancyPercent)
        show(PlanningOption::MaxOccupancy, percent.arg(PercentOptionText(*options.maxOccupancyPercent)));
    if (options.maxAbandonPercent)
        show(PlanningOption::MaxAbandon, percent.arg(PercentOptionText(*options.maxAbandonPercent)));
    if (options.paidMinutes != PlanningOptions::DefaultPaidMinutes)
        show(PlanningOption::PaidHours, PaidHoursText(options.paidMinutes));
    return shown;
}
