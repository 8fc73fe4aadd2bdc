// SPDX-License-Identifier: MIT
#include "tagentform.h"

#include "agentgraphlink.h"
#include "agentservices.h"
#include "dialogservice.h"
#include "filenames.h"
#include "focusmoveinhand.h"
#include "graphglyphs.h"
#include "gridclipboard.h"
#include "handlerguard.h"
#include "hint.h"
#include "maskedfield.h"
#include "reportprintcommand.h"
#include "scenariofilecommand.h"
#include "resulttablemodel.h"
#include "slotvolumepaste.h"
#include "tlumstringgrid.h"
#include "toolbuttonkey.h"
#include "toolicons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QScopedValueRollback>
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
constexpr int CallsColumn = ResultTable::CallsColumn;

const QString GridScheduleHint = QStringLiteral("Enter the call volume, use the arrow keys to advance");
const QString AgentsGridDescription = QStringLiteral("Service figures for each number of agents");
const QString InvalidInputMessage = QStringLiteral("Invalid input! - Cursor is positioned in failing field");
const QString RefusedExitMessage = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

QLabel *makeLabel(const QString &text, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

TAgentForm::TAgentForm(AgentServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_dialogs(services.dialogs)
    , m_exitGuard(*this, services.dialogs, services.events)
{
    setWindowTitle(QStringLiteral("New Agents"));
    setProperty("helpContext", HelpTopic);
    QFont windowFont = font();
    windowFont.setPixelSize(WindowFontPixels);
    setFont(windowFont);

    buildWidgets();
    m_graphLink = new AgentGraphLink(*this, m_dialogs);
    m_fileCommand = std::make_unique<ScenarioFileCommand>(*this, m_dialogs);

    m_scenario.onInvalidInput = [this](const RecalcResult &result) { m_exitGuard.reportInvalidInput(result); };

    applyTabSettings(Tab::Agents);
    refresh();
}

TAgentForm::~TAgentForm()
{
    // Children still lose the focus while this window is torn down.
    m_exitGuard.beginClosing();
    m_scenario.onInvalidInput = nullptr;
    delete m_graphLink; // it closes the graph window
    // The grid's model reads the scenario's table, which goes before the
    // grid does: the grid lets go of the model first.
    StringGrid1->setResultModel(nullptr);
    delete m_gridClipboard;
    m_gridClipboard = nullptr;
    delete m_tableModel;
    m_tableModel = nullptr;
}

void TAgentForm::buildWidgets()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildToolBar());
    outer->addWidget(buildInputPanel());
    outer->addWidget(buildResultArea(), 1);
    outer->addWidget(buildTabStrip());
    setTabOrders();
    // The layout's own minimum keeps every label whole; the grid may shrink
    // to a few rows.
}

QWidget *TAgentForm::buildToolBar()
{
    auto *panel1 = new QFrame(this);
    panel1->setAccessibleName(QStringLiteral("Tool bar"));
    auto *tools = new QHBoxLayout(panel1);
    tools->setContentsMargins(6, 1, 6, 1);
    tools->setSpacing(0);
    auto makeButton = [panel1](ToolIcon icon, const QString &hint) {
        auto *button = new QToolButton(panel1);
        button->setIcon(MakeToolIcon(icon));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setAutoRaise(true);
        button->setIconSize(QSize(18, 18));
        button->setMinimumSize(25, 25);
        // Like the fields' exits, the buttons act without taking the focus.
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    SpeedButton2 = makeButton(ToolIcon::Recalculate, QStringLiteral("Recalculate"));
    SpeedButton5 = makeButton(ToolIcon::Load, QStringLiteral("Load"));
    SpeedButton4 = makeButton(ToolIcon::Save, QStringLiteral("Save"));
    SpeedButton1 = makeButton(ToolIcon::CloseForm, QStringLiteral("Close form"));
    // Print.
    SpeedButton3 = makeButton(ToolIcon::Save, QStringLiteral("Print"));
    SpeedButton3->setIcon(ReportPrintCommand::buttonIcon());
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    SpeedButton6 = makeButton(ToolIcon::Recalculate, QStringLiteral("Show Graph"));
    SpeedButton6->setIcon(MakeGraphGlyph(GraphGlyph::ShowGraph));
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeedButton6Click(); });
    // The tool bar's order: Recalculate, Print, Load, Save, Show Graph, and
    // Close form at the far end.
    tools->addWidget(SpeedButton2);
    tools->addWidget(SpeedButton3);
    tools->addWidget(SpeedButton5);
    tools->addWidget(SpeedButton4);
    tools->addWidget(SpeedButton6);
    tools->addStretch(1);
    tools->addWidget(SpeedButton1);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { Recalculate(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    // The commands' keys: the standard ones for printing, saving and
    // opening, F9 to recalculate as spreadsheets do, Ctrl+G for the graph.
    GiveToolButtonKey(SpeedButton2, QKeySequence(Qt::Key_F9), this);
    GiveToolButtonKey(SpeedButton3, QKeySequence::Print, this);
    GiveToolButtonKey(SpeedButton5, QKeySequence::Open, this);
    GiveToolButtonKey(SpeedButton4, QKeySequence::Save, this);
    GiveToolButtonKey(SpeedButton6, QKeySequence(Qt::CTRL | Qt::Key_G), this);
    return panel1;
}

QLineEdit *TAgentForm::makeField(Field f, QWidget *parent, const QString &widestText)
{
    QFont fieldFont = font();
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
    m_fields[static_cast<std::size_t>(f)] = edit;
    m_exitGuard.addField(f, edit, DefaultText(f));
    return edit;
}

QWidget *TAgentForm::buildInputPanel()
{
    auto *panel2 = new QFrame(this);
    panel2->setAccessibleName(QStringLiteral("Inputs"));
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *grid = new QGridLayout(panel2);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    const QString twoDigits = QStringLiteral("00");
    const QString time = QStringLiteral("00:00");
    QLineEdit *maskEdit5 = makeField(Field::MaskEdit5, panel2, twoDigits);
    QLineEdit *maskEdit6 = makeField(Field::MaskEdit6, panel2, twoDigits);
    // The number of calls takes any whole number a 32-bit integer holds.
    QLineEdit *edit1 = makeField(Field::Edit1, panel2, QStringLiteral("0000000000"));
    QLineEdit *maskEdit1 = makeField(Field::MaskEdit1, panel2, time);
    QLineEdit *maskEdit7 = makeField(Field::MaskEdit7, panel2, time);
    QLineEdit *maskEdit2 = makeField(Field::MaskEdit2, panel2, time);
    QLineEdit *maskEdit3 = makeField(Field::MaskEdit3, panel2, time);
    QLineEdit *maskEdit4 = makeField(Field::MaskEdit4, panel2, time);
    // The other fields are named by their labels; the labels beside these
    // two ("% in", "to") say nothing on their own.
    maskEdit6->setAccessibleName(QStringLiteral("Service level goal seconds"));
    maskEdit7->setAccessibleName(QStringLiteral("Arrival end time"));

    auto label = [panel2](const QString &text, QWidget *buddyWidget = nullptr) {
        QLabel *made = makeLabel(text, true, panel2);
        if (buddyWidget)
            made->setBuddy(buddyWidget);
        return made;
    };
    grid->addWidget(label(QStringLiteral("Service level goal:"), maskEdit5), 0, 0);
    grid->addWidget(maskEdit5, 0, 1);
    grid->addWidget(label(QStringLiteral("% in")), 0, 2);
    grid->addWidget(maskEdit6, 0, 3);
    grid->addWidget(label(QStringLiteral("secs")), 0, 4);

    grid->addWidget(label(QStringLiteral("Number of calls:"), edit1), 1, 0);
    grid->addWidget(edit1, 1, 1, 1, 5, Qt::AlignLeft);

    grid->addWidget(label(QStringLiteral("Arrival time (hh:mm):"), maskEdit1), 2, 0);
    grid->addWidget(maskEdit1, 2, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(label(QStringLiteral("to")), 2, 3, Qt::AlignRight);
    grid->addWidget(maskEdit7, 2, 4, 1, 2, Qt::AlignLeft);

    grid->addWidget(makeLabel(QStringLiteral("Total time:"), false, panel2), 3, 0);
    StaticText1 = makeLabel(QString(), false, panel2);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setAccessibleDescription(QStringLiteral("Total time"));
    grid->addWidget(StaticText1, 3, 1, 1, 4, Qt::AlignLeft);

    grid->setColumnMinimumWidth(6, 16);
    grid->setColumnStretch(6, 1);
    grid->addWidget(label(QStringLiteral("Call talk time (mm:ss):"), maskEdit2), 0, 7);
    grid->addWidget(maskEdit2, 0, 8, Qt::AlignLeft);
    grid->addWidget(label(QStringLiteral("After call work time:"), maskEdit3), 1, 7);
    grid->addWidget(maskEdit3, 1, 8, Qt::AlignLeft);
    grid->addWidget(label(QStringLiteral("Wait before abandon:"), maskEdit4), 2, 7);
    grid->addWidget(maskEdit4, 2, 8, Qt::AlignLeft);

    Label5 = label(QStringLiteral("Time slots:"));
    Label5->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(Label5, 3, 7);
    grid->addWidget(buildSlotButtons(panel2), 3, 8, 1, 2, Qt::AlignLeft);
    return panel2;
}

QWidget *TAgentForm::buildSlotButtons(QWidget *parent)
{
    Bevel1 = new QFrame(parent);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setAccessibleName(QStringLiteral("Time slots"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto *slotLayout = new QHBoxLayout(Bevel1);
    slotLayout->setContentsMargins(4, 0, 4, 0);
    RadioButton1 = new QRadioButton(QStringLiteral("30 min"), Bevel1);
    RadioButton2 = new QRadioButton(QStringLiteral("60 min"), Bevel1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    SetHint(RadioButton1, QStringLiteral("Choose 30 or 60 minute time slots"));
    SetHint(RadioButton2, QStringLiteral("Choose 30 or 60 minute time slots"));
    slotLayout->addWidget(RadioButton1);
    slotLayout->addWidget(RadioButton2);
    m_slotButtons = new QButtonGroup(this);
    m_slotButtons->addButton(RadioButton1);
    m_slotButtons->addButton(RadioButton2);
    connect(RadioButton1, &QRadioButton::clicked, this, &TAgentForm::onSlotButtonClicked);
    connect(RadioButton2, &QRadioButton::clicked, this, &TAgentForm::onSlotButtonClicked);
    return Bevel1;
}

void TAgentForm::onSlotButtonClicked()
{
    RunHandler(m_dialogs, [this] {
        // The buttons' new state, before a refused field exit shows the old
        // one again.
        const bool thirty = RadioButton1->isChecked();
        const bool sixty = RadioButton2->isChecked();
        const ExitOutcome exit = m_exitGuard.completePendingExit();
        if (exit == ExitOutcome::Refused) {
            refresh();
            return;
        }
        syncFieldsToModel();
        m_scenario.setRadioButtons(thirty, sixty);
        // The exit's own recalculation has just reported these inputs.
        const auto quiet = m_exitGuard.quietInvalidInput(exit == ExitOutcome::InputRefused);
        m_scenario.RadioButton1Click();
        refresh();
    });
}

QWidget *TAgentForm::buildResultArea()
{
    auto *panel3 = new QFrame(this);
    panel3->setAccessibleName(QStringLiteral("Results"));
    panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *resultLayout = new QVBoxLayout(panel3);
    resultLayout->setContentsMargins(2, 2, 2, 2);
    StringGrid1 = new TLumStringGrid(panel3);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setTextAlign(TLumStringGrid::TextAlign::Right);
    m_tableModel = new ResultTableModel(m_scenario.grid(), this);
    StringGrid1->setResultModel(m_tableModel);
    resultLayout->addWidget(StringGrid1);
    m_gridClipboard = new GridClipboard(StringGrid1, m_scenario.StringGrid1(),
                                        [this](const QString &text) { pasteSlotVolumes(text); });
    connect(StringGrid1, &TLumStringGrid::cellClicked, this, [this] {
        RunHandler(m_dialogs, [this] {
            syncFieldsToModel();
            m_scenario.StringGrid1Click();
            refresh();
        });
    });
    connect(StringGrid1, &TLumStringGrid::keyTyped, this, [this](QChar key) { StringGrid1KeyPress(key); });
    connect(StringGrid1, &TLumStringGrid::editTextChanged, this,
            [this](int column, int row, const QString &text) { StringGrid1SetEditText(column, row, text); });
    connect(StringGrid1, &TLumStringGrid::currentCellChanged, this, [this](int column, int row) {
        if (!m_refreshing)
            m_scenario.grid().setCurrentCell(column, row);
    });
    return panel3;
}

QTabBar *TAgentForm::buildTabStrip()
{
    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    QFont tabFont = TabSet1->font();
    tabFont.setPixelSize(TabFontPixels);
    TabSet1->setFont(tabFont);
    TabSet1->addTab(QStringLiteral("Agents"));
    TabSet1->addTab(QStringLiteral("Schedule"));
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int index) { TabSet1Click(index); });
    return TabSet1;
}

void TAgentForm::setTabOrders()
{
    const Field order[] = {Field::MaskEdit5, Field::MaskEdit6, Field::Edit1, Field::MaskEdit1,
                           Field::MaskEdit7, Field::MaskEdit2, Field::MaskEdit3, Field::MaskEdit4};
    QWidget *previous = nullptr;
    for (Field f : order) {
        if (previous)
            setTabOrder(previous, field(f));
        previous = field(f);
    }
    setTabOrder(previous, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, StringGrid1);
    setTabOrder(StringGrid1, TabSet1);
    setFocusProxy(field(order[0]));
}

void TAgentForm::applyTabSettings(Tab tab)
{
    m_shownTab = tab;
    const bool schedule = tab == Tab::Schedule;
    // The new mode's option first, then the other one off.
    if (schedule) {
        StringGrid1->setEditing(true);
        StringGrid1->setRowSelection(false);
    } else {
        StringGrid1->setRowSelection(true);
        StringGrid1->setEditing(false);
    }
    SetHint(StringGrid1, schedule ? GridScheduleHint : QString());
    // A screen reader names the grid after the table it shows (the tab's
    // own name stays the tab's); the Agents tab has no hint to describe it.
    StringGrid1->setAccessibleName(schedule ? QStringLiteral("Schedule table") : QStringLiteral("Agents table"));
    if (!schedule)
        StringGrid1->setAccessibleDescription(AgentsGridDescription);
    QPalette palette = Label5->palette();
    palette.setColor(QPalette::WindowText, schedule ? QColor(Qt::black) : InactiveLabelGrey);
    Label5->setPalette(palette);
    Bevel1->setEnabled(schedule);
    if (!schedule)
        emit hintPanelClearRequested();
}

void TAgentForm::syncFieldsToModel()
{
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        m_scenario.setText(f, FieldText(*field(f), f));
    }
}

void TAgentForm::refresh()
{
    const bool wasRefreshing = m_refreshing;
    m_refreshing = true;
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        QLineEdit *edit = field(f);
        const QString text = m_scenario.text(f);
        // Only a text the scenario rewrote is put back, so a field still
        // being edited keeps its changed mark.
        if (FieldText(*edit, f) != text) {
            SetFieldText(*edit, f, text);
            m_exitGuard.textRewritten(f, FieldText(*edit, f));
        }
    }
    StaticText1->setText(m_scenario.totalTimeText());

    m_slotButtons->setExclusive(false);
    RadioButton1->setChecked(m_scenario.radioButton1Checked());
    RadioButton2->setChecked(m_scenario.radioButton2Checked());
    m_slotButtons->setExclusive(true);

    if (m_scenario.tab() != m_shownTab)
        applyTabSettings(m_scenario.tab());
    if (TabSet1->currentIndex() != static_cast<int>(m_scenario.tab())) {
        const QSignalBlocker blocker(TabSet1);
        TabSet1->setCurrentIndex(static_cast<int>(m_scenario.tab()));
    }

    m_tableModel->tableChanged();
    showCurrentCell();
    StringGrid1->FitColumns();
    m_refreshing = wasRefreshing;
}

void TAgentForm::showCurrentCell()
{
    const ResultTable &table = m_scenario.StringGrid1();
    const bool newTable = m_scenario.recalculationCount() != m_shownRecalculation;
    m_shownRecalculation = m_scenario.recalculationCount();
    // On the Agents tab only a row that meets the goal is marked: a new
    // table that no row of meets it, or an empty one, shows from its top
    // with no current row. A row the planner then clicks stays marked.
    if (m_scenario.tab() == Tab::Agents && m_scenario.goalRow() == 0) {
        if (newTable) {
            StringGrid1->clearCurrentTableCell();
            StringGrid1->scrollToTop();
        }
    } else {
        StringGrid1->setCurrentTableCell(table.currentColumn(), table.currentRow());
    }
}

void TAgentForm::Recalculate()
{
    RunHandler(m_dialogs, [this] {
        // An exit whose own recalculation refused the input has just shown
        // the message for these very inputs: it is not shown twice.
        if (m_exitGuard.completePendingExit() != ExitOutcome::Done)
            return;
        syncFieldsToModel();
        m_scenario.SpeedButton2Click();
        refresh();
    });
}

void TAgentForm::SpeedButton1Click()
{
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget()))
        subWindow->close();
    else
        close();
}

bool TAgentForm::hasUnsavedChanges()
{
    return m_fileCommand->hasUnsavedChanges();
}

bool TAgentForm::confirmClose()
{
    return m_exitGuard.closing() || m_fileCommand->confirmClose();
}

void TAgentForm::beginClosing()
{
    m_exitGuard.beginClosing();
    m_scenario.onInvalidInput = nullptr;
}

void TAgentForm::fieldExit(Field f)
{
    m_exitGuard.runFieldExit(f);
}

QWidget *TAgentForm::guardedWindow()
{
    return this;
}

void TAgentForm::closeCellEditor()
{
    StringGrid1->closeCellEditor();
}

bool TAgentForm::frameClosing()
{
    if (!confirmClose())
        return false;
    beginClosing();
    return true;
}

bool TAgentForm::completePendingFieldExit()
{
    return m_exitGuard.completePendingExit() != ExitOutcome::Refused;
}

bool TAgentForm::runExitRule(Field f)
{
    QLineEdit *edit = field(f);
    const bool modified = edit->isModified();
    syncFieldsToModel();
    RecalcResult result;
    switch (f) {
    case Field::Edit1:
        edit->setModified(false);
        result = m_scenario.Edit1Exit(modified);
        break;
    case Field::MaskEdit1:
        edit->setModified(false);
        result = m_scenario.MaskEdit1Exit(modified);
        break;
    case Field::MaskEdit7:
        edit->setModified(false);
        result = m_scenario.MaskEdit7Exit(modified);
        break;
    case Field::MaskEdit4:
        result = m_scenario.MaskEdit4Exit();
        break;
    default:
        // The other fields take effect at the next recalculation.
        return false;
    }
    refresh();
    return result.ran && !result.valid;
}

void TAgentForm::pasteSlotVolumes(const QString &text)
{
    RunHandler(m_dialogs, [&] {
        if (!completePendingFieldExit())
            return;
        syncFieldsToModel();
        if (const auto refusal = SlotVolumePaste::paste(m_scenario, text)) {
            m_dialogs.error(SlotVolumePaste::message(*refusal));
            return;
        }
        refresh();
    });
}

void TAgentForm::StringGrid1SetEditText(int column, int tableRow, const QString &text)
{
    RunHandler(m_dialogs, [&] {
        m_scenario.StringGrid1SetEditText(column, tableRow, text);
        m_tableModel->cellChanged(column, tableRow);
    });
}

void TAgentForm::StringGrid1KeyPress(QChar key)
{
    RunHandler(m_dialogs, [&] {
        syncFieldsToModel();
        const RecalcResult result = m_scenario.StringGrid1KeyPress(key);
        if (result.ran)
            refresh();
    });
}

void TAgentForm::TabSet1Click(int index)
{
    RunHandler(m_dialogs, [&] {
        const Tab tab = index == static_cast<int>(Tab::Schedule) ? Tab::Schedule : Tab::Agents;
        const ExitOutcome exit = m_exitGuard.completePendingExit();
        if (exit == ExitOutcome::Refused) {
            // The tab strip shows the tab that stays.
            refresh();
            return;
        }
        syncFieldsToModel();
        applyTabSettings(tab);
        m_graphLink->tabChanging(tab);
        // The exit's own recalculation has just reported these inputs.
        const auto quiet = m_exitGuard.quietInvalidInput(exit == ExitOutcome::InputRefused);
        m_scenario.TabSet1Click(tab);
        refresh();
    });
}

bool TAgentForm::isInGrid(const QWidget *widget) const
{
    return widget && (widget == StringGrid1 || StringGrid1->isAncestorOf(widget));
}

void TAgentForm::cursorMoved(QWidget *old, QWidget *now)
{
    const bool oldInGrid = isInGrid(old);
    const bool nowInGrid = isInGrid(now);
    if (oldInGrid && !nowInGrid) {
        RunHandler(m_dialogs, [this] {
            StringGrid1->closeCellEditor();
            syncFieldsToModel();
            const RecalcResult result = m_scenario.StringGrid1Exit();
            if (result.ran)
                refresh();
        });
    } else if (nowInGrid && !oldInGrid && QApplication::focusWidget() == now) {
        RunHandler(m_dialogs, [this] {
            m_scenario.StringGrid1Enter();
            m_refreshing = true;
            showCurrentCell();
            m_refreshing = false;
        });
    }
}

void TAgentForm::focusFailingInput(const RecalcResult &result)
{
    QWidget *target = nullptr;
    if (result.failing.isGridRow())
        target = StringGrid1;
    else if (result.failing.isField())
        target = field(result.failing.field());
    if (!target)
        return;
    const FocusMoveInHand inHand(m_services.events);
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (QMdiArea *area = subWindow->mdiArea())
            area->setActiveSubWindow(subWindow);
    }
    if (result.failing.isGridRow()) {
        m_scenario.grid().setCurrentCell(CallsColumn, result.failing.row());
        m_refreshing = true;
        StringGrid1->setCurrentTableCell(CallsColumn, result.failing.row());
        m_refreshing = false;
    }
    target->setFocus(Qt::OtherFocusReason);
    if (result.failing.isField()) {
        // The cursor enters the field anew: its exit is due, Escape goes
        // back to the text it shows now.
        m_exitGuard.restartVisit(result.failing.field());
    }
}

void TAgentForm::closeEvent(QCloseEvent *event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    m_exitGuard.beginClosing();
    m_graphLink->agentClosing();
    event->accept();
}

void TAgentForm::updateGraphCaption()
{
    m_graphLink->updateCaption();
}

// --- graph ---------------------------------------------------------------

void TAgentForm::SpeedButton6Click()
{
    RunHandler(m_dialogs, [this] {
        if (completePendingFieldExit())
            m_graphLink->SpeedButton6Click();
    });
}

// --- printing -----------------------------------------------------------------

void TAgentForm::SpeedButton3Click()
{
    m_services.printing.PrintReport(*this, m_dialogs);
}

// --- scenario files ----------------------------------------------------------

void TAgentForm::SpeedButton4Click()
{
    m_fileCommand->save();
}

void TAgentForm::SpeedButton5Click()
{
    m_fileCommand->load();
}

bool TAgentForm::saveFile(const QString &chosenName)
{
    return m_fileCommand->saveFile(chosenName);
}

bool TAgentForm::openFile(const QString &path)
{
    return m_fileCommand->loadFile(path, true);
}

bool TAgentForm::openStartupFile(const QString &path)
{
    return m_fileCommand->loadFile(path, false);
}

void TAgentForm::setScenarioCaption(const QString &fullPath)
{
    setWindowTitle(Calc::Capitalise(QFileInfo(fullPath).fileName()));
    updateGraphCaption();
}
