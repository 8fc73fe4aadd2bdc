// SPDX-License-Identifier: MIT
#include "agentformharness.h"
#include "agentshiftlink.h"
#include "chartwidget.h"
#include "daytotalslines.h"
#include "recordingcanvas.h"
#include "shiftplanwindow.h"
#include "solvethreads.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>

namespace {

constexpr int H = 60;

ShiftType Type(const char *name, int hours, int earliest, int latest)
{
    return ShiftType{QString::fromLatin1(name), hours * H, earliest, latest, std::nullopt, std::nullopt};
}

} // namespace

class ShiftPlanWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void solveAsksForTypesAndFillsTheRoster();
    void cancelledSolveLeavesThePlanShown();
    void typesThatDoNotFitTheDayAreRefusedBeforeTheSolve();
    void rosterIsRefusedOnceTheSlotsChanged();
    void planPrintsAsAReport();
    void serviceGoalComparesBothPlansAndUsesItsOwn();
    void paneGivesTheTablesMostOfItsHeight();
    void toolButtonsHaveTheirOwnAccessKeys();
    void cancelDuringTheSearchShowsTheBestPlanSoFar();
    void closingDuringASolveReturnsAtOnce();

private:
    // A day whose plan for the day's service level takes CBC some 25 s to
    // prove here (16 half hours, 30 % shrinkage), with no time limit to
    // speak of: a solve that is still searching seconds after it began.
    void slowServiceDay();

    // Solves in `window` and waits for the thread to end.
    static bool solveAndWait(ShiftPlanWindow *window, bool cancel = false);

    std::unique_ptr<Harness> h;
    ShiftPlanWindow *window = nullptr;
};

void ShiftPlanWindowTest::init()
{
    h = std::make_unique<Harness>();
    QVERIFY(QTest::qWaitForWindowActive(&h->top));
    h->validScenario();
    h->form->widgets().PlanShiftsButton->click();
    window = h->form->shiftLink()->planWindow();
    QVERIFY(window);
    h->dialogs.shiftTypesAnswer = std::vector<ShiftType>{Type("Four", 4, 8 * H, 13 * H), Type("Five", 5, 8 * H, 12 * H)};
}

void ShiftPlanWindowTest::cleanup()
{
    h.reset();
}

bool ShiftPlanWindowTest::solveAndWait(ShiftPlanWindow *window, bool cancel)
{
    QSignalSpy finished(window, &ShiftPlanWindow::solveFinished);
    window->solve();
    if (!window->solving())
        return false;
    if (cancel)
        window->cancelSolve();
    return finished.wait(30000);
}

void ShiftPlanWindowTest::solveAsksForTypesAndFillsTheRoster()
{
    // With no types yet the solve asks for them first.
    QVERIFY(solveAndWait(window));
    QCOMPARE(h->dialogs.texts(QStringLiteral("shiftTypes")).size(), 1);
    QVERIFY(h->form->scenario().inputs().ShiftTypes == *h->dialogs.shiftTypesAnswer);
    QVERIFY(window->plan() && window->plan()->solver.optimal());
    QCOMPARE(window->shiftTable()->rowCount(), static_cast<int>(window->plan()->shifts.size()));
    QCOMPARE(window->coverTable()->rowCount(), 9);
    // The chart: required bars and the staffed line, a point per slot.
    QCOMPARE(window->chart()->model().series.size(), std::size_t(2));
    QCOMPARE(window->chart()->model().series[1].points.size(), std::size_t(9));
    QCOMPARE(window->chart()->model().series[1].points[0].y, double(window->plan()->coverage[0].staffed));

    window->useAsRoster();
    const std::vector<int> staffed = window->plan()->staffedPerSlot();
    for (std::size_t slot = 0; slot < staffed.size(); ++slot)
        QCOMPARE(h->form->scenario().inputs().SlotHave[slot + 1], std::optional<int>(staffed[slot]));
    QVERIFY(h->form->scenario().StringGrid1().isShown(ResultTable::HaveColumn));
}

void ShiftPlanWindowTest::cancelledSolveLeavesThePlanShown()
{
    QVERIFY(solveAndWait(window));
    const double paid = window->plan()->paidHours;
    const int rows = window->shiftTable()->rowCount();
    // Types that would give another plan, then a cancelled solve.
    h->form->scenario().setShiftTypes({Type("Nine", 9, 8 * H, 8 * H)});
    QVERIFY(solveAndWait(window, true));
    QCOMPARE(window->plan()->paidHours, paid);
    QCOMPARE(window->shiftTable()->rowCount(), rows);
    QVERIFY(window->statusLabel()->text().startsWith(QStringLiteral("Cancelled.")));
}

void ShiftPlanWindowTest::typesThatDoNotFitTheDayAreRefusedBeforeTheSolve()
{
    h->form->scenario().setShiftTypes({Type("Late", 4, 8 * H, 14 * H)});
    QVERIFY(!solveAndWait(window));
    QVERIFY(!window->plan());
    QCOMPARE(h->dialogs.texts(QStringLiteral("error")),
             QStringList{"Shift \"Late\": a shift starting at the latest start 14:00 ends at 18:00, after the day's "
                         "end 17:00."});
}

void ShiftPlanWindowTest::rosterIsRefusedOnceTheSlotsChanged()
{
    QVERIFY(solveAndWait(window));
    h->type(Field::MaskEdit7, QStringLiteral("1800"));
    h->leaveTo(h->elsewhere);
    h->dialogs.clear();
    window->useAsRoster();
    QCOMPARE(h->dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(!h->form->scenario().inputs().hasRoster());
}

void ShiftPlanWindowTest::planPrintsAsAReport()
{
    QVERIFY(solveAndWait(window));
    std::shared_ptr<RecordingCanvas> canvas;
    h->services.printing.setCanvasFactory([&canvas](QPrinter &) {
        canvas = std::make_shared<RecordingCanvas>(600, 600, 4792, 6851);
        return canvas;
    });
    h->dialogs.printerAnswer = true;
    window->print();
    QVERIFY(canvas);
    QStringList texts;
    for (const auto &t : canvas->texts)
        texts << t.text;
    for (const char *expected : {"Shift Plan", "SHIFTS", "COVER", "PAID AGENT-HOURS", "Proven optimal"})
        QVERIFY2(texts.contains(QString::fromLatin1(expected)), expected);
    // The chart the window shows, under the last line, within the page.
    QCOMPARE(canvas->charts.size(), 1);
    const RecordingCanvas::Chart &chart = canvas->charts[0];
    QCOMPARE(chart.model.series.size(), window->chart()->model().series.size());
    for (std::size_t i = 0; i < chart.model.series.size(); ++i)
        for (std::size_t p = 0; p < chart.model.series[i].points.size(); ++p)
            QCOMPARE(chart.model.series[i].points[p].y, window->chart()->model().series[i].points.at(p).y);
    QVERIFY(chart.page > canvas->texts.back().page || chart.rect.top() > canvas->texts.back().y);
    QVERIFY(QRect(0, 0, 4792, 6851).contains(chart.rect));
}

// The service-level goal plans both goals: the comparison shows both, the
// tables, the roster and the report take the service-level plan, and the
// cover plan is a choice of the goal away.
void ShiftPlanWindowTest::serviceGoalComparesBothPlansAndUsesItsOwn()
{
    window->goalBox()->setCurrentIndex(1);
    QVERIFY(solveAndWait(window));
    QVERIFY(window->plan() && window->plan()->serviceGoal && window->plan()->dayServiceLevel);
    QVERIFY(window->comparisonLabel()->isVisibleTo(window));
    QVERIFY2(window->comparisonLabel()->text().startsWith(QStringLiteral("Cover every slot: ")),
             qPrintable(window->comparisonLabel()->text()));
    const std::vector<int> staffed = window->plan()->staffedPerSlot();
    window->useAsRoster();
    for (std::size_t slot = 0; slot < staffed.size(); ++slot)
        QCOMPARE(h->form->scenario().inputs().SlotHave[slot + 1], std::optional<int>(staffed[slot]));
    QCOMPARE(ScheduleRosterDay(h->form->scenario()).serviceLevel, window->plan()->dayServiceLevel);

    std::shared_ptr<RecordingCanvas> canvas;
    h->services.printing.setCanvasFactory([&canvas](QPrinter &) {
        canvas = std::make_shared<RecordingCanvas>(600, 600, 4792, 6851);
        return canvas;
    });
    h->dialogs.printerAnswer = true;
    window->print();
    QVERIFY(canvas);
    QStringList texts;
    for (const auto &t : canvas->texts)
        texts << t.text;
    for (const char *expected : {"DAY'S SERVICE LEVEL", "COVER EVERY SLOT"})
        QVERIFY2(texts.contains(QString::fromLatin1(expected)), expected);

    window->goalBox()->setCurrentIndex(0);
    QVERIFY(window->plan() && !window->plan()->serviceGoal);
}

// The tables take most of a tall pane, the chart the rest; the busy bar has
// its own row with the status, away from the goal box.
void ShiftPlanWindowTest::paneGivesTheTablesMostOfItsHeight()
{
    QVERIFY(solveAndWait(window));
    QWidget *frame = window->window() == window ? window : window->parentWidget();
    frame->resize(1000, 800);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    QVERIFY2(window->shiftTable()->height() >= window->height() / 2,
             qPrintable(QStringLiteral("%1 of %2").arg(window->shiftTable()->height()).arg(window->height())));
    QVERIFY(window->chart()->height() >= window->height() / 4);
    auto *busy = window->findChild<QProgressBar *>();
    QVERIFY(busy);
    const QRect goal(window->goalBox()->mapTo(window, QPoint()), window->goalBox()->size());
    const QRect bar(busy->mapTo(window, QPoint()), busy->size());
    QVERIFY(bar.top() >= goal.bottom());
}

void ShiftPlanWindowTest::toolButtonsHaveTheirOwnAccessKeys()
{
    // Also apart from the window's labels ("Time &limit", "&Goal").
    QStringList keys;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!QKeySequence::mnemonic(label->text()).isEmpty())
            keys << QKeySequence::mnemonic(label->text()).toString();
    }
    const QList<QToolButton *> buttons = window->findChildren<QToolButton *>();
    QCOMPARE(buttons.size(), 5);
    for (const QToolButton *button : buttons) {
        const QString key = QKeySequence::mnemonic(button->text()).toString();
        QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(button->text()));
        keys << key;
        QVERIFY(!button->accessibleName().contains(QLatin1Char('&')));
    }
}

void ShiftPlanWindowTest::slowServiceDay()
{
    h->type(Field::MaskEdit1, QStringLiteral("0700"));
    h->type(Field::MaskEdit7, QStringLiteral("1500"));
    h->type(Field::MaskEdit3, QStringLiteral("0100"));
    h->type(Field::MaskEdit5, QStringLiteral("80"));
    h->type(Field::MaskEdit6, QStringLiteral("20"));
    h->type(Field::Edit1, QStringLiteral("1736"));
    h->leaveTo(h->elsewhere);
    h->toSchedule();
    h->form->widgets().slotButton(SlotLength::HalfHour)->click();
    AgentScenario &scenario = h->form->scenario();
    const int calls[16] = {8, 20, 60, 140, 220, 260, 240, 200, 160, 120, 100, 80, 60, 40, 20, 8};
    for (int slot = 1; slot <= 16; ++slot)
        scenario.setSlotCalls(slot, calls[slot - 1]);
    scenario.setSlotCallsEdited(true);
    PlanningOptions planning;
    planning.shrinkagePercent = 30;
    scenario.setPlanning(planning);
    ShiftType eight = Type("8 hours", 8, 7 * H, 7 * H);
    eight.breakRule = ShiftType::Break{30, 3 * H, 5 * H, false};
    scenario.setShiftTypes({eight, Type("6 hours", 6, 7 * H, 9 * H), Type("4 hours", 4, 7 * H, 11 * H)});
    h->dialogs.clear();
    window->goalBox()->setCurrentIndex(1);
    window->timeLimitBox()->setValue(3600);
}

// A cancel seconds into the search for the day's service level: the solve
// ends soon after, with the best plan found marked as stopped by the
// cancel, or, if it had none, the cover plan with the goal box saying so.
void ShiftPlanWindowTest::cancelDuringTheSearchShowsTheBestPlanSoFar()
{
    slowServiceDay();
    QSignalSpy finished(window, &ShiftPlanWindow::solveFinished);
    window->solve();
    QVERIFY2(window->solving(), qPrintable(h->dialogs.texts(QStringLiteral("error")).join(QLatin1Char('|'))));
    QTest::qWait(2000);
    QVERIFY2(window->solving(), "the day solves too fast to be cancelled during its search");
    QElapsedTimer stopping;
    stopping.start();
    window->cancelSolve();
    // Generous against a limit of an hour: CBC sees a cancel only at its
    // search's events, and a loaded machine may keep it in its root longer.
    QVERIFY(finished.wait(60000));
    QVERIFY2(stopping.elapsed() < 30000, qPrintable(QString::number(stopping.elapsed())));
    QVERIFY(window->plan() && window->plan()->solver.cancelled == (window->goalBox()->currentIndex() == 1));
    const QString status = window->statusLabel()->text();
    QVERIFY2(window->goalBox()->currentIndex() == 1 ? status.startsWith(QStringLiteral("Stopped by a cancel"))
                                                    : status.contains(QStringLiteral("cancelled")),
             qPrintable(status));
    QVERIFY(window->printButton()->isEnabled());
}

// Closing a window seconds into its solve returns at once; the solve, told
// to stop, ends on its own soon after.
void ShiftPlanWindowTest::closingDuringASolveReturnsAtOnce()
{
    slowServiceDay();
    window->solve();
    QVERIFY2(window->solving(), qPrintable(h->dialogs.texts(QStringLiteral("error")).join(QLatin1Char('|'))));
    QTest::qWait(2000);
    QVERIFY2(window->solving(), "the day solves too fast to be closed during its search");
    QPointer<ShiftPlanWindow> closing = window;
    QElapsedTimer closed;
    closed.start();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!closing);
    QVERIFY2(closed.elapsed() < 5000, qPrintable(QString::number(closed.elapsed())));
    window = nullptr;
    QVERIFY(SolveThreads::waitForReleased(60000));
}

QTEST_MAIN(ShiftPlanWindowTest)
#include "test_shiftplanwindow.moc"
