// SPDX-License-Identifier: MIT
#include "agentgridevents.h"
#include "fakedialogservice.h"
#include "tagentform.h"
#include "tmainform.h"
#include "slottimescommand.h"
#include "reopenmenu.h"
#include "mainmenus.h"
#include "weekfile.h"
#include "weekvolumemodel.h"
#include "weekwindow.h"
#include "weekwindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Everything a load may change in a window, to compare before and after.
struct WindowState
{
    explicit WindowState(const TAgentForm &form)
        : caption(form.windowTitle())
        , fileName(form.ScenarioFileName())
        , thirty(form.widgets().RadioButton1->isChecked())
        , sixty(form.widgets().RadioButton2->isChecked())
        , slotCalls(form.scenario().inputs().SlotCalls)
        , edited(form.scenario().inputs().SlotCallsEdited)
    {
        for (int i = 0; i < FieldCount; ++i)
            fields << form.widgets().field(static_cast<Field>(i))->text();
    }
    bool operator==(const WindowState &o) const
    {
        return caption == o.caption && fileName == o.fileName && thirty == o.thirty && sixty == o.sixty
               && slotCalls == o.slotCalls && edited == o.edited && fields == o.fields;
    }

    QString caption;
    QString fileName;
    bool thirty;
    bool sixty;
    std::array<int, ScenarioInputs::SlotCapacity + 1> slotCalls;
    bool edited;
    QStringList fields;
};

QStringList tableTexts(const TAgentForm &form)
{
    QStringList texts;
    const ResultTable &table = form.scenario().StringGrid1();
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < ResultTable::ColumnCount; ++c)
            texts << table.cell(c, r);
    }
    return texts;
}

void leave(TAgentForm &form, Field field, const QString &text)
{
    QLineEdit *edit = form.widgets().field(field);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
    form.fieldExit(field);
}

} // namespace

class ScenarioCommandsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void saveThenLoadIntoANewWindowGivesTheSameScenario();
    void newWindowsDialogsStartAtItsFileName();
    void cancelledDialogsChangeNothing();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void failedSaveKeepsTheOldFileAndTheWindowsName();
    void failedLoadReportsAndChangesNothing_data();
    void failedLoadReportsAndChangesNothing();
    void commandLineFileGivesTheCapitalisedCaptionAndAsksOnFirstSave();
    void unreadableCommandLineFileLeavesAWindowAtItsDefaults();
    void loadedTextsPassTheFieldMasks_data();
    void loadedTextsPassTheFieldMasks();
    void invalidLoadedFieldIsReportedOverTheLoadedValues();
    void closingAChangedFileAsksToSave_data();
    void closingAChangedFileAsksToSave();
    void closingActivatesTheWindowUsedBefore();
    void eachFileOpensInTheWindowItBelongsTo_data();
    void eachFileOpensInTheWindowItBelongsTo();
    void endingVarnookAsksForAChangedWeek();
    void intervalsOfSeveralDaysOpenAsAWeek_data();
    void intervalsOfSeveralDaysOpenAsAWeek();

private:
    // The worked Schedule example with typed slot volumes.
    TAgentForm *scheduleExample();

    FakeDialogService dialogs;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<QTemporaryDir> dir;
};

void ScenarioCommandsTest::init()
{
    dialogs.clear();
    dialogs.warningAnswer = true;
    dialogs.openAnswer.clear();
    dialogs.saveAnswer.clear();
    dir = std::make_unique<QTemporaryDir>();
    main = std::make_unique<TMainForm>(dialogs);
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
}

void ScenarioCommandsTest::cleanup()
{
    main.reset();
    dir.reset();
}

TAgentForm *ScenarioCommandsTest::scheduleExample()
{
    TAgentForm *form = main->NewAgentWindow1Click();
    leave(*form, Field::Edit1, QStringLiteral("180"));
    leave(*form, Field::MaskEdit5, QStringLiteral("80"));
    leave(*form, Field::MaskEdit6, QStringLiteral("20"));
    leave(*form, Field::MaskEdit2, QStringLiteral("03:00"));
    leave(*form, Field::MaskEdit7, QStringLiteral("10:00"));
    form->widgets().TabSet1->setCurrentIndex(1);
    form->widgets().RadioButton1->click();
    const int volumes[] = {0, 10, 50, 120};
    for (int row = 1; row <= 4; ++row) {
        form->gridEvents().keyPress(QLatin1Char('1'));
        form->gridEvents().setEditText(ResultTable::CallsColumn, row, QString::number(volumes[row - 1]));
    }
    form->gridEvents().keyPress(QChar(13));
    dialogs.clear();
    return form;
}

void ScenarioCommandsTest::saveThenLoadIntoANewWindowGivesTheSameScenario()
{
    TAgentForm *saved = scheduleExample();
    QCOMPARE(saved->widgets().field(Field::Edit1)->text(), QStringLiteral("180"));
    const QString path = dir->filePath(QStringLiteral("day.vnk"));
    dialogs.saveAnswer = path;
    saved->SpeedButton4Click();
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(saved->windowTitle(), QStringLiteral("Day.vnk"));
    QCOMPARE(saved->ScenarioFileName(), path);

    TAgentForm *loaded = main->NewAgentWindow1Click();
    dialogs.openAnswer = path;
    loaded->SpeedButton5Click();
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(loaded->windowTitle(), QStringLiteral("Day.vnk"));
    QCOMPARE(loaded->ScenarioFileName(), path);
    for (int i = 0; i < FieldCount; ++i)
        QCOMPARE(loaded->widgets().field(static_cast<Field>(i))->text(),
                 saved->widgets().field(static_cast<Field>(i))->text());
    QVERIFY(loaded->widgets().RadioButton1->isChecked());
    for (int slot = 1; slot <= 4; ++slot)
        QCOMPARE(loaded->scenario().inputs().SlotCalls[slot], saved->scenario().inputs().SlotCalls[slot]);
    loaded->widgets().TabSet1->setCurrentIndex(1);
    QCOMPARE(tableTexts(*loaded), tableTexts(*saved));
    QCOMPARE(loaded->scenario().StringGrid1().cell(ResultTable::SlotAgentsColumn, 4), QStringLiteral("20"));
}

void ScenarioCommandsTest::newWindowsDialogsStartAtItsFileName()
{
    TAgentForm *form = main->NewAgentWindow1Click();
    form->SpeedButton4Click();
    form->SpeedButton5Click();
    QCOMPARE(dialogs.saveSetups.size(), 1);
    QCOMPARE(dialogs.openSetups.size(), 1);
    // A new window: the folder last used, an untitled name to save.
    for (const FileDialogSetup &setup : {dialogs.saveSetups.at(0), dialogs.openSetups.at(0)}) {
        QCOMPARE(setup.initialFolder, QString());
        QCOMPARE(setup.defaultSuffix, QStringLiteral("vnk"));
        QCOMPARE(setup.filters, (QStringList{"VNK files (*.vnk)", "Text files (*.txt)"}));
    }
    QCOMPARE(dialogs.saveSetups.at(0).initialName, QStringLiteral("untitled.vnk"));
    QCOMPARE(dialogs.openSetups.at(0).initialName, QString());
    const QString path = dir->filePath(QStringLiteral("a.vnk"));
    dialogs.saveAnswer = path;
    form->SpeedButton4Click();

    // Another window saves elsewhere; this one's Save still offers its own
    // file, and a window started with a file offers that one.
    TAgentForm *other = main->NewAgentWindow1Click();
    dialogs.saveAnswer = dir->filePath(QStringLiteral("other.vnk"));
    other->SpeedButton4Click();
    dialogs.saveAnswer.clear();
    form->SpeedButton4Click();
    QCOMPARE(dialogs.saveSetups.last().initialFolder, dir->path());
    QCOMPARE(dialogs.saveSetups.last().initialName, QStringLiteral("a.vnk"));
    TAgentForm *started = main->NewAgentWindow1Click();
    QVERIFY(started->openStartupFile(dir->filePath(QStringLiteral("other.vnk"))));
    started->SpeedButton4Click();
    QCOMPARE(dialogs.saveSetups.last().initialName, QStringLiteral("other.vnk"));
}

void ScenarioCommandsTest::cancelledDialogsChangeNothing()
{
    TAgentForm *form = scheduleExample();
    const WindowState before(*form);
    form->SpeedButton4Click();
    form->SpeedButton5Click();
    QVERIFY(WindowState(*form) == before);
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(QDir(dir->path()).isEmpty());
}

void ScenarioCommandsTest::overwriteQuestion_data()
{
    QTest::addColumn<QString>("existing"); // a file there before, or empty
    QTest::addColumn<QString>("ownFile");  // the window's file, or empty
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::newRow("new file") << "" << "" << "new.vnk" << false << false << true;
    QTest::newRow("another file, yes") << "old.vnk" << "" << "old.vnk" << true << true << true;
    QTest::newRow("another file, no") << "old.vnk" << "" << "old.vnk" << false << true << false;
    QTest::newRow("own file again") << "mine.vnk" << "mine.vnk" << "mine.vnk" << false << false << true;
    QTest::newRow("own name in other letters is another file here")
        << "MINE.VNK" << "mine.vnk" << "MINE.VNK" << false << true << false;
    QTest::newRow("text file choice") << "" << "" << "day.txt" << false << false << true;
}

void ScenarioCommandsTest::overwriteQuestion()
{
    QFETCH(QString, existing);
    QFETCH(QString, ownFile);
    QFETCH(QString, chosen);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    TAgentForm *form = scheduleExample();
    if (!ownFile.isEmpty()) {
        dialogs.saveAnswer = dir->filePath(ownFile);
        form->SpeedButton4Click();
        dialogs.clear();
    }
    const QByteArray oldBytes("vnk\r\nsomething else\r\n");
    if (!existing.isEmpty() && existing != ownFile)
        writeFile(dir->filePath(existing), oldBytes);
    const QString path = dir->filePath(chosen);
    const WindowState before(*form);

    dialogs.warningAnswer = answer;
    dialogs.saveAnswer = path;
    form->SpeedButton4Click();
    QCOMPARE(dialogs.texts(QStringLiteral("warning")),
             asked ? QStringList{QStringLiteral("Overwrite file %1?").arg(path)} : QStringList{});
    if (written) {
        QVERIFY(readAll(path).startsWith("vnk\r\n80\r\n20\r\n180\r\n"));
        QCOMPARE(form->ScenarioFileName(), path);
        QCOMPARE(form->windowTitle(), QFileInfo(chosen).fileName().toLower().replace(0, 1, chosen.at(0).toUpper()));
    } else {
        QCOMPARE(readAll(path), oldBytes);
        QVERIFY(WindowState(*form) == before);
    }
}

void ScenarioCommandsTest::failedSaveKeepsTheOldFileAndTheWindowsName()
{
    TAgentForm *form = scheduleExample();
    const QString own = dir->filePath(QStringLiteral("own.vnk"));
    dialogs.saveAnswer = own;
    form->SpeedButton4Click();
    const QByteArray ownBytes = readAll(own);
    leave(*form, Field::MaskEdit6, QStringLiteral("30"));
    dialogs.clear();
    const WindowState before(*form);

    // The process may write no more than 16 bytes into a file (root too).
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 16;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    form->SpeedButton4Click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(readAll(own), ownBytes);
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(own)), qPrintable(errors.at(0)));
    QVERIFY(WindowState(*form) == before);

    // A folder that does not exist: reported, and the window keeps its name.
    dialogs.clear();
    dialogs.saveAnswer = dir->filePath(QStringLiteral("nowhere/x.vnk"));
    form->SpeedButton4Click();
    QCOMPARE(dialogs.texts(QStringLiteral("error")).size(), 1);
    QCOMPARE(form->ScenarioFileName(), own);
    QCOMPARE(form->windowTitle(), QStringLiteral("Own.vnk"));
}

void ScenarioCommandsTest::failedLoadReportsAndChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty name part: no file at all
    QTest::addColumn<bool>("create");
    QTest::newRow("missing") << "missing.vnk" << QByteArray() << false;
    QTest::newRow("empty") << "empty.vnk" << QByteArray() << true;
    QTest::newRow("not a scenario file") << "letter.txt" << QByteArray("Dear planner,\r\n") << true;
    QTest::newRow("capital VNK") << "caps.vnk" << QByteArray("VNK\r\n90\r\n10\r\n0\r\n") << true;
    QTest::newRow("stops part-way") << "short.vnk" << QByteArray("vnk\r\n70\r\n15\r\n500\r\n08:00\r\n") << true;
    QTest::newRow("calls not a number")
        << "bad.vnk" << QByteArray("vnk\r\n70\r\n15\r\nmany\r\n08:00\r\n02:00\r\n00:30\r\n00:30\r\n08:00\r\n12:00\r\n1\r\n")
        << true;
    QTest::newRow("volume not a number")
        << "badslot.vnk"
        << QByteArray("vnk\r\n70\r\n15\r\n0\r\n08:00\r\n02:00\r\n00:30\r\n00:30\r\n08:00\r\n10:00\r\n1\r\n5\r\nx\r\n")
        << true;
}

void ScenarioCommandsTest::failedLoadReportsAndChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, create);
    TAgentForm *form = scheduleExample();
    dialogs.saveAnswer = dir->filePath(QStringLiteral("before.vnk"));
    form->SpeedButton4Click();
    leave(*form, Field::MaskEdit5, QStringLiteral("85"));
    dialogs.clear();
    const QString path = dir->filePath(name);
    if (create)
        writeFile(path, bytes);
    const WindowState before(*form);
    const QStringList tableBefore = tableTexts(*form);

    dialogs.openAnswer = path;
    form->SpeedButton5Click();
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.at(0).contains(name), qPrintable(errors.at(0)));
    QVERIFY(WindowState(*form) == before);
    QCOMPARE(tableTexts(*form), tableBefore);
    QCOMPARE(form->windowTitle(), QStringLiteral("Before.vnk"));

    // A later Save to the name it failed on does not pass as the own file.
    if (create) {
        dialogs.clear();
        dialogs.warningAnswer = false;
        dialogs.saveAnswer = path;
        form->SpeedButton4Click();
        QCOMPARE(dialogs.texts(QStringLiteral("warning")).size(), 1);
        QCOMPARE(readAll(path), bytes);
    }
}

void ScenarioCommandsTest::commandLineFileGivesTheCapitalisedCaptionAndAsksOnFirstSave()
{
    TAgentForm *source = scheduleExample();
    const QString path = dir->filePath(QStringLiteral("MONDAY.VNK"));
    dialogs.saveAnswer = path;
    source->SpeedButton4Click();
    source->SpeedButton1Click();
    QTRY_VERIFY(main->mdiArea()->subWindowList().isEmpty());
    dialogs.clear();

    main->startUp({QStringLiteral("varnook"), path, QStringLiteral("ignored.vnk")});
    QCOMPARE(main->agentForms().size(), 1);
    TAgentForm *form = main->agentForms().constFirst();
    QCOMPARE(form->windowTitle(), QStringLiteral("Monday.vnk"));
    QCOMPARE(form->ScenarioFileName(), QStringLiteral("*.vnk"));
    QCOMPARE(form->widgets().field(Field::Edit1)->text(), QStringLiteral("180"));
    QVERIFY(dialogs.shown.isEmpty());

    dialogs.warningAnswer = false;
    dialogs.saveAnswer = path;
    form->SpeedButton4Click();
    QCOMPARE(dialogs.texts(QStringLiteral("warning")), QStringList{QStringLiteral("Overwrite file %1?").arg(path)});
}

void ScenarioCommandsTest::unreadableCommandLineFileLeavesAWindowAtItsDefaults()
{
    const QString path = dir->filePath(QStringLiteral("gone.vnk"));
    main->startUp({QStringLiteral("varnook"), path});
    QVERIFY(main->isVisible());
    QCOMPARE(main->agentForms().size(), 1);
    TAgentForm *form = main->agentForms().constFirst();
    QCOMPARE(form->windowTitle(), QStringLiteral("New Agents"));
    QCOMPARE(form->ScenarioFileName(), QStringLiteral("*.vnk"));
    QCOMPARE(form->widgets().field(Field::Edit1)->text(), QStringLiteral("0"));
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.at(0).contains(path));
}

void ScenarioCommandsTest::loadedTextsPassTheFieldMasks_data()
{
    QTest::addColumn<QByteArray>("afterCall"); // line 7
    QTest::addColumn<QByteArray>("start");     // line 9
    QTest::addColumn<QString>("shownAfterCall");
    QTest::addColumn<QString>("shownStart");
    // " 1:00" is what the field holds after its first digit was deleted.
    QTest::newRow("as the window saves them") << QByteArray(" 1:00") << QByteArray("08:00") << "_1:00" << "08:00";
    QTest::newRow("written by hand") << QByteArray("1:00") << QByteArray("8:00") << "_1:00" << "_8:00";
}

void ScenarioCommandsTest::loadedTextsPassTheFieldMasks()
{
    QFETCH(QByteArray, afterCall);
    QFETCH(QByteArray, start);
    QFETCH(QString, shownAfterCall);
    QFETCH(QString, shownStart);
    const QString path = dir->filePath(QStringLiteral("masks.vnk"));
    // Volumes that add up to the stated total: no re-spread rewrites the times.
    writeFile(path, "vnk\r\n80\r\n20\r\n200\r\n" + start + "\r\n03:00\r\n" + afterCall + "\r\n00:30\r\n" + start
                        + "\r\n10:00\r\n1\r\n120\r\n80\r\n");
    TAgentForm *form = main->NewAgentWindow1Click();
    dialogs.openAnswer = path;
    form->SpeedButton5Click();
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(form->widgets().field(Field::MaskEdit3)->displayText(), shownAfterCall);
    QCOMPARE(form->widgets().field(Field::MaskEdit1)->displayText(), shownStart);
    // The total time follows the loaded times at once.
    QCOMPARE(form->widgets().StaticText1->text(), QStringLiteral("02:00"));
    // What is shown is what the next recalculation reads: it passes.
    const QStringList table = tableTexts(*form);
    form->Recalculate();
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(tableTexts(*form), table);

    // Saved again and loaded into a new window: the same texts, exactly.
    const QString again = dir->filePath(QStringLiteral("again.vnk"));
    dialogs.saveAnswer = again;
    form->SpeedButton4Click();
    const QByteArray saved = readAll(again);
    QVERIFY2(saved.contains("\r\n 1:00\r\n"), saved.constData());
    TAgentForm *reloaded = main->NewAgentWindow1Click();
    dialogs.openAnswer = again;
    reloaded->SpeedButton5Click();
    QVERIFY(dialogs.shown.isEmpty());
    for (int i = 0; i < FieldCount; ++i)
        QCOMPARE(reloaded->widgets().field(static_cast<Field>(i))->displayText(),
                 form->widgets().field(static_cast<Field>(i))->displayText());
    dialogs.saveAnswer = dir->filePath(QStringLiteral("third.vnk"));
    reloaded->SpeedButton4Click();
    QCOMPARE(readAll(dialogs.saveAnswer), saved);
}

void ScenarioCommandsTest::invalidLoadedFieldIsReportedOverTheLoadedValues()
{
    TAgentForm *form = scheduleExample();
    const QString path = dir->filePath(QStringLiteral("late.vnk"));
    // Minute 70 of the abandon time fits the mask but no clock.
    writeFile(path, "vnk\r\n80\r\n20\r\n300\r\n08:00\r\n03:00\r\n00:30\r\n00:70\r\n08:00\r\n11:00\r\n1\r\n");
    struct Seen
    {
        QString abandon, calls, caption, totalTime;
    } seen;
    dialogs.onShown = [&] {
        seen = {form->widgets().field(Field::MaskEdit4)->text(), form->widgets().field(Field::Edit1)->text(),
                form->windowTitle(), form->widgets().StaticText1->text()};
    };
    dialogs.openAnswer = path;
    form->SpeedButton5Click();
    dialogs.onShown = nullptr;
    QCOMPARE(dialogs.texts(QStringLiteral("inform")),
             QStringList{QStringLiteral("Invalid input! - Cursor is positioned in failing field")});
    QCOMPARE(dialogs.shown.constFirst().focus.data(), form->widgets().field(Field::MaskEdit4));
    QCOMPARE(seen.abandon, QStringLiteral("00:70"));
    QCOMPARE(seen.calls, QStringLiteral("300"));
    QCOMPARE(seen.caption, QStringLiteral("Late.vnk"));
    QCOMPARE(seen.totalTime, QStringLiteral("03:00"));
}


void ScenarioCommandsTest::closingAChangedFileAsksToSave_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("history"); // "saved", "loaded", "never saved"
    QTest::addColumn<bool>("changed");
    QTest::addColumn<SaveChoice>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("fileRewritten");
    for (const char *way : {"close box", "Close form", "File Close"}) {
        QTest::addRow("%s, changed, Save", way) << way << "saved" << true << SaveChoice::Save << true << true << true;
        QTest::addRow("%s, changed, Discard", way) << way << "saved" << true << SaveChoice::Discard << true << true << false;
        QTest::addRow("%s, changed, Cancel", way) << way << "saved" << true << SaveChoice::Cancel << true << false << false;
    }
    QTest::newRow("loaded, changed, Save") << "close box" << "loaded" << true << SaveChoice::Save << true << true << true;
    QTest::newRow("saved, unchanged") << "close box" << "saved" << false << SaveChoice::Cancel << false << true << false;
    QTest::newRow("loaded, unchanged") << "Close form" << "loaded" << false << SaveChoice::Cancel << false << true << false;
    QTest::newRow("never saved, changed") << "File Close" << "never saved" << true << SaveChoice::Cancel << false << true << false;
    QTest::newRow("Exit, changed, Cancel") << "Exit" << "saved" << true << SaveChoice::Cancel << true << false << false;
    QTest::newRow("Exit, changed, Save") << "Exit" << "saved" << true << SaveChoice::Save << true << true << true;
    QTest::newRow("Exit, never saved") << "Exit" << "never saved" << true << SaveChoice::Cancel << false << true << false;
}

void ScenarioCommandsTest::closingAChangedFileAsksToSave()
{
    QFETCH(QString, way);
    QFETCH(QString, history);
    QFETCH(bool, changed);
    QFETCH(SaveChoice, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closes);
    QFETCH(bool, fileRewritten);
    TAgentForm *form = scheduleExample();
    const QString path = dir->filePath(QStringLiteral("day.vnk"));
    if (history == QLatin1String("loaded")) {
        dialogs.saveAnswer = path;
        form->SpeedButton4Click();
        form = main->ReopenScenarioWindow(path);
    } else if (history == QLatin1String("saved")) {
        dialogs.saveAnswer = path;
        form->SpeedButton4Click();
    }
    const QByteArray before = readAll(path);
    if (changed) {
        // A typed volume, and a field typed and not yet left.
        form->gridEvents().keyPress(QLatin1Char('7'));
        form->gridEvents().setEditText(ResultTable::CallsColumn, 2, QStringLiteral("77"));
        QLineEdit *calls = form->widgets().field(Field::Edit1);
        calls->setFocus();
        calls->selectAll();
        QTest::keyClicks(calls, QStringLiteral("250"));
    }
    dialogs.clear();
    dialogs.saveChangesAnswer = answer;
    QPointer<TAgentForm> watched = form;
    if (way == QLatin1String("close box"))
        form->parentWidget()->close();
    else if (way == QLatin1String("Close form"))
        QTest::mouseClick(form->widgets().SpeedButton1, Qt::LeftButton);
    else if (way == QLatin1String("File Close"))
        main->Close1Click();
    else
        main->Exit1Click();

    const QStringList questions = dialogs.texts(QStringLiteral("saveChanges"));
    // The file as it is on disk, not the window's capitalised caption.
    QCOMPARE(questions, asked ? QStringList{QStringLiteral("Save changes to day.vnk?")} : QStringList{});
    if (way == QLatin1String("Exit"))
        QCOMPARE(main->isVisible(), !closes);
    else if (closes)
        QTRY_VERIFY(watched.isNull());
    else
        QVERIFY(!watched.isNull() && watched->isVisible());
    QCOMPARE(readAll(path) != before, fileRewritten);
    if (fileRewritten) {
        // The saved file holds the typed number of calls, its exit run first.
        QVERIFY(readAll(path).contains("\r\n250\r\n"));
    }
    if (!closes)
        QVERIFY(watched->hasUnsavedChanges());
}

void ScenarioCommandsTest::closingActivatesTheWindowUsedBefore()
{
    QList<TAgentForm *> forms;
    for (int i = 0; i < 4; ++i)
        forms << main->NewAgentWindow1Click();
    auto childOf = [](TAgentForm *form) { return qobject_cast<QMdiSubWindow *>(form->parentWidget()); };
    main->mdiArea()->setActiveSubWindow(childOf(forms.at(1)));
    main->mdiArea()->setActiveSubWindow(childOf(forms.at(3)));
    main->mdiArea()->setActiveSubWindow(childOf(forms.at(2)));
    QPointer<TAgentForm> closing = forms.at(2);
    main->Close1Click();
    QTRY_VERIFY(closing.isNull());
    QCOMPARE(main->mdiArea()->activeSubWindow(), childOf(forms.at(3)));
    main->Close1Click();
    QTRY_COMPARE(main->mdiArea()->activeSubWindow(), childOf(forms.at(1)));
}


void ScenarioCommandsTest::eachFileOpensInTheWindowItBelongsTo_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("week");
    QTest::newRow("command line, week") << "command line" << "week.vnkw" << true;
    QTest::newRow("command line, scenario") << "command line" << "day.vnk" << false;
    QTest::newRow("hand-over, week without its extension") << "hand-over" << "week.txt" << true;
    QTest::newRow("Reopen, week") << "Reopen" << "week.vnkw" << true;
    QTest::newRow("File Open, week") << "File Open" << "week.vnkw" << true;
    QTest::newRow("File Open, scenario") << "File Open" << "day.vnk" << false;
}

void ScenarioCommandsTest::eachFileOpensInTheWindowItBelongsTo()
{
    QFETCH(QString, way);
    QFETCH(QString, name);
    QFETCH(bool, week);
    const QString path = dir->filePath(name);
    if (week) {
        WeekScenario saved = WeekDocument::newWeek();
        saved.days[2].open = false;
        QVERIFY(SaveWeek(saved, path).ok);
    } else {
        dialogs.saveAnswer = path;
        scheduleExample()->SpeedButton4Click();
        main->agentForms().constFirst()->SpeedButton1Click();
        QTRY_VERIFY(main->mdiArea()->subWindowList().isEmpty());
    }
    dialogs.clear();
    if (way == QLatin1String("command line")) {
        main->startUp({QStringLiteral("varnook"), path});
    } else if (way == QLatin1String("hand-over")) {
        main->openHandedOverFiles({path});
    } else if (way == QLatin1String("Reopen")) {
        main->menus().reopen()->choose(path);
    } else {
        dialogs.openAnswer = path;
        main->Open1Click();
    }
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts(QStringLiteral("error")).join(QLatin1Char('\n'))));
    QCOMPARE(main->weekWindows().windows().size(), week ? 1 : 0);
    QCOMPARE(main->agentForms().size(), week ? 0 : 1);
    if (week) {
        const WeekWindow *window = main->weekWindows().windows().constFirst();
        QCOMPARE(window->document().filePath(), QFileInfo(path).absoluteFilePath());
        QVERIFY(!window->document().week().days[2].open);
    }
}

void ScenarioCommandsTest::endingVarnookAsksForAChangedWeek()
{
    WeekWindow *week = main->NewWeekWindow1Click();
    QVERIFY(week);
    main->Exit1Click(); // an unchanged new week asks nothing
    QVERIFY(dialogs.texts(QStringLiteral("saveChanges")).isEmpty());
    main->show();
    week->volumeModel()->setData(week->volumeModel()->index(0, 0), QStringLiteral("12"));
    dialogs.saveChangesAnswer = SaveChoice::Cancel;
    main->Exit1Click();
    QCOMPARE(dialogs.texts(QStringLiteral("saveChanges")), QStringList{QStringLiteral("Save changes to untitled.vnkw?")});
    QVERIFY(main->isVisible());
}

void ScenarioCommandsTest::intervalsOfSeveralDaysOpenAsAWeek_data()
{
    QTest::addColumn<bool>("asWeek"); // the answer to the question
    QTest::addColumn<int>("chosenWeek");
    QTest::addColumn<QDate>("monday");
    QTest::newRow("the second week") << true << 1 << QDate(2026, 12, 7);
    QTest::newRow("the first week") << true << 0 << QDate(2026, 11, 30);
    QTest::newRow("declined: imported as a day, which the file's repeated times refuse") << false << 0 << QDate();
}

void ScenarioCommandsTest::intervalsOfSeveralDaysOpenAsAWeek()
{
    QFETCH(bool, asWeek);
    QFETCH(int, chosenWeek);
    QFETCH(QDate, monday);
    const QString path = dir->filePath(QStringLiteral("history.csv"));
    writeFile(path, "date,interval,calls\n2026-11-30,08:00 - 08:30,10\n2026-12-01,08:00 - 08:30,20\n"
                    "2026-12-08,08:00 - 08:30,7\n");
    TAgentForm *form = main->NewAgentWindow1Click();
    dialogs.confirmAnswer = asWeek;
    dialogs.chooseAnswer = chosenWeek;
    form->slotTimes().importIntervalFile(path);
    QCOMPARE(dialogs.texts(QStringLiteral("confirm")).value(0),
             QStringLiteral("history.csv holds 3 days. Open them as a week in a new week window?"));
    QCOMPARE(main->weekWindows().windows().size(), asWeek ? 1 : 0);
    if (!asWeek)
        return;
    WeekWindow *week = main->weekWindows().windows().constFirst();
    QCOMPARE(week->week().days[0].date, std::optional<QDate>(monday));
    QVERIFY(week->week().days[1].open);
    QVERIFY(week->hasUnsavedChanges());
}

QTEST_MAIN(ScenarioCommandsTest)
#include "test_scenariocommands.moc"
