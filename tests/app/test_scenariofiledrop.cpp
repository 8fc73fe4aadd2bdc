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

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// A drag entering `target` and, when it is taken, dropped there. Whether
// the drag was taken.
bool dragAndDrop(QWidget *target, const QStringList &urls, const QString &text = QString())
{
    QMimeData data;
    QList<QUrl> list;
    for (const QString &url : urls)
        list << (url.contains(QLatin1String("://")) ? QUrl(url) : QUrl::fromLocalFile(url));
    data.setUrls(list);
    if (!text.isEmpty())
        data.setText(text);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

} // namespace

class ScenarioFileDropTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void droppedFilesOpenAsFromTheCommandLine();
    void aFileDroppedOnAFieldOpensAndTheFieldKeepsItsText();

private:
    FakeDialogService dialogs;
    QTemporaryDir dir;
    // 08:00 to 10:00 in hours, 200 calls set by hand as 120 and 80.
    const QString monday = writeFile(dir, QStringLiteral("MONDAY.VNK"),
                                     "vnk\r\n90\r\n10\r\n200\r\n08:00\r\n03:00\r\n00:30\r\n00:30\r\n08:00\r\n10:00\r\n1\r\n"
                                     "120\r\n80\r\n");
};

void ScenarioFileDropTest::droppedFilesOpenAsFromTheCommandLine()
{
    TMainForm main(dialogs);
    main.show();
    QWidget *workspace = main.mdiArea()->viewport();
    // Folders, missing files and remote files are not taken.
    QVERIFY(!dragAndDrop(workspace, {dir.path(), dir.filePath(QStringLiteral("gone.vnk")), "https://example.com/a.vnk"}));

    const QString foreign = writeFile(dir, QStringLiteral("foreign.vnk"), "VNK\r\n");
    QVERIFY(dragAndDrop(workspace, {monday, dir.path(), foreign}));
    // The windows open once the drop has ended.
    QVERIFY(main.agentForms().isEmpty());
    QTRY_COMPARE(main.agentForms().size(), 2);
    const TAgentForm *first = main.agentForms().at(0);
    QCOMPARE(first->windowTitle(), QStringLiteral("Monday.vnk"));
    QCOMPARE(first->ScenarioFileName(), QStringLiteral("*.vnk"));
    QCOMPARE(first->scenario().inputs().SlotCalls[1], 120);
    // The file that does not load is reported, and its window keeps its
    // defaults, as a file named on the command line.
    QCOMPARE(main.agentForms().at(1)->windowTitle(), QStringLiteral("New Agents"));
    const QStringList errors = dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.at(0).contains(foreign));
}

void ScenarioFileDropTest::aFileDroppedOnAFieldOpensAndTheFieldKeepsItsText()
{
    TMainForm main(dialogs);
    main.show();
    QLineEdit *calls = main.NewAgentWindow1Click()->widgets().field(Field::Edit1);
    // File managers offer the path as text too, which a field would take.
    QVERIFY(dragAndDrop(calls, {monday}, monday));
    QTRY_COMPARE(main.agentForms().size(), 2);
    QCOMPARE(main.agentForms().at(1)->windowTitle(), QStringLiteral("Monday.vnk"));
    QCOMPARE(calls->text(), QStringLiteral("0"));
    // Text alone is the field's own business.
    QVERIFY(dragAndDrop(calls, {}, QStringLiteral("12")));
    QCoreApplication::processEvents();
    QCOMPARE(main.agentForms().size(), 2);
}

QTEST_MAIN(ScenarioFileDropTest)
#include "test_scenariofiledrop.moc"
