// SPDX-License-Identifier: MIT
#include "scenariofile.h"

#include "conversions.h"
#include "scenariolines.h"
#include "scenariooptionlines.h"

#include <QSaveFile>

QByteArray ScenarioFileBytes(const AgentScenario &scenario)
{
    const ScenarioInputs &inputs = scenario.inputs();
    // Line 11 names 30 or 60 minutes; 15-minute slots write "0" here and
    // say their length in an option line (ScenarioOptionLines).
    QStringList fixed(ScenarioLines::FixedLines);
    fixed[0] = QStringLiteral("vnk");
    for (const auto &[index, field] : ScenarioLines::FieldLines)
        fixed[index] = inputs.text(field);
    fixed[ScenarioLines::LayoutStartLine] = inputs.text(Field::MaskEdit1);
    fixed[ScenarioLines::SlotLengthLine] = slotLengthInfo(inputs.slotLength()).fileCode;
    QByteArray bytes;
    for (const QString &line : fixed)
        bytes += line.toLatin1() + "\r\n";
    if (inputs.SlotCallsEdited) {
        const int count = inputs.timeSlots().count;
        for (int slot = 1; slot <= count; ++slot)
            bytes += QByteArray::number(inputs.SlotCalls[static_cast<std::size_t>(slot)]) + "\r\n";
    }
    for (const QString &line : ScenarioOptionLines(scenario))
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

SaveResult SaveFileBytes(const QByteArray &bytes, const QString &path)
{
    SaveResult result;
    auto fail = [&](const QString &reason) {
        result.message = QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason);
        return result;
    };
    // QSaveFile writes a temporary file and renames it over the target only
    // on commit, so the file that was there survives any failure.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // The explicit flush matters: Qt 6.4's commit() ignores a flush that
    // wrote only part of the file (disk full, file size limit) and would
    // rename the cut temporary file over the target.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        if (file.error() == QFileDevice::NoError || reason == QLatin1String("Unknown error"))
            reason = QStringLiteral("The file could not be written in full.");
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    result.ok = true;
    return result;
}

SaveResult SaveScenario(const AgentScenario &scenario, const QString &path)
{
    // Loading needs the number of calls as a whole number: a file written
    // without one could never be loaded back, so it is not written at all.
    if (!Calc::ParseInteger(scenario.inputs().text(Field::Edit1))) {
        SaveResult result;
        result.message = QStringLiteral("File \"%1\" was not saved: the number of calls %2 is not a whole number, "
                                        "so the file could not be loaded again.")
                             .arg(path, ScenarioLines::Excerpt(scenario.inputs().text(Field::Edit1)));
        return result;
    }
    return SaveFileBytes(ScenarioFileBytes(scenario), path);
}
