// SPDX-License-Identifier: MIT
#include "benchmarkweek.h"
#include "fakedialogservice.h"
#include "reportdocument.h"
#include "weekheatmapwidget.h"
#include "solvethreads.h"
#include "texttablemodel.h"
#include "weekfile.h"
#include "weekvolumemodel.h"
#include "weekwindow.h"
#include "tourtypeseditor.h"
#include "weekcopy.h"
#include "weekwindowhost.h"

#include <QComboBox>
#include <QAbstractItemView>
#include <QTabBar>
#include <QMimeData>
#include <QToolButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

namespace {

// Records the days handed to agent windows and answers with the inputs a
// test gives a day's window.
class FakeHost : public WeekWindowHost
{
public:
    void showDay(WeekWindow &, int day, const ScenarioInputs &inputs, bool quietly) override
    {
        shown[day] = inputs;
        lastQuietly = quietly;
    }
    std::optional<ScenarioInputs> dayWindowInputs(const WeekWindow &, int day) const override
    {
        const auto found = windows.find(day);
        return found == windows.end() ? std::nullopt : std::optional<ScenarioInputs>(found->second);
    }
    void weekFileUsed(const QString &) override {}
    void print(const ReportDocument &document) override { printed << document.caption(); }

    std::map<int, ScenarioInputs> shown;
    std::map<int, ScenarioInputs> windows;
    bool lastQuietly = false;
    QStringList printed;
};

// Answers the tour types dialog with `answer` (none: Cancel) and keeps what
// it was shown.
class FakeTourTypes : public TourTypesEditor
{
public:
    std::optional<TourTypesEdit> editTourTypes(const TourTypesEdit &current, const ShiftWeek &, const ShiftDay &,
                                               const QString &) override
    {
        shown = current;
        return answer;
    }
    std::optional<TourTypesEdit> answer;
    std::optional<TourTypesEdit> shown;
};

// A week that solves within a second: the benchmark week on half-hour
// slots.
WeekScenario smallWeek()
{
    return BenchmarkWeek::scenario(30);
}

} // namespace

class WeekWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void aSavedWeekOpensAsItWasSaved();
    void aDamagedFileChangesNothing();
    void closingAChangedWeekAsks_data();
    void closingAChangedWeekAsks();
    void aSolveShowsThePlanAndACancelEndsIt();
    void theServiceGoalIsComparedWithCover();
    void closingDuringASolveReturnsAtOnce();
    void useAsRostersHandsEachOpenDayItsStaffing();
    void whatADayWindowChangedComesBack();
    void aPlanIsPrintedCopiedAndMapped();
    void editedTourTypesAreTheWeeks();
    void tabReachesEveryControl();

private:
    WeekWindow &window(WeekScenario week);
    bool solveAndWait(WeekWindow &w, bool cancel = false);

    FakeDialogService dialogs;
    FakeHost host;
    FakeTourTypes tourTypes;
    std::unique_ptr<WeekWindow> m_window;
    std::unique_ptr<QTemporaryDir> dir;
};

void WeekWindowTest::init()
{
    dialogs.clear();
    host = FakeHost();
    tourTypes = FakeTourTypes();
    dir = std::make_unique<QTemporaryDir>();
}

void WeekWindowTest::cleanup()
{
    m_window.reset();
    QVERIFY(SolveThreads::waitForReleased(60000));
}

WeekWindow &WeekWindowTest::window(WeekScenario week)
{
    m_window = std::make_unique<WeekWindow>(host, dialogs, tourTypes, std::move(week));
    m_window->show();
    return *m_window;
}

bool WeekWindowTest::solveAndWait(WeekWindow &w, bool cancel)
{
    QSignalSpy finished(&w, &WeekWindow::solveFinished);
    w.solve();
    if (cancel)
        w.cancelSolve();
    return !finished.isEmpty() || finished.wait(60000);
}

void WeekWindowTest::aSavedWeekOpensAsItWasSaved()
{
    WeekWindow &w = window(smallWeek());
    const QString path = dir->filePath(QStringLiteral("WEEK.vnkw"));
    QVERIFY(w.saveFile(path));
    QCOMPARE(w.windowTitle(), QStringLiteral("Week.vnkw"));
    QVERIFY(!w.hasUnsavedChanges());
    w.volumeModel()->setData(w.volumeModel()->index(0, 0), QStringLiteral("7"));
    QVERIFY(w.hasUnsavedChanges());

    WeekWindow other(host, dialogs, tourTypes, WeekScenario());
    QVERIFY(other.openFile(path));
    QCOMPARE(WeekFileBytes(other.week()), WeekFileBytes(smallWeek()));
    QVERIFY(!other.hasUnsavedChanges());
    QCOMPARE(other.volumeModel()->rowCount(), 32); // 06:00 to 22:00 in half hours
    QVERIFY(dialogs.shown.isEmpty());
}

void WeekWindowTest::aDamagedFileChangesNothing()
{
    WeekWindow &w = window(smallWeek());
    const QString path = dir->filePath(QStringLiteral("damaged.vnkw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("vnkw\r\n80\r\nnot a number\r\n");
    file.close();
    const QByteArray before = WeekFileBytes(w.week());
    QVERIFY(!w.openFile(path));
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY(dialogs.shown.first().text.contains(QStringLiteral("damaged.vnkw")));
    QCOMPARE(WeekFileBytes(w.week()), before);
    QCOMPARE(w.windowTitle(), WeekDocument::NewWeekCaption);
}

void WeekWindowTest::closingAChangedWeekAsks_data()
{
    QTest::addColumn<SaveChoice>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << SaveChoice::Save << true << true;
    QTest::newRow("discard") << SaveChoice::Discard << true << false;
    QTest::newRow("cancel") << SaveChoice::Cancel << false << false;
}

void WeekWindowTest::closingAChangedWeekAsks()
{
    QFETCH(SaveChoice, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    WeekWindow &w = window(smallWeek());
    const QString path = dir->filePath(QStringLiteral("week.vnkw"));
    QVERIFY(w.saveFile(path));
    w.volumeModel()->clearDay(0);
    dialogs.saveChangesAnswer = answer;
    QCOMPARE(w.close(), closes);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().text, QStringLiteral("Save changes to week.vnkw?"));
    WeekScenario onDisk;
    QVERIFY(LoadWeek(onDisk, path).applied());
    QCOMPARE(!onDisk.days[0].hasCalls(), saved);
}

void WeekWindowTest::aSolveShowsThePlanAndACancelEndsIt()
{
    WeekWindow &w = window(smallWeek());
    QVERIFY(solveAndWait(w));
    QVERIFY(w.plan());
    QVERIFY(!w.plan()->agents.empty());
    QCOMPARE(w.agentModel()->rowCount(), static_cast<int>(w.plan()->agents.size()));
    QVERIFY(w.plan()->days[0].serviceLevel); // from the day's roster check
    QVERIFY2(w.statusLabel()->text().startsWith(QStringLiteral("Proven optimal"))
                 || w.statusLabel()->text().contains(QStringLiteral("gap")),
             qPrintable(w.statusLabel()->text()));

    // A cancelled solve ends; the plan shown stays unless it found another.
    const std::optional<WeekPlan> before = w.plan();
    w.week().days[0].calls[3] += 500;
    QVERIFY(solveAndWait(w, true));
    QVERIFY(!w.solving());
    QVERIFY(w.plan());
    QVERIFY(w.goalBox()->isEnabled() && w.timeLimitBox()->isEnabled());
}

void WeekWindowTest::theServiceGoalIsComparedWithCover()
{
    WeekWindow &w = window(smallWeek());
    w.goalBox()->setCurrentIndex(1);
    w.timeLimitBox()->setValue(2); // the service-level plan is then the best within it
    QVERIFY(solveAndWait(w));
    QVERIFY(w.plan());
    if (w.goalBox()->currentIndex() == 1) {
        QVERIFY(w.plan()->serviceGoal);
        QVERIFY(!w.comparisonLabel()->isHidden());
        QVERIFY(w.comparisonLabel()->text().startsWith(QStringLiteral("Cover every slot: ")));
    } else {
        // The cover plan stands in for a service-level plan not found.
        QVERIFY2(w.statusLabel()->text().contains(QStringLiteral("No plan for each day's service level")),
                 qPrintable(w.statusLabel()->text()));
    }
}

void WeekWindowTest::closingDuringASolveReturnsAtOnce()
{
    WeekScenario week = BenchmarkWeek::scenario(15);
    WeekWindow &w = window(week);
    w.timeLimitBox()->setValue(60);
    w.solve();
    QVERIFY(w.solving());
    QElapsedTimer timer;
    timer.start();
    m_window.reset();
    QVERIFY(timer.elapsed() < 1000);
    // The solve was told to stop and ends on its own.
    QVERIFY(SolveThreads::waitForReleased(60000));
}

void WeekWindowTest::useAsRostersHandsEachOpenDayItsStaffing()
{
    WeekWindow &w = window(smallWeek());
    QVERIFY(solveAndWait(w));
    QVERIFY(w.plan());
    w.useAsRosters();
    QCOMPARE(host.shown.size(), std::size_t(7)); // every day is open
    QVERIFY(host.lastQuietly);
    const ScenarioInputs &monday = host.shown.at(0);
    const std::vector<int> staffed = w.plan()->days[0].staffedPerSlot();
    for (std::size_t slot = 0; slot < staffed.size(); ++slot)
        QCOMPARE(monday.SlotHave[slot + 1], std::optional<int>(staffed[slot]));
}

void WeekWindowTest::whatADayWindowChangedComesBack()
{
    WeekWindow &w = window(smallWeek());
    const QString path = dir->filePath(QStringLiteral("week.vnkw"));
    QVERIFY(w.saveFile(path));
    // A day window showing the week's day as it was changes nothing.
    host.windows[1] = w.week().dayInputs(1);
    w.takeDayChanges();
    QVERIFY(!w.hasUnsavedChanges());
    ScenarioInputs changed = w.week().dayInputs(1);
    changed.SlotCalls[2] = 999;
    host.windows[1] = changed;
    w.takeDayChanges();
    QCOMPARE(w.week().days[1].calls.at(1), 999);
    QCOMPARE(w.volumeModel()->index(1, 1).data().toString(), QStringLiteral("999"));
    QVERIFY(w.hasUnsavedChanges());
}

void WeekWindowTest::aPlanIsPrintedCopiedAndMapped()
{
    WeekWindow &w = window(smallWeek());
    QVERIFY(!w.printButton()->isEnabled());
    QVERIFY(!w.copyData());
    QVERIFY(solveAndWait(w));
    QVERIFY(w.printButton()->isEnabled());
    w.print();
    QCOMPARE(host.printed, QStringList{w.windowTitle()});
    const std::unique_ptr<QMimeData> copied(w.copyData());
    QCOMPARE(copied->text(), WeekCopy::week(*w.plan()).text());
    QCOMPARE(w.heatMap()->plan().agents.size(), w.plan()->agents.size());
}

void WeekWindowTest::editedTourTypesAreTheWeeks()
{
    WeekWindow &w = window(smallWeek());
    w.editTourTypes(); // cancelled: the defaults stay
    QVERIFY(tourTypes.shown);
    QCOMPARE(tourTypes.shown->tours, TourType::defaultSet());
    QVERIFY(w.week().tourTypes.empty());
    TourTypesEdit edit = *tourTypes.shown;
    edit.tours.pop_back();
    edit.floor.servicePercent = 70; // set in the shift types dialog it opens
    tourTypes.answer = edit;
    w.editTourTypes();
    QCOMPARE(w.week().tourTypes, edit.tours);
    QCOMPARE(w.week().settings.ServiceFloor, edit.floor);
    QVERIFY(w.week().shiftTypes.empty()); // unchanged, still the default set
}

void WeekWindowTest::tabReachesEveryControl()
{
    WeekWindow &w = window(smallWeek());
    QVERIFY(solveAndWait(w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    for (const int tab : {int(WeekWindow::VolumesTab), int(WeekWindow::HeatMapTab), int(WeekWindow::TotalsTab)}) {
        w.tabs()->setCurrentIndex(tab);
        w.solveButton()->setFocus();
        QSet<QWidget *> reached;
        for (int i = 0; i < 40 && QApplication::focusWidget(); ++i) {
            reached << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Every enabled control shown takes the cursor in turn.
        QStringList missed;
        for (QWidget *control : w.findChildren<QWidget *>()) {
            // A table's headers and corner button are the table's own.
            if (qobject_cast<QAbstractItemView *>(control->parentWidget()))
                continue;
            const bool isControl = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
                                || qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QAbstractItemView *>(control)
                                || qobject_cast<QTabBar *>(control) || control == w.heatMap();
            if (isControl && control->isVisible() && control->isEnabled() && !reached.contains(control))
                missed << control->accessibleName() + QLatin1Char(' ') + control->metaObject()->className();
        }
        QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral(", "))));
    }
    // No two controls of the window share an access key.
    QStringList texts;
    for (const QAbstractButton *button : w.findChildren<QAbstractButton *>())
        texts << button->text();
    for (const QLabel *label : w.findChildren<QLabel *>())
        texts << label->text();
    for (int tab = 0; tab < w.tabs()->count(); ++tab)
        texts << w.tabs()->tabText(tab);
    QMap<QChar, QString> keys;
    for (const QString &text : std::as_const(texts)) {
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= text.size())
            continue;
        const QChar key = text.at(amp + 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(keys.value(key) + QStringLiteral(" and ") + text));
        keys.insert(key, text);
    }
    QVERIFY(keys.size() >= 17);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WeekWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_weekwindow.moc"
