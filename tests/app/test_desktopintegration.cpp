// SPDX-License-Identifier: MIT
#include "desktopidentity.h"
#include "fakedialogservice.h"
#include "helpfilecheck.h"
#include "helpwindow.h"
#include "taboutform.h"
#include "tagentform.h"
#include "tmainform.h"
#include "varnookapplication.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString builtHelpFile = QStringLiteral(VARNOOK_BUILT_HELP_FILE);

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace

class DesktopIntegrationTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void iconCarriesEveryInstalledSize();
    void applicationIsKnownByItsDesktopName();
    void everyWindowShowsTheApplicationIcon();
    void helpCheckIsAskedOnlyByTheOption_data();
    void helpCheckIsAskedOnlyByTheOption();
    void builtHelpFileIsSoundWhereverItIsCopied();
    void helpFileProblemsAreFoundAndNothingIsCreated();
};

void DesktopIntegrationTest::iconCarriesEveryInstalledSize()
{
    const QIcon icon = VarnookIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QCOMPARE(sizes.size(), 8);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // The file under NxN must really be N by N, or the desktop scales it.
        const QImage image(QStringLiteral(":/icons/%1x%1/org.varnook.Varnook.png").arg(size));
        QCOMPARE(image.size(), QSize(size, size));
    }
}

void DesktopIntegrationTest::applicationIsKnownByItsDesktopName()
{
    QCOMPARE(DesktopAppId(), QStringLiteral("org.varnook.Varnook"));
    QCOMPARE(QGuiApplication::desktopFileName(), DesktopAppId());
    QCOMPARE(iconImage(QApplication::windowIcon()), iconImage(VarnookIcon()));
}

// State: the main window with the About box, an agent window, a plain child
// widget in the window area (as graph windows are) and the help window.
// Expected: each shows Varnook's icon, not the toolkit's default.
void DesktopIntegrationTest::everyWindowShowsTheApplicationIcon()
{
    FakeDialogService dialogs;
    TMainForm main(dialogs);
    main.show();
    main.startUp({QStringLiteral("varnook")});
    TAgentForm *agent = main.NewAgentWindow1Click();
    QVERIFY(agent);
    auto *graphLike = new QWidget;
    QMdiSubWindow *graphChild = main.mdiArea()->addSubWindow(graphLike);
    graphChild->show();
    HelpWindow help(builtHelpFile);

    const QImage expected = iconImage(VarnookIcon());
    QCOMPARE(iconImage(main.windowIcon()), expected);
    QCOMPARE(iconImage(main.aboutForm()->windowIcon()), expected);
    QCOMPARE(iconImage(help.windowIcon()), expected);
    QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
    for (QMdiSubWindow *child : main.mdiArea()->subWindowList())
        QCOMPARE(iconImage(child->windowIcon()), expected);

    // The About box shows the same picture beside its text.
    bool aboutShowsIcon = false;
    for (const QLabel *label : main.aboutForm()->findChildren<QLabel *>()) {
        const QPixmap pixmap = label->pixmap();
        if (!pixmap.isNull())
            aboutShowsIcon = pixmap.toImage().convertToFormat(QImage::Format_ARGB32)
                == VarnookIcon().pixmap(pixmap.size()).toImage().convertToFormat(QImage::Format_ARGB32);
    }
    QVERIFY(aboutShowsIcon);
}

void DesktopIntegrationTest::helpCheckIsAskedOnlyByTheOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("fileOfThatName");
    QTest::addColumn<bool>("expected");
    QTest::newRow("no argument") << QStringList{"varnook"} << false << false;
    QTest::newRow("the option") << QStringList{"varnook", "--check-help"} << false << true;
    QTest::newRow("the option, more ignored") << QStringList{"varnook", "--check-help", "x.vnk"} << false << true;
    QTest::newRow("a scenario file") << QStringList{"varnook", "monday.vnk"} << false << false;
    QTest::newRow("the option second") << QStringList{"varnook", "monday.vnk", "--check-help"} << false << false;
    QTest::newRow("a scenario named like it") << QStringList{"varnook", "--check-help"} << true << false;
}

void DesktopIntegrationTest::helpCheckIsAskedOnlyByTheOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, fileOfThatName);
    QFETCH(bool, expected);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    if (fileOfThatName) {
        QFile file(QStringLiteral("--check-help"));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const bool asked = IsHelpCheckRequest(arguments);
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(asked, expected);
}

// The installation moves the help file and its pages to another folder: the
// help file must not depend on where it was built.
void DesktopIntegrationTest::builtHelpFileIsSoundWhereverItIsCopied()
{
    QCOMPARE(HelpFileProblem(builtHelpFile), QString());
    QTemporaryDir dir;
    const QString builtDir = QFileInfo(builtHelpFile).absolutePath();
    QVERIFY(copyFile(builtHelpFile, dir.filePath(QStringLiteral("TOLVAN.HLP"))));
    QVERIFY(copyFile(builtDir + QStringLiteral("/varnook.qch"), dir.filePath(QStringLiteral("varnook.qch"))));
    QCOMPARE(HelpFileProblem(dir.filePath(QStringLiteral("TOLVAN.HLP"))), QString());
}

void DesktopIntegrationTest::helpFileProblemsAreFoundAndNothingIsCreated()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("TOLVAN.HLP"));
    QVERIFY(HelpFileProblem(missing).contains(QStringLiteral("is missing")));
    QVERIFY(!QFileInfo::exists(missing));

    // The help file without the pages it lists.
    QTemporaryDir alone;
    const QString withoutPages = alone.filePath(QStringLiteral("TOLVAN.HLP"));
    QVERIFY(copyFile(builtHelpFile, withoutPages));
    QVERIFY(!HelpFileProblem(withoutPages).isEmpty());

    // Something else under the help file's name is refused and left as it was.
    const QString garbage = dir.filePath(QStringLiteral("TOLVAN.HLP"));
    const QByteArray text = "vnk\r\nnot a help file\r\n";
    {
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QVERIFY(!HelpFileProblem(garbage).isEmpty());
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), text);
}

int main(int argc, char *argv[])
{
    VarnookApplication app(argc, argv);
    DesktopIntegrationTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_desktopintegration.moc"
