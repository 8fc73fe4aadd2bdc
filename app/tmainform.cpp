// SPDX-License-Identifier: MIT
#include "tmainform.h"

#include "agentgraphlink.h"
#include "agentservices.h"
#include "changedscenarios.h"
#include "dialogservice.h"
#include "handlerguard.h"
#include "helpwindow.h"
#include "hint.h"
#include "launchoptions.h"
#include "mainwindowlayout.h"
#include "reopenmenu.h"
#include "reportprintcommand.h"
#include "scenariofiledrop.h"
#include "tabortprint.h"
#include "taboutform.h"
#include "tagentform.h"
#include "toolicons.h"
#include "windowtiling.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSessionManager>
#include <QSettings>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

TMainForm::TMainForm(DialogService &dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_agentServices(std::make_unique<AgentServices>(dialogs))
{
    setWindowTitle(QStringLiteral("Varnook"));
    setProperty("helpContext", TAgentForm::HelpTopic);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);
    resize(630, 451);
    move(260, 78);
    setMinimumSize(420, 300);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setAccessibleName(QStringLiteral("Windows"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Closing a window brings back the one used before it, not the oldest.
    m_mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { updateWindowMenu(); });

    createMenus();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::updatePlanningActions);
    updatePlanningActions();
    createToolBar();
    // Scenario files dropped from the file manager open as on the command line.
    new ScenarioFileDrop(this, [this](const QString &path) { OpenScenarioWindow(path); });

    // FormCreate: the help file beside the executable, the hint panel
    // hooked to the focus, the series colours (filled by their table).
    m_helpFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TOLVAN.HLP");
    connect(qApp, &QApplication::focusChanged, this, &TMainForm::Hinting);
    // The desktop session ending asks as File > Exit does, where the session
    // lets a program ask; Cancel keeps the session from ending.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        if (!manager.allowsInteraction())
            return;
        bool endIt = true;
        RunHandler(m_dialogs, [&] { endIt = AskToSaveChangedScenarios(*m_mdiArea); });
        if (!endIt)
            manager.cancel();
        manager.release();
    });

    setUpReportFonts();

    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] {
        int topic = TAgentForm::HelpTopic;
        if (QMdiSubWindow *child = currentChild(); child && child->widget()) {
            const QVariant context = child->widget()->property("helpContext");
            if (context.isValid())
                topic = context.toInt();
        }
        showHelpTopic(topic);
    });
}

TMainForm::~TMainForm()
{
    m_shuttingDown = true;
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    // The child windows go after this object's own members: their last
    // activations must not reach the Window menu.
    m_mdiArea->disconnect(this);
    const QList<QMdiSubWindow *> children = m_mdiArea->subWindowList();
    for (QMdiSubWindow *child : children) {
        child->disconnect(this);
        if (child->widget())
            child->widget()->disconnect(this);
    }
    // The agent windows go while what they share is still there, also those
    // closed and waiting to be deleted.
    const QList<QMdiSubWindow *> frames = m_mdiArea->findChildren<QMdiSubWindow *>();
    for (const QPointer<QMdiSubWindow> &frame : QList<QPointer<QMdiSubWindow>>(frames.cbegin(), frames.cend()))
        delete frame.data();
}

void TMainForm::createMenus()
{
    menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(file->addAction(QStringLiteral("New A&gent Window")), &QAction::triggered, this,
            [this] { NewAgentWindow1Click(); });
    m_reopenMenu = new ReopenMenu(file->addMenu(QStringLiteral("Re&open")), m_dialogs, this);
    connect(m_reopenMenu, &ReopenMenu::openRequested, this, [this](const QString &path) { ReopenScenarioWindow(path); });
    connect(file, &QMenu::aboutToShow, m_reopenMenu, &ReopenMenu::refresh);
    connect(file->addAction(QStringLiteral("&Recalculate")), &QAction::triggered, this, [this] { Recalculate1Click(); });
    // The planning commands act on the active agent window; "Re&open" has
    // the O, so the options take the P. Menu items carry no shortcut key:
    // the agent window has its own (Ctrl+Shift+O).
    m_planningAction = file->addAction(QStringLiteral("&Planning Options..."));
    connect(m_planningAction, &QAction::triggered, this, [this] { PlanningOptions1Click(); });
    m_rosterAction = file->addAction(QStringLiteral("Ro&ster Columns"));
    m_rosterAction->setCheckable(true);
    connect(m_rosterAction, &QAction::triggered, this, [this](bool checked) { RosterColumns1Click(checked); });
    m_importIntervalsAction = file->addAction(QStringLiteral("&Import Intervals..."));
    connect(m_importIntervalsAction, &QAction::triggered, this, [this] { ImportIntervals1Click(); });
    m_slotTimesAction = file->addAction(QStringLiteral("Slot &Time Columns"));
    m_slotTimesAction->setCheckable(true);
    connect(m_slotTimesAction, &QAction::triggered, this, [this](bool checked) { SlotTimeColumns1Click(checked); });
    connect(file, &QMenu::aboutToShow, this, &TMainForm::updatePlanningActions);
    connect(file->addAction(QStringLiteral("&Close")), &QAction::triggered, this, [this] { Close1Click(); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, this, [this] { Exit1Click(); });

    m_windowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    m_tileAction = new QAction(QStringLiteral("&Tile"), this);
    m_cascadeAction = new QAction(QStringLiteral("&Cascade"), this);
    connect(m_tileAction, &QAction::triggered, this, [this] { Tile2Click(); });
    connect(m_cascadeAction, &QAction::triggered, this, [this] { Cascade2Click(); });
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::updateWindowMenu);
    updateWindowMenu();

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(helpMenu->addAction(QStringLiteral("&Contents")), &QAction::triggered, this, [this] { Contents1Click(); });
    connect(helpMenu->addAction(QStringLiteral("&Index")), &QAction::triggered, this, [this] { TopicSearch1Click(); });
    helpMenu->addSeparator();
    connect(helpMenu->addAction(QStringLiteral("&About")), &QAction::triggered, this, [this] { About1Click(); });
}

void TMainForm::createToolBar()
{
    auto *panel1 = new QToolBar(QStringLiteral("Tool bar"), this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setAccessibleName(QStringLiteral("Tool bar"));
    panel1->setMovable(false);
    panel1->setFloatable(false);
    panel1->toggleViewAction()->setVisible(false);
    panel1->setIconSize(QSize(18, 18));
    auto makeButton = [panel1](ToolIcon icon, const QString &hint) {
        auto *button = new QToolButton(panel1);
        // The icon theme is looked up once the window shows: the first
        // look-up costs several milliseconds of start-up.
        QMetaObject::invokeMethod(
            button, [button, icon] { button->setIcon(MakeToolIcon(icon)); }, Qt::QueuedConnection);
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setAutoRaise(true);
        button->setMinimumSize(25, 25);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    SpeedButton1 = makeButton(ToolIcon::NewWindow, QStringLiteral("New Agents window"));
    SpeedButton4 = makeButton(ToolIcon::ExitProgram, QStringLiteral("Close Varnook"));
    panel1->addWidget(SpeedButton1);
    panel1->addWidget(SpeedButton4);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { NewAgentWindow1Click(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });

    auto *spacer = new QWidget(panel1);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    panel1->addWidget(spacer);

    Panel2 = new QLabel(panel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    // A screen reader reads the focused control's hint as its description;
    // the panel that repeats it on screen is named for what it is.
    Panel2->setAccessibleName(QStringLiteral("Hint panel"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel2->setMinimumSize(200, 23);
    Panel2->setMaximumWidth(457);
    Panel2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont hintFont(QStringLiteral("Arial"));
    hintFont.setPixelSize(13);
    Panel2->setFont(hintFont);
    panel1->addWidget(Panel2);
    // The hint in the system's highlight colour, in every state of the
    // window (a palette set on the label alone gave way to the tool bar's).
    Panel2->setStyleSheet(QStringLiteral("QLabel#Panel2 { color: palette(highlight); }"));
    addToolBar(Qt::TopToolBarArea, panel1);
    // The tool bar's own button for what does not fit (shown only then).
    if (auto *more = panel1->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More tools"));
}

void TMainForm::setUpReportFonts()
{
    // The labels are designed at 96 pixels per inch and scaled to the
    // screen like the rest of the window, so the report's point sizes (14,
    // 12 and 10) do not depend on the screen. The two header fonts print in
    // the colour of the child-window area's background.
    const QScreen *s = screen();
    const double screenPixelsPerInch = s ? s->logicalDotsPerInchY() : DesignPixelsPerInch;
    auto label = [screenPixelsPerInch](const char *family, bool bold, int designHeight) {
        QFont font{QString::fromLatin1(family)};
        font.setBold(bold);
        font.setPixelSize(ScaledPixelHeight(designHeight, screenPixelsPerInch));
        return font;
    };
    const QColor workspace = m_mdiArea->background().color();
    PageHeaderFont = {label("Times New Roman", true, 19), workspace};
    ReportHeaderFont = {label("Times New Roman", true, 16), workspace};
    BodyFont = {label("Arial", false, 13), QColor(Qt::black)};
    m_agentServices->printing.setFonts({CopyLabelFont(PageHeaderFont.font, PageHeaderFont.colour, screenPixelsPerInch),
                                  CopyLabelFont(ReportHeaderFont.font, ReportHeaderFont.colour, screenPixelsPerInch),
                                  CopyLabelFont(BodyFont.font, BodyFont.colour, screenPixelsPerInch)});
}

void TMainForm::startUp(const QStringList &arguments)
{
    if (!AbortPrint) {
        AbortPrint = new TAbortPrint(this);
        AbortPrint->hide();
        m_agentServices->printing.setPrintingDialog(AbortPrint);
    }
    if (!AboutForm) {
        AboutForm = new TAboutForm(this);
        AboutForm->hide();
    }
    const QStringList files = ParseLaunchOptions(arguments).files;
    if (!files.isEmpty())
        OpenScenarioWindow(files.first());
}

QList<TAgentForm *> TMainForm::agentForms() const
{
    QList<TAgentForm *> forms;
    for (QMdiSubWindow *child : m_mdiArea->subWindowList()) {
        if (auto *form = qobject_cast<TAgentForm *>(child->widget()))
            forms.append(form);
    }
    return forms;
}

void TMainForm::makeRoomFor(const QSize &childSize)
{
    // A frame grows, within the screen, until a new child window fits its
    // client area: the designed sizes are too small for the fonts of many
    // desktops. The margin allows for the menu, tool bar and child frame.
    if (isMaximized() || isFullScreen())
        return;
    QSize wanted = size().expandedTo(childSize + QSize(24, 110));
    if (const QScreen *s = screen())
        wanted = wanted.boundedTo(s->availableGeometry().size());
    if (wanted != size())
        resize(wanted.expandedTo(size()));
}

TAgentForm *TMainForm::NewAgentWindow1Click()
{
    TAgentForm *created = nullptr;
    RunHandler(m_dialogs, [&] {
        auto *form = new TAgentForm(*m_agentServices);
        connect(form, &TAgentForm::hintPanelClearRequested, Panel2, &QLabel::clear);
        connect(form, &TAgentForm::hintPanelTextRequested, Panel2, &QLabel::setText);
        connect(form, &TAgentForm::scenarioFileUsed, m_reopenMenu, &ReopenMenu::add);
        form->graphLink()->setColours(&SeriesColours);
        // The designed size, widened where the fonts of this desktop need
        // more room, so that no label is cut.
        const QSize childSize = QSize(603, 348).expandedTo(form->sizeHint() + QSize(12, 34))
                                    .expandedTo(form->minimumSizeHint() + QSize(12, 34));
        makeRoomFor(childSize);
        QMdiSubWindow *child = m_mdiArea->addSubWindow(form);
        child->setAttribute(Qt::WA_DeleteOnClose);
        // A click on no control (a blank part, a tool button) leaves the
        // cursor where it is: the frame does not take it on its way to the
        // child's last focus (and a field's exit does not run twice).
        child->setFocusPolicy(Qt::NoFocus);
        child->resize(childSize.expandedTo(child->minimumSizeHint()));
        connect(form, &QWidget::windowTitleChanged, this, [this] { updateWindowMenu(); });
        connect(child, &QObject::destroyed, this, [this] { updateWindowMenu(); }, Qt::QueuedConnection);
        child->show();
        KeepInside(child, m_mdiArea->viewport()->rect());
        m_mdiArea->setActiveSubWindow(child);
        // The first field in the tab order takes the cursor.
        form->field(Field::MaskEdit5)->setFocus(Qt::OtherFocusReason);
        updateWindowMenu();
        created = form;
    });
    return created;
}

TAgentForm *TMainForm::OpenScenarioWindow(const QString &path)
{
    TAgentForm *form = NewAgentWindow1Click();
    if (form)
        RunHandler(m_dialogs, [&] { form->openStartupFile(path); });
    return form;
}

void TMainForm::openHandedOverFiles(const QStringList &paths, bool activate)
{
    // Out of the task bar, keeping a maximized window maximized.
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | (activate ? Qt::WindowActive : Qt::WindowNoState));
    raise();
    if (activate)
        activateWindow();
    for (const QString &path : paths)
        OpenScenarioWindow(path);
}

TAgentForm *TMainForm::ReopenScenarioWindow(const QString &path)
{
    TAgentForm *form = NewAgentWindow1Click();
    if (form)
        RunHandler(m_dialogs, [&] { form->openFile(path); });
    return form;
}

void TMainForm::useSettings(QSettings *settings, bool resetLayout)
{
    m_settings = settings;
    m_reopenMenu->setSettings(settings);
    if (!settings)
        return;
    if (resetLayout)
        MainWindowLayout::forget(*settings);
    else
        MainWindowLayout::restore(*this, *settings);
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip && !m_shuttingDown) {
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        // Leaving the item puts back what the panel showed before.
        if (!tip.isEmpty()) {
            if (!m_panelTextBeforeTip)
                m_panelTextBeforeTip = Panel2->text();
            Panel2->setText(tip);
        } else if (m_panelTextBeforeTip) {
            Panel2->setText(*m_panelTextBeforeTip);
            m_panelTextBeforeTip.reset();
        }
        return true;
    }
    return QMainWindow::event(event);
}

QMdiSubWindow *TMainForm::currentChild() const
{
    // The current child even while the main window itself is not active.
    return m_mdiArea->currentSubWindow();
}

void TMainForm::Recalculate1Click()
{
    QMdiSubWindow *child = currentChild();
    if (!child)
        return;
    if (auto *form = qobject_cast<TAgentForm *>(child->widget()))
        form->Recalculate();
}

TAgentForm *TMainForm::activeAgentForm() const
{
    QMdiSubWindow *child = currentChild();
    return child ? qobject_cast<TAgentForm *>(child->widget()) : nullptr;
}

void TMainForm::PlanningOptions1Click()
{
    if (TAgentForm *form = activeAgentForm())
        form->PlanningOptions1Click();
    updatePlanningActions();
}

void TMainForm::RosterColumns1Click(bool checked)
{
    if (TAgentForm *form = activeAgentForm())
        form->setRosterColumns(checked);
    updatePlanningActions();
}

void TMainForm::ImportIntervals1Click()
{
    if (TAgentForm *form = activeAgentForm())
        form->importIntervals();
    updatePlanningActions();
}

void TMainForm::SlotTimeColumns1Click(bool checked)
{
    if (TAgentForm *form = activeAgentForm())
        form->setSlotTimesColumns(checked);
    updatePlanningActions();
}

void TMainForm::updatePlanningActions()
{
    // Kept current while the menu is closed too: a test or a screen reader
    // reads the commands' state at any time.
    TAgentForm *form = activeAgentForm();
    m_planningAction->setEnabled(form != nullptr);
    m_rosterAction->setEnabled(form != nullptr);
    m_rosterAction->setChecked(form && form->scenario().inputs().rosterColumnsShown());
    m_importIntervalsAction->setEnabled(form != nullptr);
    m_slotTimesAction->setEnabled(form != nullptr);
    m_slotTimesAction->setChecked(form && form->scenario().inputs().slotTimesColumnsShown());
}

void TMainForm::Close1Click()
{
    if (QMdiSubWindow *child = currentChild())
        child->close();
}

void TMainForm::Exit1Click()
{
    m_ending = true;
    close();
}

void TMainForm::SpeedButton4Click()
{
    RunHandler(m_dialogs, [this] {
        if (!m_mdiArea->subWindowList().isEmpty() && !m_dialogs.confirm(QStringLiteral("Exit Varnook?")))
            return;
        m_ending = true;
        close();
    });
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool endIt = true;
    RunHandler(m_dialogs, [&] {
        if (!m_ending && !m_mdiArea->subWindowList().isEmpty())
            endIt = m_dialogs.confirm(QStringLiteral("Exit Varnook?"));
        // However Varnook ends, a changed scenario file is not lost.
        if (endIt)
            endIt = AskToSaveChangedScenarios(*m_mdiArea);
    });
    if (!endIt) {
        m_ending = false;
        event->ignore();
        return;
    }
    m_shuttingDown = true;
    if (m_settings)
        MainWindowLayout::save(*this, *m_settings);
    if (AboutForm)
        AboutForm->hide();
    if (m_helpWindow)
        m_helpWindow->close();
    event->accept();
}

void TMainForm::Tile2Click()
{
    // Horizontal tiling: the child windows one above the other, each the
    // full width of the workspace (a grid of tiles would put windows that
    // cannot be made narrow enough partly out of view). No window is made
    // smaller than its minimum size: windows that do not fit run on below,
    // and the workspace's scroll bars reach them.
    QList<QMdiSubWindow *> children;
    QList<QSize> minimumSizes;
    for (QMdiSubWindow *child : m_mdiArea->subWindowList()) {
        if (child->isVisible() && !child->isMinimized()) {
            children.append(child);
            minimumSizes.append(child->minimumSizeHint().expandedTo(child->minimumSize()));
        }
    }
    // From the workspace's top, wherever it is scrolled to.
    QRect area = m_mdiArea->viewport()->rect();
    if (QScrollBar *bar = m_mdiArea->verticalScrollBar())
        bar->setValue(bar->minimum());
    if (QScrollBar *bar = m_mdiArea->horizontalScrollBar())
        bar->setValue(bar->minimum());
    QList<QRect> tiles = HorizontalTiles(area, minimumSizes);
    if (!tiles.isEmpty() && tiles.constLast().bottom() > area.bottom()) {
        // The vertical scroll bar that will show takes its width off the tiles.
        area.setWidth(area.width() - m_mdiArea->verticalScrollBar()->sizeHint().width());
        tiles = HorizontalTiles(area, minimumSizes);
    }
    for (int i = 0; i < children.size(); ++i) {
        if (children.at(i)->isMaximized())
            children.at(i)->showNormal();
        children.at(i)->setGeometry(tiles.at(i));
    }
}

void TMainForm::Cascade2Click()
{
    m_mdiArea->cascadeSubWindows();
}

void TMainForm::updateWindowMenu()
{
    m_windowMenu->clear();
    m_windowMenu->addAction(m_tileAction);
    m_windowMenu->addAction(m_cascadeAction);
    const QList<QMdiSubWindow *> children = m_mdiArea->subWindowList();
    if (children.isEmpty())
        return;
    m_windowMenu->addSeparator();
    delete m_windowListGroup;
    m_windowListGroup = new QActionGroup(this);
    QActionGroup *group = m_windowListGroup;
    QMdiSubWindow *active = currentChild();
    int number = 1;
    for (QMdiSubWindow *child : children) {
        const QString caption = child->widget() ? child->widget()->windowTitle() : child->windowTitle();
        const QString text = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption)
                                         : QStringLiteral("%1 %2").arg(number).arg(caption);
        QAction *action = m_windowMenu->addAction(text);
        action->setCheckable(true);
        action->setChecked(child == active);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, child] {
            if (m_mdiArea->subWindowList().contains(child))
                m_mdiArea->setActiveSubWindow(child);
        });
        ++number;
    }
}

bool TMainForm::ensureHelpWindow()
{
    if (m_helpWindow)
        return true;
    // A help engine on a missing file would create an empty one there.
    if (!QFileInfo::exists(m_helpFile)) {
        m_dialogs.error(QStringLiteral("The help file \"%1\" is missing; help cannot be shown").arg(m_helpFile));
        return false;
    }
    m_helpWindow = new HelpWindow(m_helpFile, this);
    return true;
}

void TMainForm::Contents1Click()
{
    RunHandler(m_dialogs, [this] {
        if (ensureHelpWindow())
            m_helpWindow->showContents();
    });
}

void TMainForm::TopicSearch1Click()
{
    // The same finder as Contents, with its keyword index in front.
    RunHandler(m_dialogs, [this] {
        if (ensureHelpWindow())
            m_helpWindow->showIndex();
    });
}

void TMainForm::showHelpTopic(int topic)
{
    RunHandler(m_dialogs, [this, topic] {
        if (!ensureHelpWindow())
            return;
        if (!m_helpWindow->showTopic(topic))
            m_dialogs.error(QStringLiteral("The help file \"%1\" has no topic %2").arg(m_helpFile).arg(topic));
    });
}

void TMainForm::About1Click()
{
    if (!AboutForm)
        AboutForm = new TAboutForm(this);
    AboutForm->show();
    AboutForm->raise();
    AboutForm->activateWindow();
}

void TMainForm::Hinting(QWidget *, QWidget *now)
{
    if (m_shuttingDown)
        return;
    m_panelTextBeforeTip.reset();
    Panel2->setText(now ? HintOf(now) : QString());
}
