// SPDX-License-Identifier: MIT
#include "backtesttablemodel.h"
#include "fakedialogservice.h"
#include "forecastwindow.h"
#include "forecastwindowhost.h"
#include "generatedhistory.h"
#include "historyfile.h"
#include "reportcontent.h"
#include "testfiles.h"

#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QGuiApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The forecast window's controls forecast again, refuse what cannot be
// forecast and hand the forecast on.
class ForecastWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void pickedMethodForecastsAgainOrIsRefused();
    void tickedDayForecastsAgainOrIsRefused();
    void unreadableHistoryKeepsTheWindow();
    void commandsHandTheForecastOn();

private:
    struct Host : ForecastWindowHost
    {
        void printForecast(const ReportContent &content) override { printed.push_back(content); }
        WeekScenario newWeek() const override { return WeekScenario(); }
        void openWeek(const WeekScenario &week) override { weeks.push_back(week); }
        std::vector<ReportContent> printed;
        std::vector<WeekScenario> weeks;
    };

    FakeDialogService dialogs;
    Host host;
    QTemporaryDir folder;
    std::unique_ptr<ForecastWindow> window;
};

void ForecastWindowTest::init()
{
    dialogs.clear();
    host = Host();
    // Ten days: too few for the Holt-Winters methods, and three days can
    // be left out before fewer than seven remain.
    GeneratedHistory history;
    history.days = 10;
    const QString path = writeFileIn(folder, QStringLiteral("ten.csv"), history.text().toUtf8());
    std::optional<ForecastSession> session = HistoryFile::read(path, dialogs);
    QVERIFY(session);
    window = std::make_unique<ForecastWindow>(std::move(*session), host, dialogs);
    window->show();
}

void ForecastWindowTest::pickedMethodForecastsAgainOrIsRefused()
{
    QComboBox *box = window->methodBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down); // Seasonal naive
    QVERIFY(window->session().method() == ForecastMethodKind::Naive);
    QVERIFY(window->backtestModel()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
    QTest::keyClick(box, Qt::Key_End); // Double-seasonal Holt-Winters: too little history
    QCOMPARE(dialogs.texts(QStringLiteral("error")).size(), 1);
    QVERIFY(dialogs.texts(QStringLiteral("error")).front().contains(QLatin1String("needs at least 14 days")));
    QCOMPARE(box->currentIndex(), 1);
    QVERIFY(window->session().method() == ForecastMethodKind::Naive);
}

void ForecastWindowTest::tickedDayForecastsAgainOrIsRefused()
{
    QListWidget *days = window->dayList();
    QCOMPARE(days->count(), 10);
    for (int row = 0; row < 3; ++row)
        days->item(row)->setCheckState(Qt::Checked);
    QCOMPARE(window->session().excluded().size(), std::size_t(3));
    QVERIFY(dialogs.texts(QStringLiteral("error")).isEmpty());
    days->item(3)->setCheckState(Qt::Checked);
    QCOMPARE(dialogs.texts(QStringLiteral("error")).size(), 1);
    QCOMPARE(days->item(3)->checkState(), Qt::Unchecked);
    QVERIFY(!window->session().isExcluded(days->item(3)->data(Qt::UserRole).toDate()));
}

void ForecastWindowTest::unreadableHistoryKeepsTheWindow()
{
    dialogs.openAnswer = writeFileIn(folder, QStringLiteral("bad.csv"),
                                     "date,interval,calls\n2026-01-05,08:00,5\n2026-01-05,08:30,x\n");
    const QString before = window->session().copyText();
    window->openHistory();
    QCOMPARE(dialogs.texts(QStringLiteral("error")),
             QStringList{"No forecast was made from bad.csv: line 3: \"x\" in the column \"calls\" is not a "
                         "number. Nothing was changed."});
    QCOMPARE(window->session().copyText(), before);
    QCOMPARE(window->windowTitle(), QStringLiteral("Forecast - ten.csv"));
}

void ForecastWindowTest::commandsHandTheForecastOn()
{
    window->print();
    QCOMPARE(host.printed.size(), std::size_t(1));
    QCOMPARE(host.printed.front().document->title, QStringLiteral("Forecast"));
    QCOMPARE(host.printed.front().caption, QStringLiteral("Forecast - ten.csv"));
    window->openAsWeek();
    QCOMPARE(host.weeks.size(), std::size_t(1));
    QVERIFY(host.weeks.front().days.front().date == window->session().outcome().monday);
    window->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), window->session().copyText());
}

QTEST_MAIN(ForecastWindowTest)
#include "test_forecastwindow.moc"
