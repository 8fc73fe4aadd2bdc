// SPDX-License-Identifier: MIT
#include "tourtypesdialog.h"

#include "accesskey.h"
#include "arrowleavescelldelegate.h"
#include "dialogservice.h"
#include "tourtypecells.h"
#include "weekcheck.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QLatin1String Consecutive("consecutive");
const QString TogetherText = QStringLiteral("together");

} // namespace

QString TourTypesDialog::caption(const QString &windowCaption)
{
    return QStringLiteral("Tour Types - ") + windowCaption;
}

TourTypesDialog::TourTypesDialog(const TourTypesEdit &current, const ShiftWeek &week, const ShiftDay &shiftDay,
                                 const QString &windowCaption, DialogService &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_week(week)
    , m_shiftDay(shiftDay)
    , m_windowCaption(windowCaption)
    , m_dialogs(dialogs)
    , m_shiftTypes(current.shiftTypes.empty() ? ShiftType::defaultSet(shiftDay) : current.shiftTypes)
    , m_floor(current.floor)
{
    setWindowTitle(caption(windowCaption));
    setAccessibleName(windowTitle());
    auto *outer = new QVBoxLayout(this);
    auto *note = new QLabel(QStringLiteral("Days: a number of days worked or a range such as 3-4. Shift types: the "
                                           "names of the week's shift types joined by +. Start band: the minutes "
                                           "within which every start of the week lies, or free. Paid hours: the "
                                           "week's, h:mm or a range such as 37:30-40:00. Max: the most agents, or "
                                           "empty."),
                            this);
    note->setWordWrap(true);
    outer->addWidget(note);

    m_table = new QTableWidget(0, TourTypeColumnCount, this);
    m_table->setAccessibleName(QStringLiteral("Tour types"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Days"), QStringLiteral("Days off"),
                                        QStringLiteral("Shift types"), QStringLiteral("Start band"),
                                        QStringLiteral("Paid hours"), QStringLiteral("Max")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(TourShiftsColumn, QHeaderView::Stretch);
    m_table->setMinimumWidth(680);
    // Tab goes on to the buttons; Ctrl+Tab and the arrow keys move from
    // cell to cell, as in the shift types dialog.
    m_table->setTabKeyNavigation(false);
    m_table->setItemDelegate(new ArrowLeavesCellDelegate(m_table));
    outer->addWidget(m_table);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *add = buttons->addButton(QStringLiteral("&Add"), QDialogButtonBox::ActionRole);
    QPushButton *remove = buttons->addButton(QStringLiteral("&Remove"), QDialogButtonBox::ActionRole);
    QPushButton *defaults = buttons->addButton(QStringLiteral("&Defaults"), QDialogButtonBox::ActionRole);
    m_shiftTypesButton = buttons->addButton(QStringLiteral("&Shift Types..."), QDialogButtonBox::ActionRole);
    m_shiftTypesButton->setAccessibleName(QStringLiteral("Shift types"));
    for (QPushButton *button : {add, remove, defaults, m_shiftTypesButton})
        button->setAutoDefault(false);
    GiveOkCancelKeys(buttons);
    connect(add, &QPushButton::clicked, this, [this] {
        TourType tour = TourType::defaultSet().front();
        tour.name = QStringLiteral("Tour %1").arg(m_table->rowCount() + 1);
        addRow(TourTypeCells(tour));
        m_table->setCurrentCell(m_table->rowCount() - 1, TourNameColumn);
        m_table->editItem(m_table->currentItem());
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_table->currentRow() >= 0)
            m_table->removeRow(m_table->currentRow());
    });
    connect(defaults, &QPushButton::clicked, this, [this] { setTours(TourType::defaultSet()); });
    connect(m_shiftTypesButton, &QPushButton::clicked, this, &TourTypesDialog::editShiftTypes);
    connect(buttons, &QDialogButtonBox::accepted, this, &TourTypesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TourTypesDialog::reject);
    outer->addWidget(buttons);

    setTours(current.tours.empty() ? TourType::defaultSet() : current.tours);
}

void TourTypesDialog::setTours(const std::vector<TourType> &tours)
{
    m_table->setRowCount(0);
    for (const TourType &tour : tours)
        addRow(TourTypeCells(tour));
}

void TourTypesDialog::addRow(const QStringList &cells)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    for (int column = 0; column < TourTypeColumnCount; ++column) {
        if (column == TourDaysOffColumn) {
            // A check box: the days off together, or any days.
            auto *item = new QTableWidgetItem(TogetherText);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(cells.value(column) == Consecutive ? Qt::Checked : Qt::Unchecked);
            m_table->setItem(row, column, item);
            continue;
        }
        m_table->setItem(row, column, new QTableWidgetItem(cells.value(column)));
    }
}

QStringList TourTypesDialog::rowCells(int row) const
{
    QStringList cells;
    for (int column = 0; column < TourTypeColumnCount; ++column) {
        const QTableWidgetItem *item = m_table->item(row, column);
        if (column == TourDaysOffColumn)
            cells << (item && item->checkState() == Qt::Checked ? QString(Consecutive) : QStringLiteral("any"));
        else
            cells << (item ? item->text() : QString());
    }
    return cells;
}

void TourTypesDialog::editShiftTypes()
{
    if (const std::optional<ShiftTypesEdit> edit
        = m_dialogs.editShiftTypes({m_shiftTypes, m_floor}, m_shiftDay, m_windowCaption)) {
        m_shiftTypes = edit->types;
        m_floor = edit->floor;
    }
}

void TourTypesDialog::refuse(int row, int column, const QString &message)
{
    if (row >= 0 && row < m_table->rowCount())
        m_table->setCurrentCell(row, column);
    m_table->setFocus();
    m_dialogs.error(message);
}

void TourTypesDialog::accept()
{
    std::vector<TourType> tours;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const TourTypeRead read = ReadTourTypeCells(rowCells(row));
        if (!read.type) {
            refuse(row, TourTypeColumnOf(read.field), read.message);
            return;
        }
        tours.push_back(*read.type);
    }
    // A week that cannot be planned yet (no open day) is the window's
    // business; the tours are checked against any it has.
    const std::optional<WeekInputProblem> problem = CheckTourTypes(m_week, m_shiftTypes, tours);
    if (problem && !problem->week) {
        if (problem->tour >= 0 || problem->shift < 0) {
            refuse(problem->tour, TourTypeColumnOf(problem->tourField), problem->message);
        } else {
            m_shiftTypesButton->setFocus();
            m_dialogs.error(problem->message);
        }
        return;
    }
    m_accepted = TourTypesEdit{tours, m_shiftTypes, m_floor};
    QDialog::accept();
}
