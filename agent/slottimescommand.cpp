// SPDX-License-Identifier: MIT
#include "slottimescommand.h"

#include "dialogservice.h"
#include "handlerguard.h"
#include "intervalimport.h"
#include "resulttablemodel.h"
#include "slottimeentry.h"
#include "slotvolumepaste.h"
#include "tagentform.h"
#include "tlumstringgrid.h"

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

SlotTimesCommand::SlotTimesCommand(TAgentForm &form, DialogService &dialogs)
    : m_form(form)
    , m_dialogs(dialogs)
{
}

void SlotTimesCommand::importIntervals()
{
    QString chosen;
    RunHandler(m_dialogs, [&] {
        if (m_form.completePendingFieldExit())
            chosen = m_dialogs.chooseOpenFile(intervalDialogSetup());
    });
    if (!chosen.isEmpty())
        importIntervalFile(chosen);
}

void SlotTimesCommand::importIntervalFile(const QString &path)
{
    bool applied = false;
    RunHandler(m_dialogs, [&] {
        const QString name = QFileInfo(path).fileName();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_dialogs.error(QStringLiteral("Cannot open %1: %2").arg(name, file.errorString()));
            return;
        }
        const IntervalFile intervals = IntervalFile::fromBytes(file.read(IntervalFile::MaxTextLength + 1));
        if (const auto refusal = IntervalImport::check(intervals)) {
            m_dialogs.error(QStringLiteral("%1 was not imported: %2. Nothing was changed").arg(name, *refusal));
            return;
        }
        if (!m_dialogs.confirm(QStringLiteral("Import the intervals of %1?\n\n%2")
                                   .arg(name, IntervalImport::preview(intervals))))
            return;
        m_form.syncFieldsToModel();
        ScenarioInputs inputs = m_form.scenario().inputs();
        IntervalImport::apply(inputs, intervals);
        m_form.scenario().setInputs(std::move(inputs));
        m_form.refresh();
        applied = true;
    });
    if (!applied)
        return;
    // The Schedule shows what was read; on it already, it recalculates.
    if (m_form.scenario().tab() == Tab::Schedule) {
        RunHandler(m_dialogs, [this] {
            m_form.scenario().Recalculate();
            m_form.refresh();
        });
    } else {
        m_form.TabSet1Click(static_cast<int>(Tab::Schedule));
    }
}

void SlotTimesCommand::setSlotTimesColumns(bool shown)
{
    RunHandler(m_dialogs, [this, shown] {
        if (!m_form.completePendingFieldExit())
            return;
        m_form.syncFieldsToModel();
        AgentScenario &scenario = m_form.scenario();
        if (scenario.inputs().SlotTimesView == shown)
            return;
        scenario.setSlotTimesView(shown);
        if (scenario.tab() == Tab::Schedule) {
            scenario.Recalculate();
            m_form.refresh();
        }
    });
}

void SlotTimesCommand::slotTimeCellLeft(int column, int tableRow, const QString &text)
{
    RunHandler(m_dialogs, [&] {
        AgentScenario &scenario = m_form.scenario();
        m_form.syncFieldsToModel();
        const TLumStringGrid *grid = m_form.grid();
        if (grid->currentTableColumn() >= 0)
            scenario.StringGrid1().setCurrentCell(grid->currentTableColumn(), grid->currentTableRow());
        // The columns stay while the planner types into them.
        scenario.setSlotTimesView(true);
        if (const auto refusal = SlotTimeEntry::enter(scenario, column, tableRow, text)) {
            scenario.StringGrid1().setCell(column, tableRow, scenario.typedCellText(column, tableRow));
            m_form.tableModel()->cellChanged(column, tableRow);
            m_dialogs.error(*refusal);
            return;
        }
        m_form.refresh();
    });
}

void SlotTimesCommand::pasteSlotTimes(const QString &text)
{
    RunHandler(m_dialogs, [&] {
        if (!m_form.completePendingFieldExit())
            return;
        m_form.syncFieldsToModel();
        if (const auto refusal = SlotTimeEntry::paste(m_form.scenario(), text)) {
            m_dialogs.error(SlotVolumePaste::message(*refusal));
            return;
        }
        m_form.refresh();
    });
}
