// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "conversions.h"
#include "erlangcmodel.h"
#include "evaluation.h"
#include "texts.h"

#include <algorithm>

namespace {

const char *const agentsHeaders[ResultTable::ColumnCount] = {
    "Agents", "Srv Lvl", "Queued", "Abndon", "Usage", "Ave Ans", "Q Time", "Avg Q", "Trunks"};

// The goal fields' masks pad a short entry with blanks, after the digit in
// the seconds field: "5 " there is 5 seconds. Leading blanks the integer
// reader takes itself; the number of calls has no mask and no padding, so its
// trailing blanks stay refused.
QString withoutMaskPadding(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

AgentScenario::AgentScenario()
    : m_totalTime(QStringLiteral("09:00 hrs"))
    , m_model(std::make_shared<ErlangCModel>())
{
    for (int i = 0; i < FieldCount; ++i)
        m_texts[static_cast<std::size_t>(i)] = DefaultText(static_cast<Field>(i));
    PrepareGrid();
}

QString AgentScenario::text(Field field) const
{
    return m_texts[static_cast<std::size_t>(field)];
}

void AgentScenario::setText(Field field, const QString &text)
{
    const int limit = MaxLength(field);
    m_texts[static_cast<std::size_t>(field)] = limit > 0 ? text.left(limit) : text;
}

void AgentScenario::setRadioButtons(bool thirtyChecked, bool sixtyChecked)
{
    m_radio1 = thirtyChecked;
    m_radio2 = sixtyChecked && !thirtyChecked;
}

void AgentScenario::setSlotLength(bool thirtyChecked, bool sixtyChecked)
{
    setRadioButtons(thirtyChecked, sixtyChecked);
    HalfHourSlots = m_radio1;
}

bool AgentScenario::ValidateInputs()
{
    // FailingField names the field being read, so the first failure leaves it.
    FailingField = FailingInput::ofField(Field::MaskEdit1);
    const auto start = Calc::TimeTextToMinutes(text(Field::MaskEdit1));
    if (!start)
        return false;

    FailingField = FailingInput::ofField(Field::MaskEdit7);
    std::optional<int> end;
    if (text(Field::MaskEdit7) == Calc::EndOfDayText)
        end = Calc::MinutesPerDay;
    else
        end = Calc::TimeTextToMinutes(text(Field::MaskEdit7));
    if (!end)
        return false;

    if (ScheduleMode)
        PeriodMinutes = m_radio1 ? 30 : 60;
    else
        PeriodMinutes = *end - *start;
    if (PeriodMinutes < 0)
        PeriodMinutes += Calc::MinutesPerDay;
    if (!(PeriodMinutes > 0 && PeriodMinutes <= Calc::MinutesPerDay))
        return false;

    FailingField = FailingInput::ofField(Field::Edit1);
    const auto calls = Calc::ParseInteger(text(Field::Edit1));
    if (!calls || *calls < 1)
        return false;
    CallCount = *calls;

    FailingField = FailingInput::ofField(Field::MaskEdit2);
    const auto talk = Calc::TimeTextToMinutes(text(Field::MaskEdit2));
    if (!talk)
        return false;

    FailingField = FailingInput::ofField(Field::MaskEdit3);
    const auto wrap = Calc::TimeTextToMinutes(text(Field::MaskEdit3));
    if (!wrap)
        return false;
    HandleSeconds = *talk + *wrap;
    TalkSeconds = *talk;
    if (HandleSeconds < 1) {
        FailingField = FailingInput::ofField(Field::MaskEdit2);
        return false;
    }

    FailingField = FailingInput::ofField(Field::MaskEdit4);
    const auto abandon = Calc::TimeTextToMinutes(text(Field::MaskEdit4));
    if (!abandon)
        return false;
    AbandonWaitSeconds = *abandon;

    FailingField = FailingInput::ofField(Field::MaskEdit5);
    const auto goal = Calc::ParseInteger(withoutMaskPadding(text(Field::MaskEdit5)));
    if (!goal || *goal < 0)
        return false;
    GoalPercent = *goal;

    FailingField = FailingInput::ofField(Field::MaskEdit6);
    const auto goalSeconds = Calc::ParseInteger(withoutMaskPadding(text(Field::MaskEdit6)));
    if (!goalSeconds || *goalSeconds < 0)
        return false;
    GoalSeconds = *goalSeconds;

    // A load beyond the bound would take the queueing recursion too long: the
    // number of calls is refused as too large for its period.
    if (!ScheduleMode) {
        if (ComputeCallLoad(CallCount, PeriodMinutes, HandleSeconds).trafficLoad > MaxTrafficLoad) {
            FailingField = FailingInput::ofField(Field::Edit1);
            return false;
        }
    } else if (!checkSlotVolumes()) {
        return false;
    }

    FailingField = FailingInput();
    return true;
}

bool AgentScenario::checkSlotVolumes()
{
    // Every slot in use needs a volume of 0 or more whose load the
    // recursion can carry; a refused one names its Calls cell.
    const int count = timeSlots().count;
    for (int i = 1; i <= count; ++i) {
        const int volume = SlotCalls[static_cast<std::size_t>(i)];
        if (volume < 0 || ComputeCallLoad(volume, PeriodMinutes, HandleSeconds).trafficLoad > MaxTrafficLoad) {
            FailingField = FailingInput::ofGridRow(i);
            return false;
        }
    }
    return true;
}

void AgentScenario::setStaffingModel(std::shared_ptr<const StaffingModel> model)
{
    if (model)
        m_model = std::move(model);
}

int AgentScenario::addTableFilledListener(std::function<void()> listener)
{
    const int handle = m_nextListenerHandle++;
    m_tableFilledListeners.emplace_back(handle, std::move(listener));
    return handle;
}

void AgentScenario::removeTableFilledListener(int handle)
{
    auto &listeners = m_tableFilledListeners;
    listeners.erase(std::remove_if(listeners.begin(), listeners.end(),
                                   [handle](const auto &entry) { return entry.first == handle; }),
                    listeners.end());
}

void AgentScenario::tableFilled()
{
    // A copy: a listener may add or remove listeners.
    const auto listeners = m_tableFilledListeners;
    for (const auto &entry : listeners)
        entry.second();
}

void AgentScenario::PrepareGrid()
{
    m_rowValues.clear();
    if (m_tab == Tab::Agents)
        prepareAgentsLayout();
    else
        prepareScheduleLayout();
}

void AgentScenario::prepareAgentsLayout()
{
    m_grid.setRowCount(2);
    m_grid.setFixedColumns(0);
    m_grid.clearRow(1);
    for (int c = 0; c < ResultTable::ColumnCount; ++c)
        m_grid.setCell(c, 0, QString::fromLatin1(agentsHeaders[c]));
    m_goalRow = 0;
}

RecalcResult AgentScenario::Recalculate()
{
    RecalcResult result;
    result.ran = true;
    ++m_recalculations;
    if (!ValidateInputs()) {
        result.valid = false;
        result.failing = FailingField;
        if (onInvalidInput)
            onInvalidInput(result);
        PrepareGrid();
        return result;
    }
    PrepareGrid();
    if (ScheduleMode)
        ComputeSchedule();
    else
        FillAgentsTable();
    return result;
}

RecalcResult AgentScenario::Edit1Exit(bool modified)
{
    if (!modified)
        return {};
    DistributeCalls();
    const RecalcResult result = Recalculate();
    SlotCallsEdited = false;
    return result;
}

RecalcResult AgentScenario::MaskEdit1Exit(bool modified)
{
    if (!modified)
        return {};
    PrepareGrid();
    DistributeCalls();
    return Recalculate();
}

RecalcResult AgentScenario::MaskEdit7Exit(bool modified)
{
    return MaskEdit1Exit(modified);
}

RecalcResult AgentScenario::MaskEdit4Exit()
{
    return Recalculate();
}

RecalcResult AgentScenario::RadioButton1Click()
{
    const bool old = HalfHourSlots;
    HalfHourSlots = m_radio1;
    if (HalfHourSlots == old)
        return {};
    changeSlotLength(old);
    return Recalculate();
}

RecalcResult AgentScenario::TabSet1Click(Tab tab)
{
    m_tab = tab;
    ScheduleMode = tab == Tab::Schedule;
    return Recalculate();
}

RecalcResult AgentScenario::StringGrid1Click()
{
    if (!ScheduleMode)
        return {};
    if (m_grid.currentColumn() == ResultTable::CallsColumn)
        return Recalculate();
    m_grid.setCurrentCell(ResultTable::CallsColumn, m_grid.currentRow());
    return {};
}

void AgentScenario::StringGrid1Enter()
{
    if (ScheduleMode && m_grid.currentColumn() != ResultTable::CallsColumn)
        m_grid.setCurrentCell(ResultTable::CallsColumn, m_grid.currentRow());
}

RecalcResult AgentScenario::StringGrid1Exit()
{
    if (!ScheduleMode)
        return {};
    return Recalculate();
}

RecalcResult AgentScenario::StringGrid1KeyPress(QChar key)
{
    SlotCallsEdited = true;
    if (key == Calc::CarriageReturn)
        return Recalculate();
    return {};
}

void AgentScenario::StringGrid1SetEditText(int column, int row, const QString &text)
{
    if (!ScheduleMode || column < m_grid.fixedColumns() || row < 1 || row >= m_grid.rowCount())
        return;
    // The cell keeps the typed text; only a non-empty Calls text feeds the
    // slot's volume, 0 when it is not a whole number.
    m_grid.setCell(column, row, text);
    if (column == ResultTable::CallsColumn && !text.isEmpty())
        SlotCalls[static_cast<std::size_t>(row)] = Calc::ParseInteger(text).value_or(0);
}

bool AgentScenario::hasRoster() const
{
    for (const std::optional<int> &have : SlotHave) {
        if (have)
            return true;
    }
    return false;
}
