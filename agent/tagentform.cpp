// SPDX-License-Identifier: MIT
#include "tagentform.h"

#include "agentgraphlink.h"
#include "dialogservice.h"
#include "filenames.h"
#include "graphglyphs.h"
#include "gridclipboard.h"
#include "handlerguard.h"
#include "hint.h"
#include "maskedfield.h"
#include "reportprintcommand.h"
#include "resulttablemodel.h"
#include "scenariofile.h"
#include "slotvolumepaste.h"
#include "tlumstringgrid.h"
#include "toolicons.h"

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
#include <QShortcut>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// While a window moves the focus itself (to a failing field, or back into a
// field that may not be left), the controls the focus passes through do not
// run their exit rules. Shared by all agent windows: the focus may move from
// one window into another.
int s_focusMovesInHand = 0;

struct FocusMoveInHand
{
    FocusMoveInHand() { ++s_focusMovesInHand; }
    ~FocusMoveInHand() { --s_focusMovesInHand; }
    FocusMoveInHand(const FocusMoveInHand &) = delete;
    FocusMoveInHand &operator=(const FocusMoveInHand &) = delete;
};

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

const QString GridScheduleHint = QStringLiteral("Enter the call volume, use the arrow keys to advance");
const QString InvalidInputMessage = QStringLiteral("Invalid input! - Cursor is positioned in failing field");
const QString RefusedExitMessage = QStringLiteral("Invalid input value.  Use escape key to abandon changes");

FileDialogSetup scenarioDialogSetup(const QString &scenarioFileName)
{
    // A comparison directory that matches no path: the initial folder is
    // the whole file name (there are no drive letters here).
    const QString noDirectory = QString(QChar(1));
    FileDialogSetup setup;
    setup.initialFolder = Calc::RelativePath(scenarioFileName, noDirectory);
    setup.defaultSuffix = QStringLiteral("vnk");
    setup.filters = QStringList{QStringLiteral("VNK files (*.vnk)"), QStringLiteral("Text files (*.txt)")};
    return setup;
}

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

TAgentForm::TAgentForm(DialogService &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("New Agents"));
    setProperty("helpContext", 4);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);

    buildWidgets();
    m_graphLink = new AgentGraphLink(*this, m_dialogs);

    m_scenario.onInvalidInput = [this](const RecalcResult &result) {
        focusNamedControl(result.failingField, result.failingRow);
        m_dialogs.inform(InvalidInputMessage);
    };

    applyTabSettings(Tab::Agents);
    refresh();
    connect(qApp, &QApplication::focusChanged, this, &TAgentForm::onFocusChanged);
}

TAgentForm::~TAgentForm()
{
    // Children still lose the focus while this window is torn down.
    m_closing = true;
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    m_scenario.onInvalidInput = nullptr;
    delete m_graphLink; // it closes the graph window
}

void TAgentForm::buildWidgets()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Tool bar.
    auto *panel1 = new QFrame(this);
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
    outer->addWidget(panel1);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { Recalculate(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    // Keyboard ways to the buttons that have no menu item.
    auto *saveKey = new QShortcut(QKeySequence::Save, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(saveKey, &QShortcut::activated, this, [this] { SpeedButton4Click(); });
    auto *openKey = new QShortcut(QKeySequence::Open, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(openKey, &QShortcut::activated, this, [this] { SpeedButton5Click(); });

    // Input panel.
    auto *panel2 = new QFrame(this);
    panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *grid = new QGridLayout(panel2);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    QFont fieldFont = font();
    fieldFont.setBold(true);
    const QFontMetrics fieldMetrics(fieldFont);
    auto makeField = [&](Field field, int designWidth, const QString &widest) {
        auto *edit = new QLineEdit(panel2);
        edit->setObjectName(ComponentName(field));
        edit->setFont(fieldFont);
        const QString mask = QtInputMask(field);
        if (!mask.isEmpty())
            edit->setInputMask(mask);
        if (MaxLength(field) > 0)
            edit->setMaxLength(MaxLength(field));
        edit->setText(DefaultText(field));
        edit->setFixedWidth(std::max(designWidth, fieldMetrics.horizontalAdvance(widest) + 16));
        SetHint(edit, QString::fromLatin1(hints[static_cast<int>(field)]));
        edit->installEventFilter(this);
        m_fields[static_cast<std::size_t>(field)] = edit;
        m_textBeforeEdit[static_cast<std::size_t>(field)] = DefaultText(field);
        return edit;
    };
    QLineEdit *maskEdit5 = makeField(Field::MaskEdit5, 33, QStringLiteral("00"));
    QLineEdit *maskEdit6 = makeField(Field::MaskEdit6, 29, QStringLiteral("00"));
    QLineEdit *edit1 = makeField(Field::Edit1, 53, QStringLiteral("000000"));
    QLineEdit *maskEdit1 = makeField(Field::MaskEdit1, 53, QStringLiteral("00:00"));
    QLineEdit *maskEdit7 = makeField(Field::MaskEdit7, 53, QStringLiteral("00:00"));
    QLineEdit *maskEdit2 = makeField(Field::MaskEdit2, 53, QStringLiteral("00:00"));
    QLineEdit *maskEdit3 = makeField(Field::MaskEdit3, 53, QStringLiteral("00:00"));
    QLineEdit *maskEdit4 = makeField(Field::MaskEdit4, 53, QStringLiteral("00:00"));

    auto buddy = [](QLabel *label, QWidget *widget) {
        label->setBuddy(widget);
        return label;
    };
    grid->addWidget(buddy(makeLabel(QStringLiteral("Service level goal:"), true, panel2), maskEdit5), 0, 0);
    grid->addWidget(maskEdit5, 0, 1);
    grid->addWidget(makeLabel(QStringLiteral("% in"), true, panel2), 0, 2);
    grid->addWidget(maskEdit6, 0, 3);
    grid->addWidget(makeLabel(QStringLiteral("secs"), true, panel2), 0, 4);

    grid->addWidget(buddy(makeLabel(QStringLiteral("Number of calls:"), true, panel2), edit1), 1, 0);
    grid->addWidget(edit1, 1, 1, 1, 3, Qt::AlignLeft);

    grid->addWidget(buddy(makeLabel(QStringLiteral("Arrival time (hh:mm):"), true, panel2), maskEdit1), 2, 0);
    grid->addWidget(maskEdit1, 2, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(makeLabel(QStringLiteral("to"), true, panel2), 2, 3, Qt::AlignRight);
    grid->addWidget(maskEdit7, 2, 4, 1, 2, Qt::AlignLeft);

    grid->addWidget(makeLabel(QStringLiteral("Total time:"), false, panel2), 3, 0);
    StaticText1 = makeLabel(QString(), false, panel2);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    grid->addWidget(StaticText1, 3, 1, 1, 4, Qt::AlignLeft);

    grid->setColumnMinimumWidth(6, 16);
    grid->setColumnStretch(6, 1);
    grid->addWidget(buddy(makeLabel(QStringLiteral("Call talk time (mm:ss):"), true, panel2), maskEdit2), 0, 7);
    grid->addWidget(maskEdit2, 0, 8, Qt::AlignLeft);
    grid->addWidget(buddy(makeLabel(QStringLiteral("After call work time:"), true, panel2), maskEdit3), 1, 7);
    grid->addWidget(maskEdit3, 1, 8, Qt::AlignLeft);
    grid->addWidget(buddy(makeLabel(QStringLiteral("Wait before abandon:"), true, panel2), maskEdit4), 2, 7);
    grid->addWidget(maskEdit4, 2, 8, Qt::AlignLeft);

    Label5 = makeLabel(QStringLiteral("Time slots:"), true, panel2);
    Label5->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(Label5, 3, 7);
    Bevel1 = new QFrame(panel2);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
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
    grid->addWidget(Bevel1, 3, 8, 1, 2, Qt::AlignLeft);
    auto slotClick = [this] {
        RunHandler(m_dialogs, [this] {
            syncFieldsToModel();
            m_scenario.setRadioButtons(RadioButton1->isChecked(), RadioButton2->isChecked());
            m_scenario.RadioButton1Click();
            refresh();
        });
    };
    connect(RadioButton1, &QRadioButton::clicked, this, slotClick);
    connect(RadioButton2, &QRadioButton::clicked, this, slotClick);
    outer->addWidget(panel2);

    // Result area.
    auto *panel3 = new QFrame(this);
    panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *resultLayout = new QVBoxLayout(panel3);
    resultLayout->setContentsMargins(2, 2, 2, 2);
    StringGrid1 = new TLumStringGrid(panel3);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setTextAlign(TLumStringGrid::TextAlign::Right);
    m_tableModel = new ResultTableModel(m_scenario.grid(), this);
    StringGrid1->setResultModel(m_tableModel);
    resultLayout->addWidget(StringGrid1);
    outer->addWidget(panel3, 1);
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

    // Tab strip.
    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    QFont tabFont = TabSet1->font();
    tabFont.setPixelSize(11);
    TabSet1->setFont(tabFont);
    TabSet1->addTab(QStringLiteral("Agents"));
    TabSet1->addTab(QStringLiteral("Schedule"));
    outer->addWidget(TabSet1);
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int index) { TabSet1Click(index); });

    setTabOrder(maskEdit5, maskEdit6);
    setTabOrder(maskEdit6, edit1);
    setTabOrder(edit1, maskEdit1);
    setTabOrder(maskEdit1, maskEdit7);
    setTabOrder(maskEdit7, maskEdit2);
    setTabOrder(maskEdit2, maskEdit3);
    setTabOrder(maskEdit3, maskEdit4);
    setTabOrder(maskEdit4, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, StringGrid1);
    setTabOrder(StringGrid1, TabSet1);
    setFocusProxy(maskEdit5);
    // The layout's own minimum keeps every label whole; the grid may shrink
    // to a few rows.
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
    QPalette palette = Label5->palette();
    palette.setColor(QPalette::WindowText, schedule ? QColor(Qt::black) : QColor(128, 128, 128));
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
            edit->setText(text);
            m_textBeforeEdit[static_cast<std::size_t>(i)] = text;
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
    const ResultTable &table = m_scenario.StringGrid1();
    StringGrid1->setCurrentTableCell(table.currentColumn(), table.currentRow());
    StringGrid1->FitColumns();
    m_refreshing = wasRefreshing;
}

void TAgentForm::Recalculate()
{
    RunHandler(m_dialogs, [this] {
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

void TAgentForm::fieldExit(Field f)
{
    RunHandler(m_dialogs, [this, f] {
        QLineEdit *edit = field(f);
        if (IsMaskedField(f) && edit->isModified() && !edit->hasAcceptableInput()) {
            refuseExit(f);
            return;
        }
        const bool modified = edit->isModified();
        syncFieldsToModel();
        switch (f) {
        case Field::Edit1:
            edit->setModified(false);
            m_scenario.Edit1Exit(modified);
            break;
        case Field::MaskEdit1:
            edit->setModified(false);
            m_scenario.MaskEdit1Exit(modified);
            break;
        case Field::MaskEdit7:
            edit->setModified(false);
            m_scenario.MaskEdit7Exit(modified);
            break;
        case Field::MaskEdit4:
            m_scenario.MaskEdit4Exit();
            break;
        default:
            // The other fields take effect at the next recalculation.
            return;
        }
        if (!edit->isModified())
            m_textBeforeEdit[static_cast<std::size_t>(f)] = FieldText(*edit, f);
        refresh();
    });
}

bool TAgentForm::completePendingFieldExit()
{
    // The window's own focus widget: the field keeps that role while a tool
    // button or another window has the keyboard.
    Field f;
    if (!fieldOf(focusWidget(), &f) || !field(f)->isModified())
        return true;
    const bool refused = IsMaskedField(f) && !field(f)->hasAcceptableInput();
    fieldExit(f);
    return !refused;
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

void TAgentForm::refuseExit(Field f)
{
    QLineEdit *edit = field(f);
    {
        const FocusMoveInHand inHand;
        edit->setFocus(Qt::OtherFocusReason);
    }
    const int position = FirstMissingRequiredDigit(*edit, f);
    edit->deselect();
    if (position >= 0)
        edit->setCursorPosition(position);
    QApplication::beep();
    m_dialogs.error(RefusedExitMessage);
    if (position >= 0)
        edit->setCursorPosition(position);
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
        const Tab tab = index == 1 ? Tab::Schedule : Tab::Agents;
        syncFieldsToModel();
        applyTabSettings(tab);
        m_graphLink->tabChanging(tab);
        m_scenario.TabSet1Click(tab);
        refresh();
    });
}

bool TAgentForm::isInGrid(const QWidget *widget) const
{
    return widget && (widget == StringGrid1 || StringGrid1->isAncestorOf(widget));
}

bool TAgentForm::fieldOf(const QObject *object, Field *f) const
{
    for (int i = 0; i < FieldCount; ++i) {
        if (m_fields[static_cast<std::size_t>(i)] == object) {
            *f = static_cast<Field>(i);
            return true;
        }
    }
    return false;
}

void TAgentForm::onFocusChanged(QWidget *old, QWidget *now)
{
    // A message box or another top-level window taking the focus is not
    // leaving a control; nor is the focus moving away from the program.
    if (s_focusMovesInHand > 0 || m_closing || !now || !old || now->window() != old->window())
        return;
    Field f;
    if (fieldOf(old, &f))
        fieldExit(f);
    const bool oldInGrid = isInGrid(old);
    const bool nowInGrid = isInGrid(now);
    if (oldInGrid && !nowInGrid) {
        RunHandler(m_dialogs, [this] {
            syncFieldsToModel();
            const RecalcResult result = m_scenario.StringGrid1Exit();
            if (result.ran)
                refresh();
        });
    } else if (nowInGrid && !oldInGrid && QApplication::focusWidget() == now) {
        RunHandler(m_dialogs, [this] {
            m_scenario.StringGrid1Enter();
            const ResultTable &table = m_scenario.StringGrid1();
            m_refreshing = true;
            StringGrid1->setCurrentTableCell(table.currentColumn(), table.currentRow());
            m_refreshing = false;
        });
    }
}

void TAgentForm::focusNamedControl(const QString &name, int row)
{
    if (name.isEmpty())
        return;
    QWidget *target = nullptr;
    if (name == QLatin1String("StringGrid1")) {
        target = StringGrid1;
    } else {
        for (int i = 0; i < FieldCount; ++i) {
            if (ComponentName(static_cast<Field>(i)) == name)
                target = m_fields[static_cast<std::size_t>(i)];
        }
    }
    if (!target)
        return;
    const FocusMoveInHand inHand;
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        if (QMdiArea *area = subWindow->mdiArea())
            area->setActiveSubWindow(subWindow);
    }
    if (target == StringGrid1 && row > 0) {
        m_scenario.grid().setCurrentCell(1, row);
        m_refreshing = true;
        StringGrid1->setCurrentTableCell(1, row);
        m_refreshing = false;
    }
    target->setFocus(Qt::OtherFocusReason);
}

bool TAgentForm::eventFilter(QObject *watched, QEvent *event)
{
    Field f;
    if (event->type() == QEvent::KeyPress && fieldOf(watched, &f) && IsMaskedField(f)) {
        auto *key = static_cast<QKeyEvent *>(event);
        QLineEdit *edit = field(f);
        if (key->key() == Qt::Key_Escape && edit->isModified()) {
            // Escape abandons the edit: the text from before it comes back.
            edit->setText(m_textBeforeEdit[static_cast<std::size_t>(f)]);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn && fieldOf(watched, &f)) {
        QLineEdit *edit = field(f);
        if (!edit->isModified())
            m_textBeforeEdit[static_cast<std::size_t>(f)] = FieldText(*edit, f);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::MouseFocusReason && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // A field reached from the keyboard (or given the cursor by the
            // program) has its whole text selected, so that typing replaces
            // it; a masked field would otherwise put the cursor after its
            // last digit, where typing does nothing.
            static_cast<QObject *>(edit)->event(event);
            edit->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TAgentForm::closeEvent(QCloseEvent *event)
{
    m_closing = true;
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
    ReportPrintCommand::PrintReport(*this, m_dialogs);
}

// --- scenario files ----------------------------------------------------------

void TAgentForm::SpeedButton4Click()
{
    RunHandler(m_dialogs, [this] {
        const QString chosen = m_dialogs.chooseSaveFile(scenarioDialogSetup(ScenarioFileName));
        if (!chosen.isEmpty())
            saveFile(chosen);
    });
}

void TAgentForm::SpeedButton5Click()
{
    RunHandler(m_dialogs, [this] {
        const QString chosen = m_dialogs.chooseOpenFile(scenarioDialogSetup(ScenarioFileName));
        if (!chosen.isEmpty())
            openFile(chosen);
    });
}

bool TAgentForm::saveFile(const QString &chosenName)
{
    const QString fullPath = QFileInfo(chosenName).absoluteFilePath();
    // The window's own file asks no question. Letter case only makes two
    // names one file where the file system ignores it; here, "DAY.VNK" and
    // "day.vnk" can be two files, and replacing the other one must be asked.
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    const Qt::CaseSensitivity fileNameCase = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity fileNameCase = Qt::CaseSensitive;
#endif
    const bool ownFile = fullPath.compare(ScenarioFileName, fileNameCase) == 0;
    if (!ownFile && QFileInfo::exists(fullPath)) {
        if (!m_dialogs.warnYesNo(QStringLiteral("Overwrite file ") + chosenName + QLatin1Char('?')))
            return false;
    }
    syncFieldsToModel();
    const SaveResult result = SaveScenario(m_scenario, fullPath);
    refresh();
    if (!result.ok) {
        // The old file is untouched and the window keeps its old name.
        m_dialogs.error(result.message);
        return false;
    }
    ScenarioFileName = fullPath;
    setScenarioCaption(fullPath);
    return true;
}

bool TAgentForm::openFile(const QString &path)
{
    return loadFile(path, true);
}

bool TAgentForm::openStartupFile(const QString &path)
{
    return loadFile(path, false);
}

bool TAgentForm::loadFile(const QString &path, bool setFileName)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    syncFieldsToModel();
    const LoadResult result = LoadScenario(m_scenario, fullPath);
    refresh();
    if (!result.applied()) {
        m_dialogs.error(result.message);
        return false;
    }
    for (QLineEdit *edit : m_fields)
        edit->setModified(false);
    if (setFileName)
        ScenarioFileName = fullPath;
    setScenarioCaption(fullPath);
    return true;
}

void TAgentForm::setScenarioCaption(const QString &fullPath)
{
    setWindowTitle(Calc::Capitalise(QFileInfo(fullPath).fileName()));
    updateGraphCaption();
}
