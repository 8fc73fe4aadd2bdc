// SPDX-License-Identifier: MIT
#pragma once

#include "dialogservice.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

// Answers the program's questions from the test's script and records every
// box it was asked to show, with the widget that had the focus at that moment.
class FakeDialogService : public DialogService
{
public:
    struct Shown
    {
        QString kind; // "confirm", "warning", "inform", "error", "print", "errorDialog", "saveChanges", "planning", "choose"
        QString text;
        QPointer<QWidget> focus;
    };

    bool confirm(const QString &text) override
    {
        record(QStringLiteral("confirm"), text);
        return confirmAnswer;
    }
    bool warnYesNo(const QString &text) override
    {
        record(QStringLiteral("warning"), text);
        return warningAnswer;
    }
    void inform(const QString &text) override { record(QStringLiteral("inform"), text); }
    void showErrorBox(const QString &text) override { record(QStringLiteral("error"), text); }
    QString chooseOpenFile(const FileDialogSetup &setup) override
    {
        openSetups.append(setup);
        return openAnswer;
    }
    QString chooseSaveFile(const FileDialogSetup &setup) override
    {
        saveSetups.append(setup);
        return saveAnswer;
    }

    // The print dialog: records the printer it was given, lets the test's
    // script set it up (an output file), and answers printerAnswer.
    bool choosePrinter(QPrinter &printer) override
    {
        record(QStringLiteral("print"), QString());
        if (printerAnswer && setUpPrinter)
            setUpPrinter(printer);
        return printerAnswer;
    }
    void showErrorDialog(const QString &text) override { record(QStringLiteral("errorDialog"), text); }
    SaveChoice askSaveChanges(const QString &text) override
    {
        record(QStringLiteral("saveChanges"), text);
        return saveChangesAnswer;
    }

    // The planning options dialog: records the options and caption it was
    // given and answers planningAnswer (none: Cancel).
    std::optional<PlanningOptions> editPlanningOptions(const PlanningOptions &current,
                                                       const QString &windowCaption) override
    {
        record(QStringLiteral("planning"), windowCaption);
        planningShown.append(current);
        return planningAnswer;
    }

    // The shift types dialog: records the types it was given and answers
    // shiftTypesAnswer with slotFloorAnswer (none: Cancel).
    std::optional<ShiftTypesEdit> editShiftTypes(const ShiftTypesEdit &current, const ShiftDay &,
                                                 const QString &windowCaption) override
    {
        record(QStringLiteral("shiftTypes"), windowCaption);
        shiftTypesShown.push_back(current.types);
        if (!shiftTypesAnswer)
            return std::nullopt;
        return ShiftTypesEdit{*shiftTypesAnswer, slotFloorAnswer};
    }
    // A choice among buttons: records the text and answers chooseAnswer
    // (none: Cancel).
    std::optional<int> chooseAmong(const QString &text, const QStringList &) override
    {
        record(QStringLiteral("choose"), text);
        return chooseAnswer;
    }
    std::optional<int> chooseAnswer = 0;
    std::vector<std::vector<ShiftType>> shiftTypesShown;
    std::optional<std::vector<ShiftType>> shiftTypesAnswer;
    SlotFloor slotFloorAnswer;

    QStringList texts(const QString &kind) const
    {
        QStringList result;
        for (const Shown &s : shown) {
            if (s.kind == kind)
                result << s.text;
        }
        return result;
    }
    void clear()
    {
        shown.clear();
        openSetups.clear();
        saveSetups.clear();
    }

    bool confirmAnswer = true;
    bool warningAnswer = true;
    QString openAnswer;
    QString saveAnswer;
    bool printerAnswer = false;
    SaveChoice saveChangesAnswer = SaveChoice::Discard;
    std::function<void(QPrinter &)> setUpPrinter;
    std::optional<PlanningOptions> planningAnswer;
    QList<PlanningOptions> planningShown;
    QList<Shown> shown;
    QList<FileDialogSetup> openSetups;
    QList<FileDialogSetup> saveSetups;
    std::function<void()> onShown;

private:
    void record(const QString &kind, const QString &text)
    {
        shown.append({kind, text, QApplication::focusWidget()});
        if (onShown)
            onShown();
    }
};
