// SPDX-License-Identifier: MIT
#include "agentservices.h"
#include "forecastwindow.h"
#include "forecastwindows.h"
#include "generatedhistory.h"
#include "fakedialogservice.h"
#include "handlerguard.h"
#include "helpcommands.h"
#include "helpwindow.h"
#include "hint.h"
#include "mainmenus.h"
#include "maintoolbar.h"
#include "planningmenuactions.h"
#include "reportprintcommand.h"
#include "tabortprint.h"
#include "taboutform.h"
#include "tagentform.h"
#include "testfiles.h"
#include "tlumstringgrid.h"
#include "tmainform.h"
#include "weekwindow.h"
#include "weekwindows.h"
#include "varnookapplication.h"
#include "windowmenu.h"
#include "windowtiling.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <stdexcept>

namespace {

// An object whose event handling fails, as a handler with a fault would.
class FaultyReceiver : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Disk full");
        return QObject::event(event);
    }
};

QStringList actionTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startsEmptyWithTheMenusAndTheirKeys();
    void windowMenuListsTheChildWindowsWithTheActiveOneChecked();
    void recalculateAndCloseWithNoChildWindowDoNothing();
    void recalculateAndCloseActOnTheActiveChild();
    void planningCommandsActOnTheActiveChild();
    void exitQuestion_data();
    void exitQuestion();
    void hintPanelFollowsTheFocus();
    void aboutBoxIsOneNonModalBoxHiddenByOkEnterEscape();
    void seriesColoursReadBlackOutsideTheTable();
    void reportFontsAndThePrintingDialog();
    void standardErrorTextAddsAFullStop_data();
    void standardErrorTextAddsAFullStop();
    void exceptionsInHandlersReachTheErrorBox();
    void missingHelpFileIsReportedAndNotCreated();
    void helpTopicsAndFinderShareOneWindow();
    void f1OpensTopic4FromAnAgentWindow();
    void workedExamplesCanBeEnteredByKeyboardAlone();
    void aPressOnABackWindowBringsItToTheFront();
    void tilesKeepEveryWindowAtItsMinimum_data();
    void tilesKeepEveryWindowAtItsMinimum();
    void tileNeverSqueezesAgentWindows();
    void closingIsNotBlockedByAPendingField_data();
    void closingIsNotBlockedByAPendingField();
    void forecastOpensAsAWeekToSave();

private:
    FakeDialogService dialogs;
    std::unique_ptr<TMainForm> main;
};

void MainFormTest::init()
{
    dialogs.clear();
    dialogs.confirmAnswer = true;
    main = std::make_unique<TMainForm>(dialogs);
    main->show();
    main->startUp({QStringLiteral("varnook")});
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
}

void MainFormTest::cleanup()
{
    main.reset();
}

void MainFormTest::startsEmptyWithTheMenusAndTheirKeys()
{
    QCOMPARE(main->windowTitle(), QStringLiteral("Varnook"));
    QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    const QList<QAction *> menus = main->menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    QCOMPARE(menus.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(menus.at(1)->text(), QStringLiteral("&Edit"));
    QCOMPARE(menus.at(2)->text(), QStringLiteral("&Window"));
    QCOMPARE(menus.at(3)->text(), QStringLiteral("&Help"));
    QCOMPARE(actionTexts(menus.at(0)->menu()),
             (QStringList{"New A&gent Window", "New &Week", "&Open...", "R&eopen", "&Forecast from History...",
                          "&Save", "Save &As...", "Pri&nt...", "&Recalculate", "&Planning Options...",
                          "Roster Co&lumns", "&Import Intervals...", "Slot &Time Columns", "&Close", "-", "E&xit"}));
    QCOMPARE(actionTexts(menus.at(3)->menu()), (QStringList{"&Contents", "&Index", "-", "&About"}));
    main->menus().window()->update();
    QCOMPARE(actionTexts(main->menus().window()->menu()), (QStringList{"&Tile", "&Cascade"}));
    // Every item but a submenu shows a key of its own, and within a menu no
    // two items share an access key.
    QSet<QKeySequence> keys;
    for (const QAction *menu : menus) {
        QSet<QChar> accessKeys;
        for (const QAction *item : menu->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QChar accessKey = item->text().at(item->text().indexOf(QLatin1Char('&')) + 1).toLower();
            QVERIFY2(!accessKeys.contains(accessKey), qPrintable(item->text()));
            accessKeys.insert(accessKey);
            if (item->menu())
                continue;
            QVERIFY2(!item->shortcut().isEmpty(), qPrintable(item->text()));
            QVERIFY2(!keys.contains(item->shortcut()), qPrintable(item->text()));
            keys.insert(item->shortcut());
        }
    }
    QCOMPARE(main->toolBar()->newWindowButton()->toolTip(), QStringLiteral("New Agents window"));
    QCOMPARE(main->toolBar()->closeProgramButton()->toolTip(), QStringLiteral("Close Varnook"));
    QVERIFY(main->aboutForm() && !main->aboutForm()->isVisible());
}

void MainFormTest::windowMenuListsTheChildWindowsWithTheActiveOneChecked()
{
    main->toolBar()->newWindowButton()->click();
    TAgentForm *second = main->NewAgentWindow1Click();
    QCOMPARE(main->agentForms().size(), 2);
    main->menus().window()->update();
    QList<QAction *> items = main->menus().window()->menu()->actions();
    QCOMPARE(actionTexts(main->menus().window()->menu()),
             (QStringList{"&Tile", "&Cascade", "-", "&1 New Agents", "&2 New Agents"}));
    QVERIFY(!items.at(3)->isChecked());
    QVERIFY(items.at(4)->isChecked());
    QCOMPARE(main->mdiArea()->currentSubWindow()->widget(), second);

    items.at(3)->trigger();
    QCOMPARE(main->mdiArea()->currentSubWindow()->widget(), main->agentForms().at(0));
    main->menus().window()->update();
    items = main->menus().window()->menu()->actions();
    QVERIFY(items.at(3)->isChecked());
    QVERIFY(!items.at(4)->isChecked());

    // A renamed window shows its new caption.
    second->setWindowTitle(QStringLiteral("Monday.vnk"));
    main->menus().window()->update();
    QCOMPARE(main->menus().window()->menu()->actions().at(4)->text(), QStringLiteral("&2 Monday.vnk"));
}

void MainFormTest::recalculateAndCloseWithNoChildWindowDoNothing()
{
    main->Recalculate1Click();
    main->Close1Click();
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(main->isVisible());
}

void MainFormTest::recalculateAndCloseActOnTheActiveChild()
{
    TAgentForm *form = main->NewAgentWindow1Click();
    // A new window has 0 calls: its recalculation reports the field.
    main->Recalculate1Click();
    QCOMPARE(dialogs.texts(QStringLiteral("inform")),
             QStringList{QStringLiteral("Invalid input! - Cursor is positioned in failing field")});
    QCOMPARE(dialogs.shown.constFirst().focus.data(), form->widgets().field(Field::Edit1));

    // The File menu's Open and Save As, the latter by its own key, ask for
    // the active window's file.
    const QList<QAction *> file = main->menuBar()->actions().at(0)->menu()->actions();
    const auto item = [&file](const char *text) {
        return *std::find_if(file.begin(), file.end(), [text](QAction *a) { return a->text() == QLatin1String(text); });
    };
    item("&Open...")->trigger();
    QCOMPARE(dialogs.openSetups.size(), 1);
    QTest::keyClick(form->widgets().field(Field::Edit1), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dialogs.saveSetups.size(), 1);

    QPointer<TAgentForm> watched = form;
    main->Close1Click();
    QTRY_VERIFY(watched.isNull());
    QVERIFY(main->mdiArea()->subWindowList().isEmpty());
    QVERIFY(main->isVisible());
}

void MainFormTest::planningCommandsActOnTheActiveChild()
{
    // Without an agent window the commands are off.
    QVERIFY(!main->menus().planning()->planningAction()->isEnabled());
    QVERIFY(!main->menus().planning()->rosterAction()->isEnabled());

    TAgentForm *first = main->NewAgentWindow1Click();
    first->setWindowTitle(QStringLiteral("First"));
    TAgentForm *second = main->NewAgentWindow1Click();
    QVERIFY(main->menus().planning()->planningAction()->isEnabled());
    QVERIFY(!main->menus().planning()->rosterAction()->isChecked());

    // The roster's columns for the active (second) window only; the check
    // follows the window made active.
    main->menus().planning()->rosterAction()->trigger();
    QVERIFY(second->scenario().inputs().RosterView);
    QVERIFY(!first->scenario().inputs().RosterView);
    QVERIFY(main->menus().planning()->rosterAction()->isChecked());
    main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(first->parentWidget()));
    QVERIFY(!main->menus().planning()->rosterAction()->isChecked());

    // The dialog is asked for the active window's options, named by its
    // caption; Cancel changes nothing.
    main->menus().planning()->planningAction()->trigger();
    QCOMPARE(dialogs.texts(QStringLiteral("planning")), QStringList{QStringLiteral("First")});
    QVERIFY(first->scenario().inputs().Planning.isDefault());
}

void MainFormTest::exitQuestion_data()
{
    QTest::addColumn<int>("children");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("ends");
    QTest::newRow("button, none open") << 0 << "button" << false << false << true;
    QTest::newRow("button, one open, yes") << 1 << "button" << true << true << true;
    QTest::newRow("button, one open, no") << 1 << "button" << false << true << false;
    QTest::newRow("close box, none open") << 0 << "close" << false << false << true;
    QTest::newRow("close box, two open, yes") << 2 << "close" << true << true << true;
    QTest::newRow("close box, two open, no") << 2 << "close" << false << true << false;
    QTest::newRow("Exit menu, one open") << 1 << "exit" << false << false << true;
}

void MainFormTest::exitQuestion()
{
    QFETCH(int, children);
    QFETCH(QString, way);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, ends);
    for (int i = 0; i < children; ++i)
        main->NewAgentWindow1Click();
    dialogs.confirmAnswer = answer;
    if (way == QLatin1String("button"))
        main->toolBar()->closeProgramButton()->click();
    else if (way == QLatin1String("close"))
        main->close();
    else
        main->Exit1Click();
    QCOMPARE(dialogs.texts(QStringLiteral("confirm")), asked ? QStringList{QStringLiteral("Exit Varnook?")} : QStringList{});
    QCOMPARE(main->isVisible(), !ends);
    QCOMPARE(main->mdiArea()->subWindowList().size(), children);
}

void MainFormTest::hintPanelFollowsTheFocus()
{
    TAgentForm *form = main->NewAgentWindow1Click();
    QLabel *panel = main->toolBar()->hintPanel();
    form->widgets().field(Field::Edit1)->setFocus();
    form->widgets().field(Field::Edit1)->selectAll();
    QTest::keyClicks(form->widgets().field(Field::Edit1), QStringLiteral("900"));
    form->widgets().field(Field::MaskEdit5)->setFocus();
    QCOMPARE(panel->text(), QStringLiteral("Enter the service level percentage required"));
    form->widgets().field(Field::Edit1)->setFocus();
    QCOMPARE(panel->text(), QStringLiteral("Enter the total number of calls received"));
    form->widgets().field(Field::MaskEdit4)->setFocus();
    QCOMPARE(panel->text(), QStringLiteral("Enter the maximum time to wait before abandoning in minutes and seconds"));
    // Controls without a hint empty the panel.
    form->widgets().TabSet1->setFocus();
    QCOMPARE(panel->text(), QString());
    form->widgets().StringGrid1->setFocus();
    QCOMPARE(panel->text(), QString());

    form->widgets().TabSet1->setCurrentIndex(1);
    form->widgets().field(Field::MaskEdit1)->setFocus();
    form->widgets().StringGrid1->setFocus();
    QCOMPARE(panel->text(), QStringLiteral("Enter the call volume, use the arrow keys to advance"));
    // Switching to the Agents tab clears the panel.
    form->widgets().TabSet1->setCurrentIndex(0);
    QCOMPARE(panel->text(), QString());
    // The field that a failed recalculation focuses explains itself.
    form->widgets().field(Field::Edit1)->setText(QStringLiteral("0"));
    form->widgets().TabSet1->setFocus();
    form->widgets().SpeedButton2->click();
    QCOMPARE(panel->text(), QStringLiteral("Enter the total number of calls received"));
}

void MainFormTest::aboutBoxIsOneNonModalBoxHiddenByOkEnterEscape()
{
    TAboutForm *about = main->aboutForm();
    main->About1Click();
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    about->okButton()->click();
    QVERIFY(!about->isVisible());

    main->About1Click();
    QCOMPARE(main->aboutForm(), about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(!about->isVisible());

    main->About1Click();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Return);
    QVERIFY(!about->isVisible());
    // The main window works on while the box is open.
    main->About1Click();
    QVERIFY(main->NewAgentWindow1Click());
    QVERIFY(about->isVisible());
}

void MainFormTest::reportFontsAndThePrintingDialog()
{
    // The three labels' fonts: faces, styles, heights and colours, the
    // headers in the colour of the child-window area.
    const QColor workspace = main->mdiArea()->background().color();
    QCOMPARE(main->PageHeaderFont.font.family(), QStringLiteral("Times New Roman"));
    QVERIFY(main->PageHeaderFont.font.bold());
    QCOMPARE(main->PageHeaderFont.font.pixelSize(), 19);
    QCOMPARE(main->PageHeaderFont.colour, workspace);
    QCOMPARE(main->ReportHeaderFont.font.pixelSize(), 16);
    QVERIFY(main->ReportHeaderFont.font.bold());
    QCOMPARE(main->ReportHeaderFont.colour, workspace);
    QCOMPARE(main->BodyFont.font.family(), QStringLiteral("Arial"));
    QVERIFY(!main->BodyFont.font.bold());
    QCOMPARE(main->BodyFont.font.pixelSize(), 13);
    QCOMPARE(main->BodyFont.colour, QColor(Qt::black));
    // What the printer receives: 14, 12 and 10 points.
    const ReportFontSet fonts = main->agentServices().printing.fonts();
    QCOMPARE(fonts.pageHeader, (PrinterFont{"Times New Roman", true, 14, workspace}));
    QCOMPARE(fonts.reportHeader, (PrinterFont{"Times New Roman", true, 12, workspace}));
    QCOMPARE(fonts.body, (PrinterFont{"Arial", false, 10, Qt::black}));

    // The printing dialog is made at start-up, hidden, and shared.
    TAbortPrint *dialog = main->abortPrint();
    QVERIFY(dialog);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(main->agentServices().printing.printingDialog(), dialog);
    main->startUp({QStringLiteral("varnook")});
    QCOMPARE(main->abortPrint(), dialog);
}

void MainFormTest::seriesColoursReadBlackOutsideTheTable()
{
    SeriesColourTable &colours = main->SeriesColours;
    QCOMPARE(colours[0], QColor(255, 0, 0));
    QCOMPARE(colours[5], QColor(192, 192, 192));
    QCOMPARE(colours[8], QColor(128, 0, 0));
    QCOMPARE(colours[-1], QColor(0, 0, 0));
    QCOMPARE(colours[9], QColor(0, 0, 0));
    colours.set(9, Qt::white);
    QCOMPARE(colours[9], QColor(0, 0, 0));
    colours.set(2, Qt::white);
    QCOMPARE(colours[2], QColor(Qt::white));
}

void MainFormTest::standardErrorTextAddsAFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("letter") << "Cannot open file" << "Cannot open file.";
    QTest::newRow("digit") << "List index out of bounds (0" << "List index out of bounds (0.";
    QTest::newRow("quote") << "Cannot create file \"x\"" << "Cannot create file \"x\"";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("slash, code above") << "a/" << "a/.";
    QTest::newRow("closing bracket, code below") << "(x)" << "(x)";
    QTest::newRow("two blanks inside") << "Invalid input value.  Use escape key to abandon changes"
                                       << "Invalid input value.  Use escape key to abandon changes.";
}

void MainFormTest::standardErrorTextAddsAFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(StandardErrorText(message), shown);
}

void MainFormTest::exceptionsInHandlersReachTheErrorBox()
{
    RunHandler(dialogs, [] { throw std::runtime_error("Cannot open file \"a.vnk\""); });
    QCOMPARE(dialogs.texts(QStringLiteral("error")), QStringList{QStringLiteral("Cannot open file \"a.vnk\"")});

    auto *app = qobject_cast<VarnookApplication *>(qApp);
    QVERIFY(app);
    app->setDialogs(&dialogs);
    FaultyReceiver receiver;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&receiver, &event);
    app->setDialogs(nullptr);
    QCOMPARE(dialogs.texts(QStringLiteral("error")).last(), QStringLiteral("Disk full."));
}

void MainFormTest::missingHelpFileIsReportedAndNotCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TOLVAN.HLP"));
    main->help().setHelpFile(path);
    main->Contents1Click();
    main->help().showTopic(4);
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 2);
    QVERIFY(errors.at(0).contains(path));
    QVERIFY(errors.at(0).endsWith(QLatin1Char('.')));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!main->help().window());
}

void MainFormTest::helpTopicsAndFinderShareOneWindow()
{
    main->help().setHelpFile(QStringLiteral(VARNOOK_BUILT_HELP_FILE));
    main->help().showTopic(4);
    HelpWindow *help = main->help().window();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QVERIFY(help->browser()->source().toString().endsWith(QStringLiteral("main.html")));
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("The Varnook window")));
    main->help().showTopic(32);
    QVERIFY(help->browser()->source().toString().endsWith(QStringLiteral("graph.html")));
    main->help().showTopic(WeekWindow::HelpTopic);
    QVERIFY(help->browser()->source().toString().endsWith(QStringLiteral("week.html")));
    help->hide();
    main->Contents1Click();
    QCOMPARE(main->help().window(), help);
    QVERIFY(help->isVisible());
    help->hide();
    main->TopicSearch1Click();
    QCOMPARE(main->help().window(), help);
    QVERIFY(help->isVisible());
    QVERIFY(dialogs.shown.isEmpty());
    // Escape and Ctrl+W close it.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        main->Contents1Click();
        help->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), help);
        help->browser()->setFocus();
        QTest::keySequence(help->browser(), key);
        QVERIFY(!help->isVisible());
    }
}

void MainFormTest::f1OpensTopic4FromAnAgentWindow()
{
    main->help().setHelpFile(QStringLiteral(VARNOOK_BUILT_HELP_FILE));
    TAgentForm *form = main->NewAgentWindow1Click();
    form->widgets().field(Field::MaskEdit2)->setFocus();
    QTest::keyClick(form->widgets().field(Field::MaskEdit2), Qt::Key_F1);
    QVERIFY(main->help().window());
    QVERIFY(main->help().window()->browser()->source().toString().endsWith(QStringLiteral("main.html")));
}

namespace {

void typeKeys(const QString &keys)
{
    for (QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

void MainFormTest::workedExamplesCanBeEnteredByKeyboardAlone()
{
    // The Agents example: every field in the tab order, typed over.
    TAgentForm *agents = main->NewAgentWindow1Click();
    QCOMPARE(QApplication::focusWidget(), agents->widgets().field(Field::MaskEdit5));
    for (const char *keys : {"80", "20", "100", "0800", "0900", "0300", "0030", "0025"}) {
        typeKeys(QLatin1String(keys));
        pressKey(Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), agents->widgets().StringGrid1);
    QVERIFY(dialogs.shown.isEmpty());
    const ResultTable &table = agents->scenario().StringGrid1();
    QCOMPARE(table.rowCount(), 11);
    QCOMPARE(table.cell(ResultTable::AgentsColumn, 1), QStringLiteral("6"));
    QCOMPARE(table.cell(ResultTable::AgentsColumn, 10), QStringLiteral("15"));
    QCOMPARE(table.cell(ResultTable::AgentsColumn, agents->widgets().StringGrid1->currentTableRow()),
             QStringLiteral("9"));

    // The Schedule example: 30-minute slots and four typed volumes.
    TAgentForm *schedule = main->NewAgentWindow1Click();
    for (const char *keys : {"80", "20", "1", "0800", "1000", "0300", "0100", "0030"}) {
        typeKeys(QLatin1String(keys));
        pressKey(Qt::Key_Tab);
    }
    pressKey(Qt::Key_Tab); // from the grid to the tab strip
    QCOMPARE(QApplication::focusWidget(), schedule->widgets().TabSet1);
    pressKey(Qt::Key_Right);
    QVERIFY(schedule->scenario().inputs().ScheduleMode);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier); // the grid
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier); // the slot buttons
    QCOMPARE(QApplication::focusWidget(), schedule->widgets().RadioButton2);
    pressKey(Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), schedule->widgets().RadioButton1);
    pressKey(Qt::Key_Space);
    QVERIFY(schedule->widgets().RadioButton1->isChecked());
    QCOMPARE(schedule->scenario().StringGrid1().rowCount(), 5);
    pressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), schedule->widgets().StringGrid1);
    QCOMPARE(schedule->widgets().StringGrid1->currentTableColumn(), ResultTable::CallsColumn);
    QCOMPARE(schedule->widgets().StringGrid1->currentTableRow(), 1);
    for (const char *volume : {"0", "10", "50"}) {
        typeKeys(QLatin1String(volume));
        pressKey(Qt::Key_Down);
    }
    typeKeys(QStringLiteral("120"));
    pressKey(Qt::Key_Return);
    QVERIFY(dialogs.shown.isEmpty());
    const ResultTable &slotTable = schedule->scenario().StringGrid1();
    QStringList agentsNeeded;
    for (int row = 1; row <= 4; ++row)
        agentsNeeded << slotTable.cell(ResultTable::SlotAgentsColumn, row);
    QCOMPARE(agentsNeeded, (QStringList{"0", "3", "10", "20"}));
    QCOMPARE(schedule->widgets().field(Field::Edit1)->text(), QStringLiteral("180"));
}

void MainFormTest::aPressOnABackWindowBringsItToTheFront()
{
    TAgentForm *back = main->NewAgentWindow1Click();
    TAgentForm *front = main->NewAgentWindow1Click();
    auto *backChild = qobject_cast<QMdiSubWindow *>(back->parentWidget());
    QCOMPARE(main->mdiArea()->activeSubWindow()->widget(), front);
    // The frames take no focus from a click (so that a click on a tool
    // button leaves the cursor's field pending); a press still activates.
    QCOMPARE(backChild->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(backChild, Qt::LeftButton, {}, QPoint(backChild->width() / 3, 8));
    QCOMPARE(main->mdiArea()->activeSubWindow(), backChild);
    QTest::mouseClick(front->widgets().SpeedButton1, Qt::LeftButton);
    QTRY_COMPARE(main->agentForms().size(), 1);
    QCOMPARE(main->agentForms().constFirst(), back);
}

void MainFormTest::tilesKeepEveryWindowAtItsMinimum_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QList<QSize>>("minimums");
    QTest::addColumn<QList<QRect>>("tiles");
    const QRect area(0, 0, 600, 400);
    QTest::newRow("equal shares, spare pixels first")
        << QRect(0, 0, 600, 401) << QList<QSize>{{10, 10}, {10, 10}, {10, 10}}
        << QList<QRect>{{0, 0, 600, 134}, {0, 134, 600, 134}, {0, 268, 600, 133}};
    QTest::newRow("one tall window takes its minimum, the others share the rest")
        << area << QList<QSize>{{10, 10}, {10, 250}, {10, 10}}
        << QList<QRect>{{0, 0, 600, 75}, {0, 75, 600, 250}, {0, 325, 600, 75}};
    QTest::newRow("minimums that do not fit run on below")
        << area << QList<QSize>{{10, 180}, {10, 180}, {10, 180}}
        << QList<QRect>{{0, 0, 600, 180}, {0, 180, 600, 180}, {0, 360, 600, 180}};
    QTest::newRow("a window wider than the area keeps its width")
        << area << QList<QSize>{{700, 10}, {10, 10}} << QList<QRect>{{0, 0, 700, 200}, {0, 200, 600, 200}};
    QTest::newRow("offset area") << QRect(5, 7, 100, 100) << QList<QSize>{{0, 0}}
                                 << QList<QRect>{{5, 7, 100, 100}};
    QTest::newRow("no window") << area << QList<QSize>{} << QList<QRect>{};
    QTest::newRow("empty area") << QRect() << QList<QSize>{{1, 1}} << QList<QRect>{};
}

void MainFormTest::tilesKeepEveryWindowAtItsMinimum()
{
    QFETCH(QRect, area);
    QFETCH(QList<QSize>, minimums);
    QFETCH(QList<QRect>, tiles);
    QCOMPARE(HorizontalTiles(area, minimums), tiles);
}

void MainFormTest::tileNeverSqueezesAgentWindows()
{
    for (int i = 0; i < 4; ++i)
        main->NewAgentWindow1Click();
    main->resize(1280, 800);
    // A maximised window is restored first, and every window is tiled.
    main->mdiArea()->currentSubWindow()->showMaximized();
    main->menus().window()->tile();
    const QList<QMdiSubWindow *> children = main->mdiArea()->subWindowList();
    int bottom = 0;
    for (QMdiSubWindow *child : children) {
        QVERIFY(!child->isMaximized());
        QVERIFY(child->height() >= child->minimumSizeHint().height());
        QVERIFY(child->width() >= child->minimumSizeHint().width());
        QVERIFY(child->y() >= bottom);
        bottom = child->geometry().bottom();
    }
    // The windows that do not fit are reached by scrolling.
    QVERIFY(main->mdiArea()->verticalScrollBar()->maximum() > 0);
}

void MainFormTest::closingIsNotBlockedByAPendingField_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("keys");
    const QStringList ways{"Exit", "Close", "close form button", "close box"};
    for (const QString &way : ways) {
        // A number of calls that the exit's recalculation would refuse, and
        // a masked field whose exit is refused outright.
        QTest::addRow("%s, calls not a number", qPrintable(way)) << way << Field::Edit1 << QStringLiteral("12x");
        QTest::addRow("%s, abandon 04:__", qPrintable(way)) << way << Field::MaskEdit4 << QStringLiteral("04");
    }
}

void MainFormTest::closingIsNotBlockedByAPendingField()
{
    QFETCH(QString, way);
    QFETCH(Field, field);
    QFETCH(QString, keys);
    main->NewAgentWindow1Click();
    TAgentForm *form = main->NewAgentWindow1Click();
    QLineEdit *edit = form->widgets().field(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
    dialogs.clear();
    QPointer<TAgentForm> watched = form;
    auto *child = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (way == QLatin1String("Exit"))
        main->Exit1Click();
    else if (way == QLatin1String("Close"))
        main->Close1Click();
    else if (way == QLatin1String("close form button"))
        QTest::mouseClick(form->widgets().SpeedButton1, Qt::LeftButton);
    else
        child->close();
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.shown.value(0).text));
    if (way == QLatin1String("Exit")) {
        QVERIFY(!main->isVisible());
    } else {
        QTRY_VERIFY(watched.isNull());
        QCOMPARE(main->mdiArea()->subWindowList().size(), 1);
    }
}

void MainFormTest::forecastOpensAsAWeekToSave()
{
    QTemporaryDir folder;
    const QString path = writeFileIn(folder, QStringLiteral("history.csv"), GeneratedHistory().text().toUtf8());
    ForecastWindow *forecast = main->forecasts().open(path);
    QVERIFY(forecast);
    forecast->openAsWeek();
    const QList<WeekWindow *> weeks = main->weekWindows().windows();
    QCOMPARE(weeks.size(), 1);
    const WeekScenario &week = weeks.front()->document().week();
    QVERIFY(week.days.front().date == forecast->session().outcome().monday);
    QCOMPARE(week.days.front().calls.front(), forecast->session().outcome().week.front().slotValues.front().calls);
    // Not in a file yet: closing the week asks to save it.
    QVERIFY(weeks.front()->document().changed());
}

int main(int argc, char *argv[])
{
    VarnookApplication app(argc, argv);
    MainFormTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainform.moc"
