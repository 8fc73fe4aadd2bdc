// SPDX-License-Identifier: MIT
#include "shifttypesdialog.h"

#include "accesskey.h"
#include "arrowleavescelldelegate.h"
#include "dialogservice.h"
#include "shiftcheck.h"
#include "shifttypetext.h"
#include "slotfloorinfo.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

QString ShiftTypesDialog::caption(const QString &windowCaption)
{
    return QStringLiteral("Shift Types - ") + windowCaption;
}

ShiftTypesDialog::ShiftTypesDialog(const std::vector<ShiftType> &current, const ShiftDay &day,
                                   const QString &windowCaption, DialogService &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_day(day)
    , m_dialogs(dialogs)
{
    setWindowTitle(caption(windowCaption));
    setAccessibleName(windowTitle());
    auto *outer = new QVBoxLayout(this);
    auto *note = new QLabel(QStringLiteral("Lengths and break times h:mm, starts hh:mm; a shift starts at every slot "
                                           "from its earliest to its latest start. The break begins From to To after "
                                           "the shift's start and is unpaid unless Paid says yes."),
                            this);
    note->setWordWrap(true);
    outer->addWidget(note);

    m_table = new QTableWidget(0, ShiftTypeColumnCount, this);
    m_table->setAccessibleName(QStringLiteral("Shift types"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Length"), QStringLiteral("Earliest"),
                                        QStringLiteral("Latest"), QStringLiteral("Break"), QStringLiteral("From"),
                                        QStringLiteral("To"), QStringLiteral("Paid"), QStringLiteral("Max")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->setMinimumWidth(620);
    // Tab goes on to the floor and the buttons; Ctrl+Tab and the arrow keys
    // (also at an open cell's editor) move from cell to cell.
    m_table->setTabKeyNavigation(false);
    m_table->setItemDelegate(new ArrowLeavesCellDelegate(m_table));
    outer->addWidget(m_table);
    outer->addLayout(buildFloorRow());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *add = buttons->addButton(QStringLiteral("&Add"), QDialogButtonBox::ActionRole);
    QPushButton *remove = buttons->addButton(QStringLiteral("&Remove"), QDialogButtonBox::ActionRole);
    QPushButton *defaults = buttons->addButton(QStringLiteral("&Defaults"), QDialogButtonBox::ActionRole);
    for (QPushButton *button : {add, remove, defaults})
        button->setAutoDefault(false);
    GiveOkCancelKeys(buttons);
    connect(add, &QPushButton::clicked, this, [this] {
        addRow({QStringLiteral("Shift %1").arg(m_table->rowCount() + 1)});
        m_table->setCurrentCell(m_table->rowCount() - 1, NameColumn);
        m_table->editItem(m_table->currentItem());
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_table->currentRow() >= 0)
            m_table->removeRow(m_table->currentRow());
    });
    connect(defaults, &QPushButton::clicked, this, [this] { setTypes(ShiftType::defaultSet(m_day)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &ShiftTypesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ShiftTypesDialog::reject);
    outer->addWidget(buttons);

    setTypes(current.empty() ? ShiftType::defaultSet(day) : current);
}

QHBoxLayout *ShiftTypesDialog::buildFloorRow()
{
    auto *row = new QHBoxLayout;
    for (std::size_t i = 0; i < m_floorFields.size(); ++i) {
        const SlotFloorInfo &info = SlotFloorInfo::all()[i];
        auto *label = new QLabel(info.dialogLabel, this);
        auto *field = new QLineEdit(this);
        field->setPlaceholderText(QStringLiteral("none"));
        field->setToolTip(info.dialogHint);
        field->setAccessibleName(QString(info.dialogLabel).remove(QLatin1Char('&')).chopped(1));
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
        label->setBuddy(field);
        row->addWidget(label);
        row->addWidget(field);
        row->addSpacing(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 2);
        m_floorFields[i] = field;
    }
    row->addStretch(1);
    return row;
}

void ShiftTypesDialog::setFloor(const SlotFloor &floor)
{
    for (std::size_t i = 0; i < m_floorFields.size(); ++i) {
        const std::optional<double> &value = floor.*SlotFloorInfo::all()[i].figure;
        m_floorFields[i]->setText(value ? SlotFloorInfo::text(*value) : QString());
    }
}

std::optional<SlotFloor> ShiftTypesDialog::readFloor()
{
    SlotFloor floor;
    for (std::size_t i = 0; i < m_floorFields.size(); ++i) {
        const SlotFloorInfo &info = SlotFloorInfo::all()[i];
        const QString text = m_floorFields[i]->text();
        if (text.trimmed().isEmpty())
            continue;
        floor.*info.figure = info.parse(text);
        if (!(floor.*info.figure)) {
            m_floorFields[i]->setFocus();
            m_floorFields[i]->selectAll();
            m_dialogs.error(QStringLiteral("The %1 \"%2\" is not %3").arg(info.description, text, info.requirement));
            return std::nullopt;
        }
    }
    return floor;
}

void ShiftTypesDialog::setTypes(const std::vector<ShiftType> &types)
{
    m_table->setRowCount(0);
    for (const ShiftType &type : types)
        addRow(ShiftTypeCells(type));
}

void ShiftTypesDialog::addRow(const QStringList &cells)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    for (int column = 0; column < ShiftTypeColumnCount; ++column)
        m_table->setItem(row, column, new QTableWidgetItem(column < cells.size() ? cells[column] : QString()));
}

void ShiftTypesDialog::refuse(int row, int column, const QString &message)
{
    m_table->setCurrentCell(row, column);
    m_table->setFocus();
    m_dialogs.error(message);
}

void ShiftTypesDialog::accept()
{
    std::vector<ShiftType> types;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ShiftTypeColumnCount; ++column)
            cells << (m_table->item(row, column) ? m_table->item(row, column)->text() : QString());
        const ShiftTypeRead read = ReadShiftTypeCells(cells);
        if (!read.type) {
            refuse(row, ShiftTypeColumnOf(read.field), read.message);
            return;
        }
        types.push_back(*read.type);
    }
    // The types are checked against the day's slots; its requirement is the
    // solve's business.
    if (!types.empty()) {
        if (const auto problem = CheckShiftTypes(m_day, types); problem && problem->shift >= 0) {
            refuse(problem->shift, ShiftTypeColumnOf(problem->field), problem->message);
            return;
        }
    }
    const std::optional<SlotFloor> floor = readFloor();
    if (!floor)
        return;
    m_accepted = ShiftTypesEdit{types, *floor};
    QDialog::accept();
}
