// SPDX-License-Identifier: MIT
// What Varnook remembers between runs: the Reopen list and the main window's
// layout, kept here in a settings file of the test's own.
#include "fakedialogservice.h"
#include "mainmenus.h"
#include "maintoolbar.h"
#include "recentfiles.h"
#include "reopenmenu.h"
#include "scenariotexts.h"
#include "screenfit.h"
#include "tagentform.h"
#include "tmainform.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class RememberedTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void recentList_data();
    void recentList();
    void menuTexts_data();
    void menuTexts();
    void savedAndLoadedFilesAreOfferedAfterARestart();
    void missingRecentFileIsReportedAndRemoved();
    void fitOnScreens_data();
    void fitOnScreens();
    void offScreenLayoutComesBackOnScreen();
    void layoutSurvivesARestart();
    void resetLayoutForgetsIt();

private:
    // A main window as main() sets it up, on the test's settings file.
    std::unique_ptr<TMainForm> startMainWindow(bool resetLayout = false);
    // A sound scenario file saved from a window.
    QString saveScenario(TMainForm &main, const QString &name);

    FakeDialogService dialogs;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<QSettings> settings;
};

void RememberedTest::initTestCase()
{
    // Nothing here may reach the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
}

void RememberedTest::init()
{
    dialogs.clear();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    settings = std::make_unique<QSettings>(dir->filePath(QStringLiteral("varnook.conf")), QSettings::IniFormat);
}

void RememberedTest::cleanup()
{
    settings.reset();
    dir.reset();
}

std::unique_ptr<TMainForm> RememberedTest::startMainWindow(bool resetLayout)
{
    auto main = std::make_unique<TMainForm>(dialogs);
    main->useSettings(settings.get(), resetLayout);
    main->show();
    return main;
}

QString RememberedTest::saveScenario(TMainForm &main, const QString &name)
{
    TAgentForm *form = main.NewAgentWindow1Click();
    setTexts(form->scenario(), {"08:00", "09:00", "100", "03:00", "00:30", "00:25", "80", "20"});
    form->refresh();
    const QString path = dir->filePath(name);
    return form && form->saveFile(path) ? path : QString();
}

void RememberedTest::recentList_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("newest first") << QStringList{} << QStringList{"/a.vnk", "/b.vnk"}
                                  << QStringList{"/b.vnk", "/a.vnk"};
    QTest::newRow("a repeat moves to the top")
        << QStringList{"/a.vnk", "/b.vnk", "/c.vnk"} << QStringList{"/c.vnk"}
        << QStringList{"/c.vnk", "/a.vnk", "/b.vnk"};
    QTest::newRow("another spelling of the same file")
        << QStringList{"/p/a.vnk"} << QStringList{"/p/q/../a.vnk"} << QStringList{"/p/a.vnk"};
    QTest::newRow("the ninth drops the oldest")
        << QStringList{"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"} << QStringList{"/9"}
        << QStringList{"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"};
    QTest::newRow("a stored list edited by hand")
        << QStringList{"", "relative.vnk", "/a.vnk", "/a.vnk", "/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}
        << QStringList{} << QStringList{"/a.vnk", "/1", "/2", "/3", "/4", "/5", "/6", "/7"};
}

void RememberedTest::recentList()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, added);
    RecentFiles files(stored);
    for (const QString &path : added)
        files.add(path);
    QTEST(files.paths(), "expected");
}

void RememberedTest::menuTexts_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("names with access keys 1 to 8")
        << QStringList{"/p/a.vnk", "/p/b.vnk", "/p/c.vnk", "/p/d.vnk", "/p/e.vnk", "/p/f.vnk", "/p/g.vnk", "/p/h.vnk"}
        << QStringList{"&1 a.vnk", "&2 b.vnk", "&3 c.vnk", "&4 d.vnk", "&5 e.vnk", "&6 f.vnk", "&7 g.vnk", "&8 h.vnk"};
    QTest::newRow("one name in two folders: full paths")
        << QStringList{"/p/day.vnk", "/q/day.vnk", "/q/week.vnk"}
        << QStringList{"&1 /p/day.vnk", "&2 /q/day.vnk", "&3 week.vnk"};
    QTest::newRow("an ampersand is no access key") << QStringList{"/p/R&D.vnk"} << QStringList{"&1 R&&D.vnk"};
}

void RememberedTest::menuTexts()
{
    QFETCH(QStringList, stored);
    const RecentFiles files(stored);
    QStringList texts;
    for (int i = 0; i < files.paths().size(); ++i)
        texts << files.menuText(i);
    QTEST(texts, "texts");
}

void RememberedTest::savedAndLoadedFilesAreOfferedAfterARestart()
{
    QString saved;
    QString loaded;
    {
        const auto main = startMainWindow();
        saved = saveScenario(*main, QStringLiteral("monday.vnk"));
        loaded = saveScenario(*main, QStringLiteral("tuesday.vnk"));
        QVERIFY(!saved.isEmpty() && !loaded.isEmpty());
        TAgentForm *form = main->NewAgentWindow1Click();
        QVERIFY(form->openFile(saved));
        QVERIFY(main->NewAgentWindow1Click()->openFile(loaded));
    }
    const auto main = startMainWindow();
    QMenu *menu = main->menus().reopen()->menu();
    QVERIFY(menu->isEnabled());
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("&1 tuesday.vnk"));
    QCOMPARE(actions.at(0)->toolTip(), loaded);
    QCOMPARE(actions.at(0)->statusTip(), loaded);
    QCOMPARE(actions.at(1)->text(), QStringLiteral("&2 monday.vnk"));

    // The highlighted entry's full path shows in the hint panel, and leaving
    // it puts back what the panel showed.
    main->toolBar()->hintPanel()->setText(QStringLiteral("Enter the number of calls"));
    actions.at(0)->showStatusText(main.get());
    QCOMPARE(main->toolBar()->hintPanel()->text(), loaded);
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(main.get(), &leave);
    QCOMPARE(main->toolBar()->hintPanel()->text(), QStringLiteral("Enter the number of calls"));

    // Choosing one opens it in a new window as its Load button would.
    actions.at(1)->trigger();
    QTRY_COMPARE(main->agentForms().size(), 1);
    TAgentForm *reopened = main->agentForms().constFirst();
    QCOMPARE(reopened->windowTitle(), QStringLiteral("Monday.vnk"));
    QCOMPARE(reopened->ScenarioFileName(), saved);
    QCOMPARE(main->menus().reopen()->paths(), (QStringList{saved, loaded}));
    QVERIFY(dialogs.shown.isEmpty());
}

void RememberedTest::missingRecentFileIsReportedAndRemoved()
{
    const auto main = startMainWindow();
    const QString kept = saveScenario(*main, QStringLiteral("monday.vnk"));
    const QString gone = saveScenario(*main, QStringLiteral("tuesday.vnk"));
    QVERIFY(QFile::remove(gone));
    const int windows = static_cast<int>(main->agentForms().size());

    main->menus().reopen()->menu()->actions().constFirst()->trigger();
    QTRY_COMPARE(dialogs.texts(QStringLiteral("error")).size(), 1);
    QCOMPARE(dialogs.texts(QStringLiteral("error")).constFirst(),
             QStringLiteral("The scenario file \"%1\" no longer exists; it has been removed from the Reopen list.")
                 .arg(gone));
    QCOMPARE(main->agentForms().size(), windows);
    QCOMPARE(main->menus().reopen()->paths(), QStringList{kept});
    QCOMPARE(main->menus().reopen()->menu()->actions().size(), 1);
    // Gone from the settings too, so the next start no longer offers it.
    QSettings again(settings->fileName(), QSettings::IniFormat);
    QCOMPARE(again.value(QStringLiteral("RecentFiles")).toStringList(), QStringList{kept});
}

void RememberedTest::fitOnScreens_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");
    const QRect laptop(0, 0, 1280, 800);
    const QRect right(1280, 0, 1920, 1080);
    const QMargins none;
    const QMargins frame(4, 30, 4, 4);
    QTest::newRow("on screen: kept") << QRect(100, 100, 630, 451) << none << QList<QRect>{laptop}
                                     << QRect(100, 100, 630, 451);
    QTest::newRow("on the second screen: kept") << QRect(2000, 200, 800, 600) << none
                                                << QList<QRect>{laptop, right} << QRect(2000, 200, 800, 600);
    QTest::newRow("second screen unplugged: onto the first") << QRect(2000, 200, 800, 600) << none
                                                             << QList<QRect>{laptop} << QRect(480, 200, 800, 600);
    QTest::newRow("far off: into the first's corner") << QRect(-5000, -4000, 630, 451) << none
                                                      << QList<QRect>{laptop} << QRect(0, 0, 630, 451);
    QTest::newRow("mostly on the second: all onto it") << QRect(1180, 100, 800, 600) << none
                                                       << QList<QRect>{laptop, right} << QRect(1280, 100, 800, 600);
    QTest::newRow("larger than the screen: shrunk") << QRect(0, 0, 1920, 1080) << none << QList<QRect>{laptop}
                                                    << QRect(0, 0, 1280, 800);
    QTest::newRow("the title bar stays on screen") << QRect(100, 0, 630, 451) << frame << QList<QRect>{laptop}
                                                   << QRect(100, 30, 630, 451);
    QTest::newRow("shrunk within the frame") << QRect(4, 30, 1920, 1080) << frame << QList<QRect>{laptop}
                                             << QRect(4, 30, 1272, 766);
    QTest::newRow("screen below the minimum size: the minimum") << QRect(0, 0, 630, 451) << none
                                                                << QList<QRect>{QRect(0, 0, 400, 280)}
                                                                << QRect(0, 0, 420, 300);
    QTest::newRow("nothing remembered") << QRect() << none << QList<QRect>{laptop} << QRect();
    QTest::newRow("a damaged entry's huge size") << QRect(0, 0, 2147483647, 2147483647) << frame
                                                 << QList<QRect>{laptop} << QRect();
    QTest::newRow("no screen") << QRect(0, 0, 630, 451) << none << QList<QRect>{} << QRect();
}

void RememberedTest::fitOnScreens()
{
    QFETCH(QRect, saved);
    QFETCH(QMargins, frame);
    QFETCH(QList<QRect>, screens);
    QTEST(FitOnScreens(saved, frame, screens, QSize(420, 300)), "expected");
}

void RememberedTest::offScreenLayoutComesBackOnScreen()
{
    // Left on a monitor that is no longer there.
    settings->setValue(QStringLiteral("MainWindow/geometry"), QRect(5000, 4000, 700, 500));
    const auto main = startMainWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(main->geometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(main->x())
                            .arg(main->y())
                            .arg(main->width())
                            .arg(main->height())));
    QCOMPARE(main->size(), QSize(700, 500).boundedTo(screen.size()));
}

void RememberedTest::layoutSurvivesARestart()
{
    const QRect placed(40, 50, 600, 420);
    {
        const auto main = startMainWindow();
        main->setGeometry(placed);
        main->close();
    }
    const auto main = startMainWindow();
    QCOMPARE(main->geometry(), placed);
}

void RememberedTest::resetLayoutForgetsIt()
{
    QRect defaultPlace;
    {
        TMainForm plain(dialogs);
        plain.show();
        defaultPlace = plain.geometry();
    }
    settings->setValue(QStringLiteral("MainWindow/geometry"), QRect(40, 50, 600, 420));
    const QString recent = dir->filePath(QStringLiteral("monday.vnk"));
    settings->setValue(QStringLiteral("RecentFiles"), QStringList{recent});
    const auto main = startMainWindow(true);
    QCOMPARE(main->geometry(), defaultPlace);
    QVERIFY(!settings->contains(QStringLiteral("MainWindow/geometry")));
    // The Reopen list is not part of the layout.
    QCOMPARE(main->menus().reopen()->paths(), QStringList{recent});
}

QTEST_MAIN(RememberedTest)
#include "test_remembered.moc"
