// SPDX-License-Identifier: MIT
#include "slotvaluesundo.h"

SlotValuesUndo::Slots SlotValuesUndo::Slots::of(const ScenarioInputs &inputs)
{
    Slots values;
    values.callsText = inputs.text(Field::Edit1);
    values.startText = inputs.text(Field::MaskEdit1);
    values.endText = inputs.text(Field::MaskEdit7);
    values.length = inputs.slotLength();
    values.button = inputs.checkedSlotButton();
    values.calls = inputs.SlotCalls;
    values.have = inputs.SlotHave;
    values.talk = inputs.SlotTalkSeconds;
    values.wrap = inputs.SlotWrapSeconds;
    values.callsEdited = inputs.SlotCallsEdited;
    values.callCount = inputs.CallCount;
    return values;
}

void SlotValuesUndo::Slots::putInto(ScenarioInputs &inputs) const
{
    inputs.setText(Field::Edit1, callsText);
    inputs.setText(Field::MaskEdit1, startText);
    inputs.setText(Field::MaskEdit7, endText);
    inputs.setSlotLength(button.value_or(length), button.has_value());
    inputs.SlotCalls = calls;
    inputs.SlotHave = have;
    inputs.SlotTalkSeconds = talk;
    inputs.SlotWrapSeconds = wrap;
    inputs.SlotCallsEdited = callsEdited;
    inputs.CallCount = callCount;
    inputs.updateTotalTime();
}

bool SlotValuesUndo::Slots::sameValues(const Slots &other) const
{
    return length == other.length && calls == other.calls && have == other.have && talk == other.talk
        && wrap == other.wrap;
}

void SlotValuesUndo::record(const ScenarioInputs &before, const ScenarioInputs &after, const QString &note)
{
    Step step{Slots::of(before), Slots::of(after), note};
    if (step.before.sameValues(step.after))
        return;
    m_note = note;
    m_noteAt = step.after;
    m_steps.push_back(std::move(step));
    if (m_steps.size() > Levels)
        m_steps.erase(m_steps.begin());
}

std::optional<QString> SlotValuesUndo::undo(ScenarioInputs &inputs)
{
    if (m_steps.empty())
        return std::nullopt;
    const Step step = m_steps.back();
    m_steps.pop_back();
    step.before.putInto(inputs);
    m_note = QStringLiteral("Undone: %1").arg(step.note.section(QStringLiteral(". Undo"), 0, 0));
    if (canUndo())
        m_note += QStringLiteral(". Undo again: Ctrl+Z");
    m_noteAt = step.before;
    return step.note;
}

QString SlotValuesUndo::note(const ScenarioInputs &current) const
{
    return m_noteAt && m_noteAt->sameValues(Slots::of(current)) ? m_note : QString();
}
