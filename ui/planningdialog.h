// SPDX-License-Identifier: MIT
#pragma once

#include "planningoptions.h"

#include <QDialog>

#include <optional>

class DialogService;
class QLabel;
class QLineEdit;
class QRadioButton;

// The planning options of one agent window: the queueing model, shrinkage,
// the occupancy cap, the abandonment goal and the paid hours per agent. OK
// checks the typed options: a refused one gets the program's invalid-input
// message, the cursor goes to its field and the dialog stays open; Cancel
// and Escape change nothing. The options OK accepted are read with options().
class PlanningDialog : public QDialog
{
    Q_OBJECT
public:
    // `windowCaption`: the caption of the agent window the options are for.
    PlanningDialog(const PlanningOptions &current, const QString &windowCaption, DialogService &dialogs,
                   QWidget *parent = nullptr);

    // The options as typed: the dialog's fields.
    PlanningOptionTexts texts() const;
    void setTexts(const PlanningOptionTexts &texts);
    // The options OK accepted; none before that.
    const std::optional<PlanningOptions> &options() const { return m_accepted; }

    QRadioButton *erlangCButton() const { return m_erlangC; }
    QRadioButton *erlangAButton() const { return m_erlangA; }
    QLineEdit *field(PlanningOption option) const;
    // What a refused option must be, shown under the fields after a refusal.
    QLabel *requirementLabel() const { return m_requirement; }

    static QString caption(const QString &windowCaption);

public slots:
    void accept() override;

private:
    QLineEdit *addField(class QFormLayout *form, const QString &label, const QString &hint);

    DialogService &m_dialogs;
    QRadioButton *m_erlangC = nullptr;
    QRadioButton *m_erlangA = nullptr;
    QLineEdit *m_shrinkage = nullptr;
    QLineEdit *m_maxOccupancy = nullptr;
    QLineEdit *m_maxAbandon = nullptr;
    QLineEdit *m_paidHours = nullptr;
    QLabel *m_requirement = nullptr;
    std::optional<PlanningOptions> m_accepted;
};
