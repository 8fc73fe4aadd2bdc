// SPDX-License-Identifier: MIT
#include "staffingmodelinfo.h"

#include "erlangamodel.h"
#include "erlangcmodel.h"

#include <QStringList>

const std::vector<StaffingModelInfo> &StaffingModelInfo::all()
{
    static const std::vector<StaffingModelInfo> models{
        {QueueModel::ErlangC, QStringLiteral("erlang-c"), QStringLiteral("Erlang C"),
         QStringLiteral("Erlang &C: callers wait until they are answered; abandonment is an estimate"),
         [] { return std::shared_ptr<const StaffingModel>(std::make_shared<ErlangCModel>()); }},
        {QueueModel::ErlangA, QStringLiteral("erlang-a"), QStringLiteral("Erlang A"),
         QStringLiteral("Erlang &A: callers hang up after waiting, on average, the \"Wait before abandon\" time"),
         [] { return std::shared_ptr<const StaffingModel>(std::make_shared<ErlangAModel>()); }},
    };
    return models;
}

const StaffingModelInfo &StaffingModelInfo::of(QueueModel model)
{
    for (const StaffingModelInfo &info : all()) {
        if (info.model == model)
            return info;
    }
    return all().front();
}

std::optional<QueueModel> StaffingModelInfo::ofKey(const QString &key)
{
    for (const StaffingModelInfo &info : all()) {
        if (info.key == key)
            return info.model;
    }
    return std::nullopt;
}

QString StaffingModelInfo::keysText(bool quoted)
{
    QStringList keys;
    for (const StaffingModelInfo &info : all())
        keys << (quoted ? QLatin1Char('"') + info.key + QLatin1Char('"') : info.key);
    const QString last = keys.takeLast();
    if (keys.isEmpty())
        return last;
    return keys.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}
