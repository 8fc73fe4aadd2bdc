// SPDX-License-Identifier: MIT
#pragma once

#include "field.h"
#include "slotlength.h"

#include <QString>

#include <array>
#include <optional>

class QButtonGroup;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabBar;
class QToolButton;
class QWidget;
class TLumStringGrid;

// The widgets of an agent window, built into the window and laid out there:
// the tool bar, the input panel (the eight fields, their labels, the total
// time and the slot length buttons), the result grid and the tab strip. The
// window owns them as their parent; this class only builds them and keeps
// the pointers. It connects nothing: the window ties the widgets to its
// commands, so every rule stays with the window and its scenario.
class AgentFormWidgets
{
public:
    // Builds every widget into `form`, which takes the window's font.
    void build(QWidget &form);

    // The fields' tab order, ending with the slot buttons, the grid and the
    // tab strip; the window passes the focus to the first field.
    void setTabOrders(QWidget &form);
    // The grid, the "Time slots:" label and the slot buttons as the tab
    // shows them: the Schedule's Calls cells are edited, the Agents table is
    // chosen by rows and its slot length cannot be chosen.
    void showTab(bool schedule);
    // Checks the button of the slot length given, or none (a new window, or
    // a scenario file that names no length).
    void showSlotButtons(std::optional<SlotLength> checked);
    // The button that chooses a slot length.
    QRadioButton *slotButton(SlotLength length) const;

    QLineEdit *field(Field f) const { return fields[static_cast<std::size_t>(f)]; }

    std::array<QLineEdit *, FieldCount> fields{};
    QToolButton *SpeedButton1 = nullptr; // Close form
    QToolButton *SpeedButton2 = nullptr; // Recalculate
    QToolButton *SpeedButton3 = nullptr; // Print
    QToolButton *SpeedButton4 = nullptr; // Save
    QToolButton *SpeedButton5 = nullptr; // Load
    QToolButton *SpeedButton6 = nullptr; // Show Graph
    QToolButton *PlanShiftsButton = nullptr;
    QRadioButton *RadioButton3 = nullptr; // 15 min
    QRadioButton *RadioButton1 = nullptr; // 30 min
    QRadioButton *RadioButton2 = nullptr; // 60 min
    QButtonGroup *slotButtons = nullptr;
    QFrame *Bevel1 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *StaticText1 = nullptr;
    // The planning options set and, on the Schedule, the day's figures,
    // under the inputs; hidden without either.
    QLabel *PlanningLine = nullptr;
    TLumStringGrid *StringGrid1 = nullptr;
    QTabBar *TabSet1 = nullptr;

private:
    QWidget *buildToolBar(QWidget &form);
    QWidget *buildInputPanel(QWidget &form);
    void placeInputs(QWidget *panel, QGridLayout *grid);
    QWidget *buildSlotButtons(QWidget *parent);
    QWidget *buildResultArea(QWidget &form);
    QTabBar *buildTabStrip(QWidget &form);
    QLineEdit *makeField(Field field, QWidget *parent, const QString &widestText);
};
