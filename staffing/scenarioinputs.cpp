// SPDX-License-Identifier: MIT
#include "scenarioinputs.h"

#include "erlangamodel.h"

#include "conversions.h"
#include "evaluation.h"
#include "resulttable.h"
#include "slotvolumes.h"
#include "texts.h"

#include <algorithm>

namespace {

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

ScenarioInputs::ScenarioInputs()
    : m_totalTime(QStringLiteral("09:00 hrs"))
{
    for (int i = 0; i < FieldCount; ++i)
        m_texts[static_cast<std::size_t>(i)] = DefaultText(static_cast<Field>(i));
}

QString ScenarioInputs::text(Field field) const
{
    return m_texts[static_cast<std::size_t>(field)];
}

void ScenarioInputs::setText(Field field, const QString &text)
{
    const int limit = MaxLength(field);
    m_texts[static_cast<std::size_t>(field)] = limit > 0 ? text.left(limit) : text;
}

std::optional<SlotLength> ScenarioInputs::checkedSlotButton() const
{
    if (!m_slotButtonChecked)
        return std::nullopt;
    return m_slotLength;
}

void ScenarioInputs::setSlotLength(SlotLength length, bool buttonChecked)
{
    m_slotLength = length;
    m_slotButtonChecked = buttonChecked;
}

TimeSlots ScenarioInputs::timeSlots() const
{
    return TimeSlots::of(text(Field::MaskEdit1), text(Field::MaskEdit7), m_slotLength);
}

TimeSlots ScenarioInputs::BuildTimeSlots()
{
    const TimeSlots slotList = timeSlots();
    setText(Field::MaskEdit1, slotList.startText());
    setText(Field::MaskEdit7, slotList.endText());
    m_totalTime = slotList.totalTimeText();
    return slotList;
}

void ScenarioInputs::updateTotalTime()
{
    if (ScheduleMode) {
        m_totalTime = timeSlots().totalTimeText();
        return;
    }
    // The Agents table works on the typed period.
    const int minutes = TimeSlots::periodMinutes(text(Field::MaskEdit1), text(Field::MaskEdit7));
    m_totalTime = TimeSlots::clockText(minutes / 60, minutes % 60);
}

QString ScenarioInputs::typedCellText(int column, int row) const
{
    const auto slot = static_cast<std::size_t>(std::clamp(row, 0, SlotCapacity));
    const std::optional<int> *value = nullptr;
    if (column == ResultTable::HaveColumn)
        value = &SlotHave[slot];
    else if (column == ResultTable::SlotTalkColumn)
        value = &SlotTalkSeconds[slot];
    else if (column == ResultTable::SlotWrapColumn)
        value = &SlotWrapSeconds[slot];
    if (!value || !*value)
        return QString();
    if (column == ResultTable::HaveColumn)
        return QString::number(**value);
    return Calc::DurationText(**value / 3600.0);
}

int ScenarioInputs::spreadCalls()
{
    int count = 0;
    if (ScheduleMode) {
        count = BuildTimeSlots().count;
    } else {
        const auto [start, end] = TimeSlots::readTimes(text(Field::MaskEdit1), text(Field::MaskEdit7));
        setText(Field::MaskEdit1, start);
        setText(Field::MaskEdit7, end);
        count = timeSlots().count;
        updateTotalTime();
    }
    const auto calls = Calc::ParseInteger(text(Field::Edit1));
    if (!calls)
        return 0;
    CallCount = *calls;
    const std::vector<int> volumes = SlotVolumes::spread(CallCount, count);
    for (int i = 1; i <= count; ++i)
        SlotCalls[static_cast<std::size_t>(i)] = volumes[static_cast<std::size_t>(i - 1)];
    return count;
}

bool ScenarioInputs::ValidateInputs()
{
    // FailingField names the field being read, so the first failure leaves it.
    if (!checkPeriod() || !checkCallsAndDurations() || !checkGoal() || !checkLoads())
        return false;
    FailingField = FailingInput();
    return true;
}

bool ScenarioInputs::checkPeriod()
{
    FailingField = FailingInput::ofField(Field::MaskEdit1);
    const auto start = Calc::ClockTextToMinutes(text(Field::MaskEdit1));
    if (!start)
        return false;

    FailingField = FailingInput::ofField(Field::MaskEdit7);
    std::optional<int> end;
    if (text(Field::MaskEdit7) == Calc::EndOfDayText)
        end = Calc::MinutesPerDay;
    else
        end = Calc::ClockTextToMinutes(text(Field::MaskEdit7));
    if (!end)
        return false;

    if (ScheduleMode)
        PeriodMinutes = minutesOf(m_slotLength);
    else
        PeriodMinutes = *end - *start;
    if (PeriodMinutes < 0)
        PeriodMinutes += Calc::MinutesPerDay;
    return PeriodMinutes > 0 && PeriodMinutes <= Calc::MinutesPerDay;
}

bool ScenarioInputs::checkCallsAndDurations()
{
    FailingField = FailingInput::ofField(Field::Edit1);
    const auto calls = Calc::ParseInteger(text(Field::Edit1));
    if (!calls || *calls < 1)
        return false;
    CallCount = *calls;

    FailingField = FailingInput::ofField(Field::MaskEdit2);
    const auto talk = Calc::DurationTextToSeconds(text(Field::MaskEdit2));
    if (!talk)
        return false;

    FailingField = FailingInput::ofField(Field::MaskEdit3);
    const auto wrap = Calc::DurationTextToSeconds(text(Field::MaskEdit3));
    if (!wrap)
        return false;
    HandleSeconds = *talk + *wrap;
    TalkSeconds = *talk;
    if (HandleSeconds < 1) {
        FailingField = FailingInput::ofField(Field::MaskEdit2);
        return false;
    }

    FailingField = FailingInput::ofField(Field::MaskEdit4);
    const auto abandon = Calc::DurationTextToSeconds(text(Field::MaskEdit4));
    if (!abandon)
        return false;
    AbandonWaitSeconds = *abandon;
    // Callers who hang up need a patience to hang up after.
    if (Planning.model == QueueModel::ErlangA && !ErlangAModel::acceptsPatience(AbandonWaitSeconds)) {
        FailingField = FailingField.withReason(
            QStringLiteral("With Erlang A callers hang up after the wait before abandon: it must be at least 00:01."));
        return false;
    }
    return true;
}

bool ScenarioInputs::checkGoal()
{
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
    return true;
}

bool ScenarioInputs::checkLoads()
{
    // A load beyond the bound would take the queueing recursion too long: the
    // number of calls is refused as too large for its period.
    if (ScheduleMode)
        return checkSlotVolumes();
    if (ComputeCallLoad(CallCount, PeriodMinutes, HandleSeconds).trafficLoad > MaxTrafficLoad) {
        FailingField = FailingInput::ofField(Field::Edit1);
        return false;
    }
    return true;
}

bool ScenarioInputs::checkSlotVolumes()
{
    // Every slot in use needs a volume of 0 or more whose load the
    // recursion can carry; a refused one names its Calls cell.
    // A slot whose own times add up to no handle time cannot take calls.
    const int count = timeSlots().count;
    for (int i = 1; i <= count; ++i) {
        const int volume = SlotCalls[static_cast<std::size_t>(i)];
        const double handle = slotServiceInputs(i).handleSeconds;
        if (volume < 0 || (volume > 0 && handle < 1)
            || ComputeCallLoad(volume, PeriodMinutes, handle).trafficLoad > MaxTrafficLoad) {
            FailingField = FailingInput::ofGridRow(i);
            return false;
        }
    }
    return true;
}

bool ScenarioInputs::hasRoster() const
{
    for (const std::optional<int> &have : SlotHave) {
        if (have)
            return true;
    }
    return false;
}

bool ScenarioInputs::hasSlotTimes() const
{
    for (std::size_t i = 0; i < SlotTalkSeconds.size(); ++i) {
        if (SlotTalkSeconds[i] || SlotWrapSeconds[i])
            return true;
    }
    return false;
}

ServiceInputs ScenarioInputs::slotServiceInputs(int slot) const
{
    ServiceInputs inputs = serviceInputs();
    if (slot < 1 || slot > SlotCapacity)
        return inputs;
    const auto index = static_cast<std::size_t>(slot);
    if (!SlotTalkSeconds[index] && !SlotWrapSeconds[index])
        return inputs;
    const double talk = SlotTalkSeconds[index] ? *SlotTalkSeconds[index] : TalkSeconds;
    const double wrap = SlotWrapSeconds[index] ? *SlotWrapSeconds[index] : HandleSeconds - TalkSeconds;
    inputs.talkSeconds = talk;
    inputs.handleSeconds = talk + wrap;
    return inputs;
}

GoalRule ScenarioInputs::goalRule() const
{
    GoalRule rule;
    rule.goalPercent = GoalPercent;
    rule.maxOccupancyPercent = Planning.maxOccupancyPercent;
    rule.maxAbandonPercent = Planning.maxAbandonPercent;
    return rule;
}
