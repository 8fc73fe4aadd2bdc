// SPDX-License-Identifier: MIT
#include "slottimescommand.h"

#include "agentcommandhost.h"
#include "dialogservice.h"
#include "handlerguard.h"
#include "intervaldays.h"
#include "intervalimport.h"
#include "slottimeentry.h"
#include "slotvolumepaste.h"

#include <QFile>
#include <QFileInfo>

namespace {

FileDialogSetup intervalDialogSetup()
{
    FileDialogSetup setup;
    setup.filters = QStringList{QStringLiteral("Interval files (*.csv *.tsv *.txt)"), QStringLiteral("All files (*)")};
    return setup;
}

} // namespace

SlotTimesCommand::SlotTimesCommand(AgentCommandHost &host)
    : m_host(host)
{
}

void SlotTimesCommand::importIntervals()
{
    QString chosen;
    RunHandler(m_host.dialogs(), [&] {
        if (m_host.completePendingFieldExit())
            chosen = m_host.dialogs().chooseOpenFile(intervalDialogSetup());
    });
    if (!chosen.isEmpty())
        importIntervalFile(chosen);
}

bool SlotTimesCommand::openedAsWeek(const QString &path, const QByteArray &bytes)
{
    if (!m_weekOpener || bytes.size() > IntervalDays::MaxTextLength)
        return false;
    const IntervalDays days = IntervalDays::fromBytes(bytes);
    if (!days.accepted() || days.days().size() < 2)
        return false;
    const QString question = QStringLiteral("%1 holds %2 days. Open them as a week in a new week window?")
                                 .arg(QFileInfo(path).fileName())
                                 .arg(days.days().size());
    if (!m_host.dialogs().confirm(question))
        return false;
    m_weekOpener(path);
    return true;
}

void SlotTimesCommand::importIntervalFile(const QString &path)
{
    DialogService &dialogs = m_host.dialogs();
    bool applied = false;
    RunHandler(dialogs, [&] {
        const QString name = QFileInfo(path).fileName();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            dialogs.error(QStringLiteral("Cannot open %1: %2").arg(name, file.errorString()));
            return;
        }
        const QByteArray bytes = file.read(IntervalFile::MaxTextLength + 1);
        if (openedAsWeek(path, bytes))
            return;
        IntervalFile intervals = IntervalFile::fromBytes(bytes);
        if (const auto refusal = IntervalImport::check(intervals)) {
            dialogs.error(QStringLiteral("%1 was not imported: %2. Nothing was changed").arg(name, *refusal));
            return;
        }
        const QString question =
            QStringLiteral("Import the intervals of %1?\n\n%2").arg(name, IntervalImport::preview(intervals));
        // Where other slot lengths fit the rows as well, the planner picks
        // one; the file's own comes first.
        std::vector<int> lengths{intervals.slotMinutes()};
        for (int minutes : intervals.otherSlotMinutes())
            lengths.push_back(minutes);
        QStringList choices;
        for (int minutes : lengths)
            choices << QStringLiteral("Import as &%1-minute slots").arg(minutes);
        const std::optional<int> chosen =
            lengths.size() > 1 ? dialogs.chooseAmong(question, choices)
                               : (dialogs.confirm(question) ? std::optional<int>(0) : std::nullopt);
        if (!chosen)
            return;
        if (*chosen > 0)
            intervals = IntervalFile::fromBytes(bytes, lengths[static_cast<std::size_t>(*chosen)]);
        m_host.runCommand([&] {
            const ScenarioInputs before = m_host.scenario().inputs();
            ScenarioInputs inputs = before;
            int dropped = 0;
            IntervalImport::apply(inputs, intervals, &dropped);
            QString roster;
            if (dropped > 0)
                roster = QStringLiteral("; %1 roster value%2 outside %3-%4 dropped")
                             .arg(dropped)
                             .arg(dropped == 1 ? QString() : QStringLiteral("s"))
                             .arg(intervals.startText(), intervals.endText());
            else if (before.hasRoster())
                roster = QStringLiteral("; the roster moved with its slots by clock time");
            m_host.scenario().undo().record(
                before, inputs,
                QStringLiteral("Intervals of %1 imported: the slots' volumes and times were replaced%2. Undo: Ctrl+Z")
                    .arg(name, roster));
            m_host.scenario().setInputs(std::move(inputs));
            applied = true;
            return true;
        });
    });
    if (!applied)
        return;
    // The Schedule shows what was read; on it already, it recalculates.
    if (m_host.scenario().tab() == Tab::Schedule) {
        m_host.runCommand([this] {
            m_host.scenario().Recalculate();
            return true;
        });
    } else {
        m_host.showTab(Tab::Schedule);
    }
}

void SlotTimesCommand::setSlotTimesColumns(bool shown)
{
    m_host.runCommand([this, shown] {
        AgentScenario &scenario = m_host.scenario();
        if (scenario.inputs().SlotTimesView == shown)
            return false;
        scenario.setSlotTimesView(shown);
        if (scenario.tab() != Tab::Schedule)
            return false;
        scenario.Recalculate();
        return true;
    });
}

void SlotTimesCommand::slotTimeCellLeft(int column, int tableRow, const QString &text)
{
    RunHandler(m_host.dialogs(), [&] {
        AgentScenario &scenario = m_host.scenario();
        m_host.syncFieldsToModel();
        m_host.takeGridsCurrentCell();
        // The columns stay while the planner types into them.
        scenario.setSlotTimesView(true);
        if (const auto refusal = SlotTimeEntry::enter(scenario, column, tableRow, text)) {
            scenario.StringGrid1().setCell(column, tableRow, scenario.inputs().typedCellText(column, tableRow));
            m_host.showCell(column, tableRow);
            m_host.dialogs().error(*refusal);
            return;
        }
        m_host.refresh();
    });
}

void SlotTimesCommand::pasteSlotTimes(const QString &text)
{
    m_host.runCommand([&] {
        if (const auto refusal = SlotTimeEntry::paste(m_host.scenario(), text)) {
            m_host.dialogs().error(SlotVolumePaste::message(*refusal));
            return false;
        }
        return true;
    });
}
