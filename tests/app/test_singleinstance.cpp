// SPDX-License-Identifier: MIT
// One Varnook per user and display: the start-up options, the hand-over
// message, the socket's name, and real second starts of the program handing
// their files to this test process, which plays the running Varnook.
#include "fakedialogservice.h"
#include "handovermessage.h"
#include "launcheractivation.h"
#include "launchoptions.h"
#include "scenariofile.h"
#include "scenariotexts.h"
#include "singleinstance.h"
#include "tagentform.h"
#include "tmainform.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int ProcessTimeoutMs = 30000;

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void launchOptions_data();
    void launchOptions();
    void messageRoundTrip_data();
    void messageRoundTrip();
    void messageInPiecesOfOneByte();
    void refusedMessages_data();
    void refusedMessages();
    void serverNames_data();
    void serverNames();
    void displayNames_data();
    void displayNames();
    void startupIds_data();
    void startupIds();
    void startupMessagePieces();

    void secondStartHandsOverItsFiles_data();
    void secondStartHandsOverItsFiles();
    void handedOverMissingFileGetsTheCommandLineMessage();
    void socketLeftByAKilledVarnookDoesNotBlockTheNextStart();
    void strayClientDoesNotBlockTheNextHandOver();

private:
    // A real `varnook` with these arguments, in this test's runtime and
    // configuration folders.
    std::unique_ptr<QProcess> startProgram(const QStringList &arguments);
    // Starts it and waits for it to end; its exit code, or -1.
    int runProgram(const QStringList &arguments);
    QString scenarioFile(const QString &name);
    // This process listening as the running Varnook, its main window
    // receiving the files.
    void becomePrimary();

    FakeDialogService dialogs;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<SingleInstance> instance;
};

void SingleInstanceTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void SingleInstanceTest::init()
{
    dialogs.clear();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    // The socket goes into a runtime folder of this test alone, so that the
    // programs it starts meet neither a Varnook on the desktop nor another
    // test's; the child programs keep their settings in it too.
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("runtime")));
    QVERIFY(QFile::setPermissions(dir->filePath(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", dir->filePath(QStringLiteral("runtime")).toLocal8Bit());
}

void SingleInstanceTest::cleanup()
{
    instance.reset();
    main.reset();
    dir.reset();
}

std::unique_ptr<QProcess> SingleInstanceTest::startProgram(const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The same window system as this process, so that both name the same
    // socket.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QGuiApplication::platformName());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->filePath(QStringLiteral("config")));
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(dir->path());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(VARNOOK_PROGRAM), arguments);
    return process;
}

int SingleInstanceTest::runProgram(const QStringList &arguments)
{
    const std::unique_ptr<QProcess> process = startProgram(arguments);
    // The signal spy runs this process's event loop while waiting, so that
    // the listening side here can answer.
    QSignalSpy finished(process.get(), &QProcess::finished);
    if (!finished.wait(ProcessTimeoutMs)) {
        process->kill();
        process->waitForFinished();
        return -1;
    }
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

QString SingleInstanceTest::scenarioFile(const QString &name)
{
    const QString path = dir->filePath(name);
    const SaveResult saved = SaveScenario(workedAgentsScenario(), path);
    return saved.ok ? path : QString();
}

void SingleInstanceTest::becomePrimary()
{
    main = std::make_unique<TMainForm>(dialogs);
    main->show();
    instance = std::make_unique<SingleInstance>(DefaultInstanceServerName());
    connect(instance.get(), &SingleInstance::filesReceived, main.get(),
            [this](const QStringList &files) { main->openHandedOverFiles(files); });
    QCOMPARE(instance->start({}), SingleInstance::Start::Primary);
}

void SingleInstanceTest::launchOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("newInstance");
    QTest::addColumn<bool>("resetLayout");
    QTest::addColumn<bool>("version");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("nothing") << QStringList{"varnook"} << false << false << false << QStringList{};
    QTest::newRow("files") << QStringList{"varnook", "a.vnk", "b.vnk"} << false << false << false
                           << QStringList{"a.vnk", "b.vnk"};
    QTest::newRow("options among files") << QStringList{"varnook", "a.vnk", "--new-instance", "b.vnk", "--reset-layout"}
                                         << true << true << false << QStringList{"a.vnk", "b.vnk"};
    QTest::newRow("version") << QStringList{"varnook", "--version"} << false << false << true << QStringList{};
    QTest::newRow("after -- a file") << QStringList{"varnook", "--", "--new-instance", "--version"} << false << false
                                     << false << QStringList{"--new-instance", "--version"};
    QTest::newRow("an empty argument") << QStringList{"varnook", "", "a.vnk"} << false << false << false
                                       << QStringList{"a.vnk"};
}

void SingleInstanceTest::launchOptions()
{
    QFETCH(QStringList, arguments);
    const LaunchOptions options = ParseLaunchOptions(arguments);
    QTEST(options.newInstance, "newInstance");
    QTEST(options.resetLayout, "resetLayout");
    QTEST(options.version, "version");
    QTEST(options.files, "files");
}

void SingleInstanceTest::messageRoundTrip_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("startupId");
    QTest::newRow("none: only come to the front") << QStringList{} << "";
    QTest::newRow("one, with a start-up id") << QStringList{"/home/ann/monday.vnk"} << "nautilus-1234_TIME5678";
    QTest::newRow("several, one with a line break")
        << QStringList{"/home/ann/monday.vnk", "/srv/a\nb.vnk", "/tmp/tuesday.vnk"} << "";
    QTest::newRow("not ASCII") << QStringList{QStringLiteral("/home/anders/m\u00e5ndag \u20ac.vnk")} << "";
    QTest::newRow("an empty name") << QStringList{""} << "";
}

void SingleInstanceTest::messageRoundTrip()
{
    QFETCH(QStringList, files);
    QFETCH(QString, startupId);
    HandOverReader reader;
    QCOMPARE(reader.feed(HandOverMessage::Encode(files, startupId)), HandOverReader::Status::Complete);
    QCOMPARE(reader.files(), files);
    QCOMPARE(reader.startupId(), startupId);
}

void SingleInstanceTest::messageInPiecesOfOneByte()
{
    const QStringList files{"/home/ann/monday.vnk", "/home/ann/tuesday.vnk"};
    const QByteArray message = HandOverMessage::Encode(files);
    HandOverReader reader;
    for (qsizetype i = 0; i + 1 < message.size(); ++i)
        QCOMPARE(reader.feed(message.mid(i, 1)), HandOverReader::Status::Incomplete);
    QCOMPARE(reader.feed(message.right(1)), HandOverReader::Status::Complete);
    QCOMPARE(reader.files(), files);
    // One message per client: anything after it is refused.
    QCOMPARE(reader.feed("V"), HandOverReader::Status::Invalid);
}

void SingleInstanceTest::refusedMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<HandOverReader::Status>("status");
    const QByteArray good = HandOverMessage::Encode({"/a.vnk"});
    QTest::newRow("another kind of client, at once") << QByteArray("GET") << HandOverReader::Status::Invalid;
    QTest::newRow("the magic's start") << QByteArray("VNK") << HandOverReader::Status::Incomplete;
    QTest::newRow("payload over the limit")
        << QByteArray("VNK1\x00\x10\x00\x01", 8) << HandOverReader::Status::Invalid;
    QTest::newRow("payload at the limit, still coming")
        << QByteArray("VNK1\x00\x10\x00\x00", 8) << HandOverReader::Status::Incomplete;
    QTest::newRow("bytes past the message") << good + "x" << HandOverReader::Status::Invalid;
    QTest::newRow("a name longer than the payload")
        << QByteArray("VNK1\x00\x00\x00\x08\x00\x00\x00\x09/a.v", 16) << HandOverReader::Status::Invalid;
    QTest::newRow("no start-up id") << QByteArray("VNK1\x00\x00\x00\x00", 8) << HandOverReader::Status::Invalid;
    QTest::newRow("a length cut short") << QByteArray("VNK1\x00\x00\x00\x02\x00\x00", 10)
                                        << HandOverReader::Status::Invalid;
}

void SingleInstanceTest::refusedMessages()
{
    QFETCH(QByteArray, bytes);
    HandOverReader reader;
    QTEST(reader.feed(bytes), "status");
}

void SingleInstanceTest::serverNames_data()
{
    QTest::addColumn<QString>("runtimeDir");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("expected");
    QTest::newRow("an X display") << "/run/user/1000" << ":0" << "/run/user/1000/varnook-1000-xcb-_0";
    QTest::newRow("a remote display") << "/run/user/1000/" << "host.lan:10.0"
                                      << "/run/user/1000/varnook-1000-xcb-host.lan_10.0";
    QTest::newRow("a slash in the display") << "/tmp/r" << "/tmp/.X11-unix/X0" << "/tmp/r/varnook-1000-xcb-_tmp_.X11-unix_X0";
    QTest::newRow("no display") << "/tmp/r" << "" << "/tmp/r/varnook-1000-xcb-";
}

void SingleInstanceTest::serverNames()
{
    QFETCH(QString, runtimeDir);
    QFETCH(QString, display);
    QTEST(InstanceServerName(runtimeDir, QStringLiteral("1000"), QStringLiteral("xcb"), display), "expected");
}

void SingleInstanceTest::displayNames_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("expected");
    QTest::newRow("X display") << "xcb" << ":0" << ":0";
    QTest::newRow("X display with its screen") << "xcb" << ":0.0" << ":0";
    QTest::newRow("remote X display with its screen") << "xcb" << "host.lan:10.1" << "host.lan:10";
    QTest::newRow("Wayland socket") << "wayland" << "wayland-1" << "wayland-1";
    QTest::newRow("Wayland's default") << "wayland" << "" << "wayland-0";
}

void SingleInstanceTest::displayNames()
{
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QTEST(SameDisplayName(platform, display), "expected");
}

void SingleInstanceTest::startupIds_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<quint32>("userTime");
    QTest::newRow("a launcher's id") << "nautilus-4321-host-varnook-1_TIME28413551" << true << 28413551u;
    QTest::newRow("no time") << "kde-launch-7" << true << 0u;
    QTest::newRow("a time past 32 bits") << "x_TIME4294967296" << true << 0u;
    QTest::newRow("the largest time") << "x_TIME4294967295" << true << 4294967295u;
    QTest::newRow("none") << "" << false << 0u;
    QTest::newRow("a blank") << "a b_TIME5" << false << 5u;
    QTest::newRow("a quote") << "a\"b" << false << 0u;
    QTest::newRow("not ASCII") << QStringLiteral("\u00e5_TIME5") << false << 5u;
    QTest::newRow("too long") << QString(201, QLatin1Char('a')) << false << 0u;
}

void SingleInstanceTest::startupIds()
{
    QFETCH(QString, id);
    QTEST(IsUsableStartupId(id), "usable");
    QTEST(StartupIdUserTime(id), "userTime");
}

void SingleInstanceTest::startupMessagePieces()
{
    // 19 characters and the closing zero fill one piece exactly.
    QCOMPARE(StartupMessagePieces("remove: ID=abcdefgh"), QList<QByteArray>{QByteArray("remove: ID=abcdefgh\0", 20)});
    const QList<QByteArray> two = StartupMessagePieces("remove: ID=abcdefghi");
    QCOMPARE(two.size(), 2);
    QCOMPARE(two.at(0), QByteArray("remove: ID=abcdefghi"));
    QCOMPARE(two.at(1), QByteArray(20, '\0'));
}

void SingleInstanceTest::secondStartHandsOverItsFiles_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("one file") << QStringList{"monday.vnk"} << QStringList{"Monday.vnk"};
    QTest::newRow("two files, each its window") << QStringList{"monday.vnk", "tuesday.vnk"}
                                                << QStringList{"Monday.vnk", "Tuesday.vnk"};
    QTest::newRow("no file: only to the front") << QStringList{} << QStringList{};
}

void SingleInstanceTest::secondStartHandsOverItsFiles()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    becomePrimary();
    main->NewAgentWindow1Click();
    for (const QString &name : names)
        QVERIFY(!scenarioFile(name).isEmpty());

    main->showMinimized();

    // Relative names: the second start resolves them in its own folder.
    QCOMPARE(runProgram(names), 0);

    // The running Varnook comes back to the front, with or without files.
    QTRY_VERIFY(!main->isMinimized());

    QTRY_COMPARE(main->agentForms().size(), 1 + captions.size());
    QStringList shown;
    for (TAgentForm *form : main->agentForms().mid(1))
        shown << form->windowTitle();
    QCOMPARE(shown, captions);
    QVERIFY(dialogs.shown.isEmpty());
}

void SingleInstanceTest::handedOverMissingFileGetsTheCommandLineMessage()
{
    becomePrimary();
    const QString missing = dir->filePath(QStringLiteral("gone.vnk"));
    // The message this program's own start with the file shows.
    main->startUp({QStringLiteral("varnook"), missing});
    const QStringList expected = dialogs.texts(QStringLiteral("error"));
    QCOMPARE(expected.size(), 1);
    dialogs.clear();

    QCOMPARE(runProgram({missing}), 0);
    QTRY_COMPARE(main->agentForms().size(), 2);
    QCOMPARE(main->agentForms().constLast()->windowTitle(), QStringLiteral("New Agents"));
    QCOMPARE(dialogs.texts(QStringLiteral("error")), expected);
}

void SingleInstanceTest::socketLeftByAKilledVarnookDoesNotBlockTheNextStart()
{
    // A Varnook that is killed cannot remove its socket.
    const std::unique_ptr<QProcess> crashed = startProgram({});
    const QString socket = DefaultInstanceServerName();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), ProcessTimeoutMs);
    crashed->kill();
    QVERIFY(crashed->waitForFinished(ProcessTimeoutMs));
    QVERIFY(QFileInfo::exists(socket));

    becomePrimary();
    QVERIFY(instance->isListening());
    const QString file = scenarioFile(QStringLiteral("monday.vnk"));
    QCOMPARE(runProgram({file}), 0);
    QTRY_COMPARE(main->agentForms().size(), 1);
    QCOMPARE(main->agentForms().constFirst()->windowTitle(), QStringLiteral("Monday.vnk"));
}

void SingleInstanceTest::strayClientDoesNotBlockTheNextHandOver()
{
    becomePrimary();
    QLocalSocket stray;
    stray.connectToServer(instance->serverName());
    QVERIFY(stray.waitForConnected(ProcessTimeoutMs));
    stray.write("GET / HTTP/1.0\r\n\r\n");
    QTRY_COMPARE(stray.state(), QLocalSocket::UnconnectedState);

    // A client that connects and says nothing stays connected meanwhile.
    QLocalSocket silent;
    silent.connectToServer(instance->serverName());
    QVERIFY(silent.waitForConnected(ProcessTimeoutMs));

    QCOMPARE(runProgram({scenarioFile(QStringLiteral("monday.vnk"))}), 0);
    QTRY_COMPARE(main->agentForms().size(), 1);
}

QTEST_MAIN(SingleInstanceTest)
#include "test_singleinstance.moc"
