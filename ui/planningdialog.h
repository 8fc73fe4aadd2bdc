// SPDX-License-Identifier: MIT
#pragma once

#include "planningoptiontexts.h"

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

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

    // The choice of a queueing model.
    QRadioButton *modelButton(QueueModel model) const;
    QRadioButton *erlangCButton() const { return modelButton(QueueModel::ErlangC); }
    QRadioButton *erlangAButton() const { return modelButton(QueueModel::ErlangA); }
    QLineEdit *field(PlanningOption option) const;
    // What a refused option must be, shown under the fields after a refusal.
    QLabel *requirementLabel() const { return m_requirement; }

    static QString caption(const QString &windowCaption);

public slots:
    void accept() override;

private:
    QLineEdit *addField(class QFormLayout *form, PlanningOption option);

    DialogService &m_dialogs;
    // One button per staffing model, in the order of their list.
    std::vector<std::pair<QueueModel, QRadioButton *>> m_modelButtons;
    QueueModel checkedModel() const;
    QLineEdit *m_shrinkage = nullptr;
    QLineEdit *m_maxOccupancy = nullptr;
    QLineEdit *m_maxAbandon = nullptr;
    QLineEdit *m_paidHours = nullptr;
    QLabel *m_requirement = nullptr;
    std::optional<PlanningOptions> m_accepted;
};
