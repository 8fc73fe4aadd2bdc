// SPDX-License-Identifier: MIT
#include "fakedialogservice.h"
#include "scenariofiledrop.h"
#include "tagentform.h"
#include "tmainform.h"

#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace {

// 08:00 to 10:00 in hours, 200 calls set by hand as 120 and 80.
const QByteArray mondayFile = "vnk\r\n90\r\n10\r\n200\r\n08:00\r\n03:00\r\n00:30\r\n00:30\r\n08:00\r\n10:00\r\n1\r\n120\r\n80\r\n";

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << (path.contains(QLatin1String("://")) ? QUrl(path) : QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

// A drag entering `target` and, when it is taken, dropped there. Whether
// the drag was taken.
bool dragAndDrop(QWidget *target, const QMimeData *data)
{
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class ScenarioFileDropTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void onlyLocalFilesCount();
    void droppedFilesOpenAsFromTheCommandLine();
    void aFileDroppedOnAFieldOpensAndTheFieldKeepsItsText();

private:
    FakeDialogService dialogs;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<QTemporaryDir> dir;
};

void ScenarioFileDropTest::init()
{
    dialogs.clear();
    dir = std::make_unique<QTemporaryDir>();
    main = std::make_unique<TMainForm>(dialogs);
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main.get()));
}

void ScenarioFileDropTest::cleanup()
{
    main.reset();
    dir.reset();
}

void ScenarioFileDropTest::onlyLocalFilesCount()
{
    const QString monday = writeFile(*dir, QStringLiteral("monday.vnk"), mondayFile);
    const QString notes = writeFile(*dir, QStringLiteral("notes.txt"), "x");
    const std::unique_ptr<QMimeData> data(
        filesData({monday, dir->path(), dir->filePath(QStringLiteral("gone.vnk")), "https://example.com/a.vnk", notes}));
    QCOMPARE(ScenarioFileDrop::scenarioFiles(data.get()), (QStringList{monday, notes}));
    QMimeData text;
    text.setText(monday);
    QVERIFY(ScenarioFileDrop::scenarioFiles(&text).isEmpty());
    QVERIFY(ScenarioFileDrop::scenarioFiles(nullptr).isEmpty());

    // A drag with no file in it is not taken: no window opens.
    const std::unique_ptr<QMimeData> folderOnly(filesData({dir->path()}));
    QVERIFY(!dragAndDrop(main->mdiArea()->viewport(), folderOnly.get()));
    QVERIFY(!dragAndDrop(main->mdiArea()->viewport(), &text));
    QCoreApplication::processEvents();
    QVERIFY(main->agentForms().isEmpty());
}

void ScenarioFileDropTest::droppedFilesOpenAsFromTheCommandLine()
{
    const QString monday = writeFile(*dir, QStringLiteral("MONDAY.VNK"), mondayFile);
    const QString foreign = writeFile(*dir, QStringLiteral("foreign.vnk"), "VNK\r\n");
    const std::unique_ptr<QMimeData> data(filesData({monday, foreign}));
    QVERIFY(dragAndDrop(main->mdiArea()->viewport(), data.get()));
    // The windows open once the drop has ended.
    QVERIFY(main->agentForms().isEmpty());
    QTRY_COMPARE(main->agentForms().size(), 2);

    const TAgentForm *first = main->agentForms().at(0);
    QCOMPARE(first->windowTitle(), QStringLiteral("Monday.vnk"));
    QCOMPARE(first->ScenarioFileName, QStringLiteral("*.vnk"));
    QCOMPARE(first->field(Field::Edit1)->text(), QStringLiteral("200"));
    QCOMPARE(first->scenario().SlotCalls[1], 120);
    // The file that does not load is reported, and its window keeps its
    // defaults, as a file named on the command line.
    const TAgentForm *second = main->agentForms().at(1);
    QCOMPARE(second->windowTitle(), QStringLiteral("New Agents"));
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.at(0).contains(foreign));
}

void ScenarioFileDropTest::aFileDroppedOnAFieldOpensAndTheFieldKeepsItsText()
{
    TAgentForm *open = main->NewAgentWindow1Click();
    QLineEdit *calls = open->field(Field::Edit1);
    const QString monday = writeFile(*dir, QStringLiteral("monday.vnk"), mondayFile);
    const std::unique_ptr<QMimeData> data(filesData({monday}));
    data->setText(monday); // file managers offer the path as text too
    QVERIFY(dragAndDrop(calls, data.get()));
    QTRY_COMPARE(main->agentForms().size(), 2);
    QCOMPARE(main->agentForms().at(1)->windowTitle(), QStringLiteral("Monday.vnk"));
    QCOMPARE(calls->text(), QStringLiteral("0"));
}

QTEST_MAIN(ScenarioFileDropTest)
#include "test_scenariofiledrop.moc"
