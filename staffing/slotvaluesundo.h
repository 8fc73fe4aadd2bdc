// SPDX-License-Identifier: MIT
#pragma once

#include "scenarioinputs.h"

#include <QString>

#include <optional>
#include <vector>

// What Edit > Undo takes back: the slot values (volumes, roster, own times,
// with the day and the slot length they lie on) as they were before a
// command replaced them: a spread of the number of calls over typed volumes,
// a change of the slot length, a paste, an interval import, a shift plan
// used as the roster. Keeps the last few such changes, newest last; typing
// a single cell is not one of them (the cell's editor has its own undo).
class SlotValuesUndo
{
public:
    // Changes kept; the oldest is forgotten beyond this many.
    static constexpr std::size_t Levels = 8;

    // Keeps the slot values `before` held when `after` holds others, with
    // the note that says what happened; changes nothing when they are the
    // same (a command that replaced nothing).
    void record(const ScenarioInputs &before, const ScenarioInputs &after, const QString &note);
    bool canUndo() const { return !m_steps.empty(); }
    // Puts the slot values of the last change kept back into `inputs` (the
    // other inputs stay as they are) and forgets that change. The note of
    // the change taken back; none when nothing is kept.
    std::optional<QString> undo(ScenarioInputs &inputs);
    // What the planning line says while `current` holds the slot values the
    // last change (or undo) left; empty once something else changed them.
    QString note(const ScenarioInputs &current) const;

private:
    struct Slots
    {
        QString callsText;
        QString startText;
        QString endText;
        SlotLength length = SlotLength::Hour;
        std::optional<SlotLength> button;
        std::array<int, ScenarioInputs::SlotCapacity + 1> calls{};
        std::array<std::optional<int>, ScenarioInputs::SlotCapacity + 1> have{};
        std::array<std::optional<int>, ScenarioInputs::SlotCapacity + 1> talk{};
        std::array<std::optional<int>, ScenarioInputs::SlotCapacity + 1> wrap{};
        bool callsEdited = false;
        double callCount = 0;

        static Slots of(const ScenarioInputs &inputs);
        void putInto(ScenarioInputs &inputs) const;
        // The same values on the same slots (texts aside: a recalculation
        // rewrites them).
        bool sameValues(const Slots &other) const;
    };
    struct Step
    {
        Slots before;
        Slots after;
        QString note;
    };

    std::vector<Step> m_steps;
    // What the planning line shows, and the values it stays shown with.
    QString m_note;
    std::optional<Slots> m_noteAt;
};
