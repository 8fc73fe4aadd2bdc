// SPDX-License-Identifier: MIT
#include "tmainform.h"

#include "agentgraphlink.h"
#include "agentservices.h"
#include "agentwindowplacement.h"
#include "changedscenarios.h"
#include "dialogservice.h"
#include "forecastwindows.h"
#include "handlerguard.h"
#include "helpcommands.h"
#include "helpwindow.h"
#include "launchoptions.h"
#include "mainmenus.h"
#include "maintoolbar.h"
#include "mainwindowlayout.h"
#include "planningmenuactions.h"
#include "slottimescommand.h"
#include "reopenmenu.h"
#include "reportprintcommand.h"
#include "scenariofiledrop.h"
#include "tabortprint.h"
#include "taboutform.h"
#include "tagentform.h"
#include "weekdocument.h"
#include "weekwindow.h"
#include "weekwindows.h"
#include "windowmenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QStatusTipEvent>
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
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { m_menus->window()->update(); });

    m_weeks = new WeekWindows(*this, *m_mdiArea, m_dialogs);
    m_forecasts = std::make_unique<ForecastWindows>(*m_mdiArea, *m_agentServices, *m_weeks);
    m_menus = std::make_unique<MainMenus>(*this, m_mdiArea, m_dialogs);
    connect(m_weeks, &WeekWindows::fileUsed, m_menus->reopen(), &ReopenMenu::add);
    connect(m_weeks, &WeekWindows::windowsChanged, this, [this] {
        if (!m_shuttingDown)
            m_menus->window()->update();
    });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, m_menus->planning(), &PlanningMenuActions::update);
    m_menus->planning()->update();
    m_toolBar = new MainToolBar(this);
    connect(m_toolBar->newWindowButton(), &QToolButton::clicked, this, [this] { NewAgentWindow1Click(); });
    connect(m_toolBar->closeProgramButton(), &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    // Scenario files dropped from the file manager open as on the command line.
    new ScenarioFileDrop(this, [this](const QString &path) { OpenFileWindow(path); });

    // FormCreate: the help file beside the executable, the hint panel
    // hooked to the focus, the series colours (filled by their table).
    m_help = std::make_unique<HelpCommands>(*this, m_dialogs,
                                            QCoreApplication::applicationDirPath() + QStringLiteral("/TOLVAN.HLP"));
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
    m_help->addHelpKey([this] {
        const QMdiSubWindow *child = currentChild();
        return child ? child->widget() : nullptr;
    });
}

TMainForm::~TMainForm()
{
    m_shuttingDown = true;
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    // The child windows go after this object's own members: their last
    // activations must not reach the Window menu.
    m_mdiArea->disconnect(this);
    m_mdiArea->disconnect(m_menus->planning());
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
        OpenFileWindow(files.first());
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

TAgentForm *TMainForm::NewAgentWindow1Click()
{
    TAgentForm *created = nullptr;
    RunHandler(m_dialogs, [&] {
        auto *form = new TAgentForm(*m_agentServices);
        connect(form, &TAgentForm::hintPanelClearRequested, m_toolBar->hintPanel(), &QLabel::clear);
        connect(form, &TAgentForm::hintPanelTextRequested, m_toolBar->hintPanel(), &QLabel::setText);
        connect(form, &TAgentForm::scenarioFileUsed, m_menus->reopen(), &ReopenMenu::add);
        form->slotTimes().setWeekOpener([this](const QString &path) { m_weeks->importIntervals(path); });
        form->graphLink()->setColours(&SeriesColours);
        connect(form, &QWidget::windowTitleChanged, this, [this] { m_menus->window()->update(); });
        QMdiSubWindow *child = PlaceAgentWindow(*this, *m_mdiArea, *form);
        connect(child, &QObject::destroyed, this, [this] { m_menus->window()->update(); }, Qt::QueuedConnection);
        m_menus->window()->update();
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
        OpenFileWindow(path);
}

QWidget *TMainForm::OpenFileWindow(const QString &path)
{
    if (WeekDocument::isWeekFile(path))
        return m_weeks->openWeek(path);
    return OpenScenarioWindow(path);
}

WeekWindow *TMainForm::NewWeekWindow1Click()
{
    WeekWindow *created = nullptr;
    RunHandler(m_dialogs, [&] { created = m_weeks->newWeek(); });
    return created;
}

void TMainForm::Open1Click()
{
    RunHandler(m_dialogs, [this] {
        TAgentForm *form = activeAgentForm();
        if (form && !form->completePendingFieldExit())
            return;
        FileDialogSetup setup;
        setup.defaultSuffix = QStringLiteral("vnk");
        setup.filters = QStringList{QStringLiteral("Varnook files (*.vnk *.vnkw)"), QStringLiteral("VNK files (*.vnk)"),
                                    QStringLiteral("Week files (*.vnkw)"), QStringLiteral("Text files (*.txt)")};
        const QString chosen = m_dialogs.chooseOpenFile(setup);
        if (chosen.isEmpty())
            return;
        if (WeekDocument::isWeekFile(chosen)) {
            m_weeks->openWeek(chosen);
            return;
        }
        if (!form)
            form = NewAgentWindow1Click();
        if (form)
            form->openFile(chosen);
    });
}

QWidget *TMainForm::ReopenFileWindow(const QString &path)
{
    if (WeekDocument::isWeekFile(path))
        return m_weeks->openWeek(path);
    return ReopenScenarioWindow(path);
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
    m_menus->reopen()->setSettings(settings);
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
        m_toolBar->showStatusTip(static_cast<QStatusTipEvent *>(event)->tip());
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

WeekWindow *TMainForm::activeWeekWindow() const
{
    QMdiSubWindow *child = currentChild();
    return child ? qobject_cast<WeekWindow *>(child->widget()) : nullptr;
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
    if (HelpWindow *help = m_help->window())
        help->close();
    event->accept();
}

void TMainForm::PlanningOptions1Click()
{
    m_menus->planning()->editOptions();
}

void TMainForm::Contents1Click()
{
    m_help->showContents();
}

void TMainForm::TopicSearch1Click()
{
    m_help->showIndex();
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
    m_toolBar->showHintOf(now);
}
