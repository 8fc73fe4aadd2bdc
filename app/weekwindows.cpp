// SPDX-License-Identifier: MIT
#include "weekwindows.h"

#include "agentscenario.h"
#include "agentservices.h"
#include "tourtypesdialogeditor.h"
#include "agentwindowplacement.h"
#include "dialogservice.h"
#include "intervaldays.h"
#include "intervalweekimport.h"
#include "tagentform.h"
#include "tmainform.h"
#include "weekdocument.h"
#include "weekwindow.h"
#include "windowtiling.h"

#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTableView>

WeekWindows::WeekWindows(TMainForm &main, QMdiArea &area, DialogService &dialogs)
    : QObject(&main)
    , m_main(main)
    , m_area(area)
    , m_dialogs(dialogs)
    , m_tourTypes(std::make_unique<TourTypesDialogEditor>(dialogs, &main))
{
    // Coming back to a week brings what its days' windows changed.
    connect(&m_area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow *child) {
        if (auto *week = child ? qobject_cast<WeekWindow *>(child->widget()) : nullptr)
            week->takeDayChanges();
    });
}

WeekWindows::~WeekWindows() = default;

void WeekWindows::print(const ReportDocument &document)
{
    m_main.agentServices().printing.PrintDocument(document, m_dialogs);
}

WeekWindow *WeekWindows::newWeek()
{
    const TAgentForm *form = m_main.activeAgentForm();
    return add(WeekDocument::newWeek(form ? &form->scenario().inputs() : nullptr));
}

WeekWindow *WeekWindows::openWeek(const QString &path)
{
    WeekWindow *window = add(WeekDocument::newWeek());
    window->openFile(path);
    return window;
}

WeekWindow *WeekWindows::importIntervals(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_dialogs.error(QStringLiteral("Cannot open %1: %2").arg(name, file.errorString()));
        return nullptr;
    }
    const IntervalDays days = IntervalDays::fromBytes(file.read(IntervalDays::MaxTextLength + 1));
    auto refused = [&](const QString &reason) {
        m_dialogs.error(QStringLiteral("%1 was not opened as a week: %2. Nothing was changed").arg(name, reason));
        return nullptr;
    };
    if (!days.accepted())
        return refused(days.refusal()->text());
    QString reason;
    std::optional<QDate> monday = IntervalWeekImport::chooseWeek(days, std::nullopt, &reason);
    if (!monday) {
        // Several weeks: the planner picks one, the first the default.
        const std::vector<QDate> weeks = days.weeks();
        QStringList choices;
        for (std::size_t i = 0; i < weeks.size() && i < 9; ++i)
            choices << QStringLiteral("&%1 Week of %2").arg(i + 1).arg(weeks[i].toString(Qt::ISODate));
        const std::optional<int> chosen
            = choices.isEmpty() ? std::nullopt
                                : m_dialogs.chooseAmong(QStringLiteral("%1 holds %2 weeks. Which one opens?").arg(name).arg(weeks.size()), choices);
        if (!chosen)
            return nullptr;
        monday = weeks.at(static_cast<std::size_t>(*chosen));
    }
    const TAgentForm *form = m_main.activeAgentForm();
    WeekScenario week = WeekDocument::newWeek(form ? &form->scenario().inputs() : nullptr);
    const WeekScenario before = week;
    if (const std::optional<QString> problem = IntervalWeekImport::apply(week, days, *monday))
        return refused(*problem);
    WeekWindow *window = add(before);
    window->replaceWeek(week);
    return window;
}

QList<WeekWindow *> WeekWindows::windows() const
{
    QList<WeekWindow *> weeks;
    for (QMdiSubWindow *child : m_area.subWindowList()) {
        if (auto *week = qobject_cast<WeekWindow *>(child->widget()))
            weeks.append(week);
    }
    return weeks;
}

WeekWindow *WeekWindows::add(const WeekScenario &week)
{
    auto *window = new WeekWindow(*this, m_dialogs, *m_tourTypes, week);
    connect(window, &WeekWindow::weekFileUsed, this, &WeekWindows::fileUsed);
    connect(window, &WeekWindow::openRequested, &m_main, &TMainForm::Open1Click);
    connect(window, &QWidget::windowTitleChanged, this, &WeekWindows::windowsChanged);
    connect(window, &QObject::destroyed, this, [this, window] { m_dayWindows.erase(window); });
    const QSize design(WeekWindow::DesignWidth, WeekWindow::DesignHeight);
    MakeRoomFor(m_main, design);
    // A main window grown past the screen's edge moves back onto it.
    if (const QScreen *screen = m_main.screen(); screen && !m_main.isMaximized() && !m_main.isFullScreen()) {
        const QRect available = screen->availableGeometry();
        const QRect frame = m_main.frameGeometry();
        const QPoint back(std::min(0, available.right() - frame.right()), std::min(0, available.bottom() - frame.bottom()));
        if (!back.isNull())
            m_main.move(m_main.pos() + back);
    }
    QMdiSubWindow *child = m_area.addSubWindow(window);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setFocusPolicy(Qt::NoFocus);
    // The workspace is the main window less its menu, tool bar and frame,
    // as MakeRoomFor allows for; it is laid out anew only later.
    child->resize(design.boundedTo(m_main.size() - QSize(24, 110)).expandedTo(child->minimumSizeHint()));
    child->show();
    KeepInside(child, m_area.viewport()->rect());
    m_area.setActiveSubWindow(child);
    window->volumeTable()->setFocus(Qt::OtherFocusReason);
    connect(child, &QObject::destroyed, this, &WeekWindows::windowsChanged, Qt::QueuedConnection);
    emit windowsChanged();
    return window;
}

void WeekWindows::showDay(WeekWindow &window, int day, const ScenarioInputs &inputs, bool quietly)
{
    QPointer<TAgentForm> &form = m_dayWindows[&window].at(static_cast<std::size_t>(day));
    if (!form)
        form = m_main.NewAgentWindow1Click();
    if (!form)
        return;
    const ScenarioInputs before = form->scenario().inputs();
    form->scenario().setInputs(inputs);
    form->scenario().undo().record(before, form->scenario().inputs(),
                                   QStringLiteral("The week's %1 replaced the window's inputs. Undo: Ctrl+Z")
                                       .arg(WeekScenario::dayTitle(day)));
    // Named after its day and week until it saves or loads a file of its own.
    form->setWindowTitle(QStringLiteral("%1 of %2").arg(WeekScenario::dayTitle(day), window.windowTitle()));
    form->refresh();
    form->TabSet1Click(static_cast<int>(Tab::Schedule));
    if (auto *child = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
        // Quietly: the week stays in front.
        auto *week = qobject_cast<QMdiSubWindow *>(window.parentWidget());
        m_area.setActiveSubWindow(quietly && week ? week : child);
    }
}

std::optional<ScenarioInputs> WeekWindows::dayWindowInputs(const WeekWindow &window, int day) const
{
    const auto found = m_dayWindows.find(&window);
    if (found == m_dayWindows.end())
        return std::nullopt;
    const QPointer<TAgentForm> &form = found->second.at(static_cast<std::size_t>(day));
    if (!form)
        return std::nullopt;
    return form->scenario().inputs();
}
