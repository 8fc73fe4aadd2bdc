// SPDX-License-Identifier: MIT
#include "planningdialog.h"

#include "accesskey.h"
#include "dialogservice.h"
#include "hint.h"
#include "planningoptioninfo.h"
#include "staffingmodelinfo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString InvalidInputMessage = QStringLiteral("Invalid input! - Cursor is positioned in failing field");

} // namespace

QString PlanningDialog::caption(const QString &windowCaption)
{
    return QStringLiteral("Planning Options - ") + windowCaption;
}

PlanningDialog::PlanningDialog(const PlanningOptions &current, const QString &windowCaption, DialogService &dialogs,
                               QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
{
    setWindowTitle(caption(windowCaption));
    setAccessibleName(windowTitle());
    auto *outer = new QVBoxLayout(this);

    auto *modelBox = new QGroupBox(QStringLiteral("Queueing model"), this);
    modelBox->setAccessibleName(QStringLiteral("Queueing model"));
    auto *modelLayout = new QVBoxLayout(modelBox);
    for (const StaffingModelInfo &info : StaffingModelInfo::all()) {
        auto *button = new QRadioButton(info.dialogLabel, modelBox);
        button->setAccessibleName(info.name + QStringLiteral(" model"));
        modelLayout->addWidget(button);
        m_modelButtons.emplace_back(info.model, button);
    }
    outer->addWidget(modelBox);

    auto *form = new QFormLayout;
    m_shrinkage = addField(form, PlanningOption::Shrinkage);
    m_maxOccupancy = addField(form, PlanningOption::MaxOccupancy);
    m_maxAbandon = addField(form, PlanningOption::MaxAbandon);
    m_paidHours = addField(form, PlanningOption::PaidHours);
    outer->addLayout(form);

    m_requirement = new QLabel(this);
    m_requirement->setAccessibleName(QStringLiteral("Refused option"));
    m_requirement->setWordWrap(true);
    outer->addWidget(m_requirement);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setAccessibleName(QStringLiteral("Dialog buttons"));
    GiveOkCancelKeys(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlanningDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlanningDialog::reject);
    outer->addWidget(buttons);

    setTexts(PlanningOptionTexts::of(current));
}

QLineEdit *PlanningDialog::addField(QFormLayout *form, PlanningOption option)
{
    const PlanningOptionInfo &info = PlanningOptionInfo::of(option);
    const QString &label = info.dialogLabel;
    auto *edit = new QLineEdit(this);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(edit);
    QString name = label;
    name.remove(QLatin1Char('&'));
    name.remove(QLatin1Char(':'));
    edit->setAccessibleName(name.trimmed());
    SetHint(edit, info.dialogHint);
    form->addRow(caption, edit);
    return edit;
}

QLineEdit *PlanningDialog::field(PlanningOption option) const
{
    switch (option) {
    case PlanningOption::Shrinkage:
        return m_shrinkage;
    case PlanningOption::MaxOccupancy:
        return m_maxOccupancy;
    case PlanningOption::MaxAbandon:
        return m_maxAbandon;
    case PlanningOption::PaidHours:
        return m_paidHours;
    case PlanningOption::Model:
        break;
    }
    return nullptr;
}

QRadioButton *PlanningDialog::modelButton(QueueModel model) const
{
    for (const auto &[buttonModel, button] : m_modelButtons) {
        if (buttonModel == model)
            return button;
    }
    return m_modelButtons.front().second;
}

QueueModel PlanningDialog::checkedModel() const
{
    for (const auto &[model, button] : m_modelButtons) {
        if (button->isChecked())
            return model;
    }
    return m_modelButtons.front().first;
}

PlanningOptionTexts PlanningDialog::texts() const
{
    PlanningOptionTexts texts;
    texts.model = checkedModel();
    texts.shrinkage = m_shrinkage->text();
    texts.maxOccupancy = m_maxOccupancy->text();
    texts.maxAbandon = m_maxAbandon->text();
    texts.paidHours = m_paidHours->text();
    return texts;
}

void PlanningDialog::setTexts(const PlanningOptionTexts &texts)
{
    modelButton(texts.model)->setChecked(true);
    m_shrinkage->setText(texts.shrinkage);
    m_maxOccupancy->setText(texts.maxOccupancy);
    m_maxAbandon->setText(texts.maxAbandon);
    m_paidHours->setText(texts.paidHours);
}

void PlanningDialog::accept()
{
    const PlanningOptionsCheck check = CheckPlanningOptions(texts());
    if (!check.options) {
        // As in the agent window: the cursor goes to the refused option
        // first, then the message; what it must be stays in view.
        QWidget *failing = field(check.failing);
        if (!failing)
            failing = modelButton(checkedModel());
        failing->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(failing))
            edit->selectAll();
        QString requirement = PlanningOptionDescription(check.failing) + QStringLiteral(": ") + check.requirement;
        requirement[0] = requirement.at(0).toUpper();
        m_requirement->setText(requirement);
        m_dialogs.inform(InvalidInputMessage);
        return;
    }
    m_accepted = check.options;
    QDialog::accept();
}
