// SPDX-License-Identifier: MIT
#pragma once

#include "planningoptions.h"
#include "staffingmodel.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

// One staffing model as the program offers it. all() is the one list of the
// models: a new model adds its entry here and its own class files; files,
// varnook-calc, the planning options dialog, the planning line, the report
// and the recalculation read everything else from the entry.
struct StaffingModelInfo
{
    QueueModel model;
    // "erlang-c": the word in a scenario file's model line and for --model.
    QString key;
    // "Erlang C": the name in the window, the report and JSON-free texts.
    QString name;
    // The planning options dialog's choice, with its access key.
    QString dialogLabel;
    std::shared_ptr<const StaffingModel> (*make)();

    // Every model, the default (Erlang C) first.
    static const std::vector<StaffingModelInfo> &all();
    static const StaffingModelInfo &of(QueueModel model);
    // The model of a file or command-line word; none for another word.
    static std::optional<QueueModel> ofKey(const QString &key);
    // "erlang-c or erlang-a", as messages list the words (quoted: "\"erlang-c\"").
    static QString keysText(bool quoted);
};
