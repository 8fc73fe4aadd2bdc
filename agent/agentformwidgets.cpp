// SPDX-License-Identifier: MIT
#include "agentformwidgets.h"

#include "graphglyphs.h"
#include "hint.h"
#include "maskedfield.h"
#include "reportprintcommand.h"
#include "spokenheader.h"
#include "tlumstringgrid.h"
#include "toolbuttonkey.h"
#include "toolicons.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const hints[FieldCount] = {
    "Enter the start time from when the calls arrive",                         // MaskEdit1
    "Enter the end time for call arrival",                                      // MaskEdit7
    "Enter the total number of calls received",                                 // Edit1
    "Enter the average duration of calls in minutes and seconds",               // MaskEdit2
    "Enter the wrap-up time in minutes and seconds",                            // MaskEdit3
    "Enter the maximum time to wait before abandoning in minutes and seconds", // MaskEdit4
    "Enter the service level percentage required",                              // MaskEdit5
    "Enter the service level time required in seconds",                         // MaskEdit6
};

// Pixel sizes of the window's fonts, and the room a field's frame and
// margins take beside its widest text.
constexpr int WindowFontPixels = 13;
constexpr int TabFontPixels = 11;
constexpr int FieldFrameAllowance = 16;
// "Time slots:" while the slot length cannot be chosen (the Agents tab).
const QColor InactiveLabelGrey(128, 128, 128);

const QString AgentsGridDescription = QStringLiteral("Service figures for each number of agents");

QLabel *makeLabel(const QString &text, bool bold, QWidget *parent, QWidget *buddyWidget = nullptr)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    if (buddyWidget)
        label->setBuddy(buddyWidget);
    return label;
}

QToolButton *makeToolButton(QWidget *parent, ToolIcon icon, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setIcon(MakeToolIcon(icon));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setIconSize(QSize(18, 18));
    button->setMinimumSize(25, 25);
    // Like the fields' exits, the buttons act without taking the focus.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

void AgentFormWidgets::build(QWidget &form)
{
    QFont windowFont = form.font();
    windowFont.setPixelSize(WindowFontPixels);
    form.setFont(windowFont);

    auto *outer = new QVBoxLayout(&form);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildToolBar(form));
    outer->addWidget(buildInputPanel(form));
    // Hidden while no planning option is set: it then takes no room, and
    // the window is laid out as without options.
    PlanningLine = new QLabel(&form);
    PlanningLine->setObjectName(QStringLiteral("PlanningLine"));
    PlanningLine->setAccessibleName(QStringLiteral("Planning options and day figures"));
    PlanningLine->setContentsMargins(6, 2, 6, 2);
    PlanningLine->setWordWrap(true);
    PlanningLine->hide();
    outer->addWidget(PlanningLine);
    outer->addWidget(buildResultArea(form), 1);
    outer->addWidget(buildTabStrip(form));
    setTabOrders(form);
    // The layout's own minimum keeps every label whole; the grid may shrink
    // to a few rows.
}

QWidget *AgentFormWidgets::buildToolBar(QWidget &form)
{
    auto *panel1 = new QFrame(&form);
    panel1->setAccessibleName(QStringLiteral("Tool bar"));
    auto *tools = new QHBoxLayout(panel1);
    tools->setContentsMargins(6, 1, 6, 1);
    tools->setSpacing(0);
    SpeedButton2 = makeToolButton(panel1, ToolIcon::Recalculate, QStringLiteral("Recalculate"));
    SpeedButton5 = makeToolButton(panel1, ToolIcon::Load, QStringLiteral("Load"));
    SpeedButton4 = makeToolButton(panel1, ToolIcon::Save, QStringLiteral("Save"));
    SpeedButton1 = makeToolButton(panel1, ToolIcon::CloseForm, QStringLiteral("Close form"));
    SpeedButton3 = makeToolButton(panel1, ToolIcon::Save, QStringLiteral("Print"));
    SpeedButton3->setIcon(ReportPrintCommand::buttonIcon());
    SpeedButton6 = makeToolButton(panel1, ToolIcon::Recalculate, QStringLiteral("Show Graph"));
    SpeedButton6->setIcon(MakeGraphGlyph(GraphGlyph::ShowGraph));
    // The tool bar's order: Recalculate, Print, Load, Save, Show Graph, and
    // Close form at the far end.
    tools->addWidget(SpeedButton2);
    tools->addWidget(SpeedButton3);
    tools->addWidget(SpeedButton5);
    tools->addWidget(SpeedButton4);
    tools->addWidget(SpeedButton6);
    PlanShiftsButton = makeToolButton(panel1, ToolIcon::Recalculate, QStringLiteral("Plan Shifts"));
    PlanShiftsButton->setIcon(QIcon());
    PlanShiftsButton->setText(QStringLiteral("Shifts"));
    PlanShiftsButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addWidget(PlanShiftsButton);
    tools->addStretch(1);
    tools->addWidget(SpeedButton1);
    // The commands' keys: the standard ones for printing, saving and
    // opening, F9 to recalculate as spreadsheets do, Ctrl+G for the graph.
    GiveToolButtonKey(SpeedButton2, QKeySequence(Qt::Key_F9), &form);
    GiveToolButtonKey(SpeedButton3, QKeySequence::Print, &form);
    GiveToolButtonKey(SpeedButton5, QKeySequence::Open, &form);
    GiveToolButtonKey(SpeedButton4, QKeySequence::Save, &form);
    GiveToolButtonKey(SpeedButton6, QKeySequence(Qt::CTRL | Qt::Key_G), &form);
    // Ctrl+T opens the shift plan (T for the shifts' timetable).
    GiveToolButtonKey(PlanShiftsButton, QKeySequence(Qt::CTRL | Qt::Key_T), &form);
    return panel1;
}

QLineEdit *AgentFormWidgets::makeField(Field f, QWidget *parent, const QString &widestText)
{
    QFont fieldFont = parent->font();
    fieldFont.setBold(true);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(ComponentName(f));
    edit->setFont(fieldFont);
    const QString mask = QtInputMask(f);
    if (!mask.isEmpty())
        edit->setInputMask(mask);
    if (MaxLength(f) > 0)
        edit->setMaxLength(MaxLength(f));
    SetFieldText(*edit, f, DefaultText(f));
    // Room for the widest text the field takes, beside the frame and margins.
    edit->setFixedWidth(QFontMetrics(fieldFont).horizontalAdvance(widestText) + FieldFrameAllowance);
    SetHint(edit, QString::fromLatin1(hints[static_cast<int>(f)]));
    fields[static_cast<std::size_t>(f)] = edit;
    return edit;
}

QWidget *AgentFormWidgets::buildInputPanel(QWidget &form)
{
    auto *panel2 = new QFrame(&form);
    panel2->setAccessibleName(QStringLiteral("Inputs"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *grid = new QGridLayout(panel2);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    const QString twoDigits = QStringLiteral("00");
    const QString time = QStringLiteral("00:00");
    makeField(Field::MaskEdit5, panel2, twoDigits);
    makeField(Field::MaskEdit6, panel2, twoDigits);
    // The number of calls takes any whole number a 32-bit integer holds.
    makeField(Field::Edit1, panel2, QStringLiteral("0000000000"));
    makeField(Field::MaskEdit1, panel2, time);
    makeField(Field::MaskEdit7, panel2, time);
    makeField(Field::MaskEdit2, panel2, time);
    makeField(Field::MaskEdit3, panel2, time);
    makeField(Field::MaskEdit4, panel2, time);
    // The other fields are named by their labels; the labels beside these
    // two ("% in", "to") say nothing on their own.
    field(Field::MaskEdit6)->setAccessibleName(QStringLiteral("Service level goal seconds"));
    field(Field::MaskEdit7)->setAccessibleName(QStringLiteral("Arrival end time"));
    placeInputs(panel2, grid);
    return panel2;
}

void AgentFormWidgets::placeInputs(QWidget *panel, QGridLayout *grid)
{
    auto label = [panel](const QString &text, QWidget *buddyWidget = nullptr) {
        return makeLabel(text, true, panel, buddyWidget);
    };
    auto placeField = [this, grid, &label](const QString &text, Field f, int row, int column) {
        grid->addWidget(label(text, field(f)), row, column);
        grid->addWidget(field(f), row, column + 1, Qt::AlignLeft);
    };
    grid->addWidget(label(QStringLiteral("Service level goal:"), field(Field::MaskEdit5)), 0, 0);
    grid->addWidget(field(Field::MaskEdit5), 0, 1);
    grid->addWidget(label(QStringLiteral("% in")), 0, 2);
    grid->addWidget(field(Field::MaskEdit6), 0, 3);
    grid->addWidget(label(QStringLiteral("secs")), 0, 4);

    grid->addWidget(label(QStringLiteral("Number of calls:"), field(Field::Edit1)), 1, 0);
    grid->addWidget(field(Field::Edit1), 1, 1, 1, 5, Qt::AlignLeft);

    grid->addWidget(label(QStringLiteral("Arrival time (hh:mm):"), field(Field::MaskEdit1)), 2, 0);
    grid->addWidget(field(Field::MaskEdit1), 2, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(label(QStringLiteral("to")), 2, 3, Qt::AlignRight);
    grid->addWidget(field(Field::MaskEdit7), 2, 4, 1, 2, Qt::AlignLeft);

    grid->addWidget(makeLabel(QStringLiteral("Total time:"), false, panel), 3, 0);
    StaticText1 = makeLabel(QString(), false, panel);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setAccessibleDescription(QStringLiteral("Total time"));
    grid->addWidget(StaticText1, 3, 1, 1, 4, Qt::AlignLeft);

    grid->setColumnMinimumWidth(6, 16);
    grid->setColumnStretch(6, 1);
    placeField(QStringLiteral("Call talk time (mm:ss):"), Field::MaskEdit2, 0, 7);
    placeField(QStringLiteral("After call work time:"), Field::MaskEdit3, 1, 7);
    placeField(QStringLiteral("Wait before abandon:"), Field::MaskEdit4, 2, 7);

    Label5 = label(QStringLiteral("Time slots:"));
    Label5->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(Label5, 3, 7);
    grid->addWidget(buildSlotButtons(panel), 3, 8, 1, 2, Qt::AlignLeft);
}

QWidget *AgentFormWidgets::buildSlotButtons(QWidget *parent)
{
    Bevel1 = new QFrame(parent);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setAccessibleName(QStringLiteral("Time slots"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *slotLayout = new QHBoxLayout(Bevel1);
    slotLayout->setContentsMargins(4, 0, 4, 0);
    // A button per slot length, its id the length's minutes.
    slotButtons = new QButtonGroup(Bevel1);
    for (const SlotLengthInfo &info : SlotLengthTable) {
        auto *button = new QRadioButton(QString(info.caption), Bevel1);
        button->setObjectName(QString(info.buttonName));
        SetHint(button, QStringLiteral("Choose %1 minute time slots").arg(SlotMinutesListText()));
        slotLayout->addWidget(button);
        slotButtons->addButton(button, info.minutes());
    }
    RadioButton3 = slotButton(SlotLength::Quarter);
    RadioButton1 = slotButton(SlotLength::HalfHour);
    RadioButton2 = slotButton(SlotLength::Hour);
    return Bevel1;
}

QWidget *AgentFormWidgets::buildResultArea(QWidget &form)
{
    auto *panel3 = new QFrame(&form);
    panel3->setAccessibleName(QStringLiteral("Results"));
    panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *resultLayout = new QVBoxLayout(panel3);
    resultLayout->setContentsMargins(2, 2, 2, 2);
    StringGrid1 = new TLumStringGrid(panel3);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setTextAlign(TLumStringGrid::TextAlign::Right);
    resultLayout->addWidget(StringGrid1);
    return panel3;
}

QTabBar *AgentFormWidgets::buildTabStrip(QWidget &form)
{
    TabSet1 = new QTabBar(&form);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    QFont tabFont = TabSet1->font();
    tabFont.setPixelSize(TabFontPixels);
    TabSet1->setFont(tabFont);
    TabSet1->addTab(QStringLiteral("Agents"));
    TabSet1->addTab(QStringLiteral("Schedule"));
    return TabSet1;
}

void AgentFormWidgets::setTabOrders(QWidget &form)
{
    const Field order[] = {Field::MaskEdit5, Field::MaskEdit6, Field::Edit1, Field::MaskEdit1,
                           Field::MaskEdit7, Field::MaskEdit2, Field::MaskEdit3, Field::MaskEdit4};
    QWidget *previous = nullptr;
    for (Field f : order) {
        if (previous)
            QWidget::setTabOrder(previous, field(f));
        previous = field(f);
    }
    QWidget::setTabOrder(previous, RadioButton3);
    QWidget::setTabOrder(RadioButton3, RadioButton1);
    QWidget::setTabOrder(RadioButton1, RadioButton2);
    QWidget::setTabOrder(RadioButton2, StringGrid1);
    QWidget::setTabOrder(StringGrid1, TabSet1);
    form.setFocusProxy(field(order[0]));
}

void AgentFormWidgets::showTab(bool schedule)
{
    // The new mode's option first, then the other one off.
    if (schedule) {
        StringGrid1->setEditing(true);
        StringGrid1->setRowSelection(false);
    } else {
        StringGrid1->setRowSelection(true);
        StringGrid1->setEditing(false);
    }
    SetHint(StringGrid1, schedule ? ScheduleColumnHint(ResultTable::CallsColumn, false) : QString());
    // A screen reader names the grid after the table it shows (the tab's
    // own name stays the tab's); the Agents tab has no hint to describe it.
    StringGrid1->setAccessibleName(schedule ? QStringLiteral("Schedule table") : QStringLiteral("Agents table"));
    if (!schedule)
        StringGrid1->setAccessibleDescription(AgentsGridDescription);
    QPalette palette = Label5->palette();
    palette.setColor(QPalette::WindowText, schedule ? QColor(Qt::black) : InactiveLabelGrey);
    Label5->setPalette(palette);
    Bevel1->setEnabled(schedule);
}

void AgentFormWidgets::showSlotButtons(std::optional<SlotLength> checked)
{
    slotButtons->setExclusive(false);
    for (SlotLength length : SlotLengths)
        slotButton(length)->setChecked(checked == length);
    slotButtons->setExclusive(true);
}

QRadioButton *AgentFormWidgets::slotButton(SlotLength length) const
{
    return static_cast<QRadioButton *>(slotButtons->button(minutesOf(length)));
}
