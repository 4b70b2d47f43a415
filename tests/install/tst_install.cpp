// The program installed as a desktop program: into a temporary prefix, started with a temporary
// home; a portable folder beside it; the menu entry and metadata validated; the Debian package.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString AppId = QStringLiteral("org.scorebinder.Scorebinder");
const QStringList ShippedFiles = {QStringLiteral("TIPOFDAY.TXT"),
                                  QStringLiteral("Scorebinder Baseball.html"),
                                  QStringLiteral("logo2.bmp")};

struct Run
{
    int exitCode = -1;
    QString output; // standard output and error together
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

// A home of its own, so the per-user data folder is found under it.
QProcessEnvironment homeAt(const QString &home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

QString foldersReport(const QString &data, const QString &shipped)
{
    QString report = QStringLiteral("Data folder: %1\nShipped files: %2\n").arg(data, shipped);
    for (const QString &name : ShippedFiles)
        report += QStringLiteral("  %1: found\n").arg(name);
    return report;
}

// Starts the program as a user would and waits until it has taken its data folder; it must
// still be running a few seconds later, past the splash, the main window and the tip.
void startsAndTakes(const QString &program, const QProcessEnvironment &environment,
                    const QString &dataFolder)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(dataFolder + "Scorebinder.lock"), 20000);
    QVERIFY(!process.waitForFinished(3500));
    process.kill();
    process.waitForFinished();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedProgramFindsItsFilesAndKeepsDataAtHome();
    void portableFolderKeepsDataBesideTheProgram();
    void menuEntryAndMetadataValidate();
    void debianPackageHoldsTheProgramAndItsNeeds();

private:
    QTemporaryDir m_dir;
    QString m_prefix;
};

void TestInstall::initTestCase()
{
    m_prefix = m_dir.filePath("prefix");
    const Run installed =
        run(SCOREBINDER_CMAKE, {"--install", SCOREBINDER_BUILD_DIR, "--prefix", m_prefix});
    QVERIFY2(installed.exitCode == 0, qPrintable(installed.output));
}

void TestInstall::installedProgramFindsItsFilesAndKeepsDataAtHome()
{
    const QString program = m_prefix + "/bin/scorebinder";
    QVERIFY(QFileInfo(program).isExecutable());
    for (const QString &name : ShippedFiles)
        QVERIFY2(QFileInfo(m_prefix + "/share/scorebinder/" + name).isFile(), qPrintable(name));

    const QString home = m_dir.filePath("home");
    const QString data = home + "/.local/share/Scorebinder/";
    const Run folders = run(program, {"--folders"}, homeAt(home));
    QCOMPARE(folders.exitCode, 0);
    QCOMPARE(folders.output, foldersReport(data, m_prefix + "/share/scorebinder/"));
    QVERIFY(QFileInfo(data).isDir());

    startsAndTakes(program, homeAt(home), data);
    QCOMPARE(QDir(m_prefix + "/bin").entryList(QDir::Files), QStringList{"scorebinder"});
}

void TestInstall::portableFolderKeepsDataBesideTheProgram()
{
    const QString folder = m_dir.filePath("Scorebinder") + '/';
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(m_prefix + "/bin/scorebinder", folder + "scorebinder"));
    for (const QString &name : ShippedFiles)
        QVERIFY(QFile::copy(m_prefix + "/share/scorebinder/" + name, folder + name));
    QFile marker(folder + "portable");
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();

    const QString home = m_dir.filePath("portable-home");
    const Run folders = run(folder + "scorebinder", {"--folders"}, homeAt(home));
    QCOMPARE(folders.exitCode, 0);
    QCOMPARE(folders.output, foldersReport(folder, folder));
    startsAndTakes(folder + "scorebinder", homeAt(home), folder);
    QVERIFY(!QFileInfo::exists(home + "/.local/share/Scorebinder"));
}

void TestInstall::menuEntryAndMetadataValidate()
{
    const QString share = m_prefix + "/share/";
    const QString desktopFile = share + "applications/" + AppId + ".desktop";
    // Debian 12's validator predates the SingleMainWindow key (Desktop Entry 1.5) and calls it
    // unknown; every other complaint counts.
    const Run desktop = run("desktop-file-validate", {desktopFile});
    const QString predatesKey =
        desktopFile + ": error: file contains key \"SingleMainWindow\" in group \"Desktop Entry\", "
                      "but keys extending the format should start with \"X-\"\n";
    QVERIFY2(desktop.exitCode == 0 || desktop.output == predatesKey, qPrintable(desktop.output));
    QFile entry(desktopFile);
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    for (const char *line : {"\nCategories=Utility;Qt;\n", "\nSingleMainWindow=true\n",
                             "\nIcon=org.scorebinder.Scorebinder\n", "\nExec=scorebinder\n"})
        QVERIFY2(text.contains(line), line);

    const Run metainfo = run(
        "appstreamcli", {"validate", "--no-net", share + "metainfo/" + AppId + ".metainfo.xml"});
    QVERIFY2(metainfo.exitCode == 0, qPrintable(metainfo.output));

    QVERIFY(QFileInfo(share + "icons/hicolor/scalable/apps/" + AppId + ".svg").isFile());
    for (const int size : {48, 64, 128, 256}) {
        const QImage icon(
            QStringLiteral("%1icons/hicolor/%2x%2/apps/%3.png").arg(share).arg(size).arg(AppId));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel() && qAlpha(icon.pixel(0, 0)) == 0);
        QCOMPARE(icon.pixelColor(size / 2, size / 2), QColor(Qt::white)); // the ball's middle
    }
}

void TestInstall::debianPackageHoldsTheProgramAndItsNeeds()
{
    const QString out = m_dir.filePath("deb");
    const Run packed =
        run(SCOREBINDER_CPACK,
            {"-G", "DEB", "--config", SCOREBINDER_BUILD_DIR "/CPackConfig.cmake", "-B", out});
    QVERIFY2(packed.exitCode == 0, qPrintable(packed.output));
    const QStringList debs = QDir(out).entryList({"scorebinder_*.deb"}, QDir::Files);
    QCOMPARE(debs.size(), 1);
    QVERIFY2(QRegularExpression("^scorebinder_[0-9.]+_[a-z0-9]+\\.deb$").match(debs[0]).hasMatch(),
             qPrintable(debs[0]));
    const QString deb = out + '/' + debs[0];

    const Run contents = run("dpkg-deb", {"-c", deb});
    QCOMPARE(contents.exitCode, 0);
    QStringList expected = {"./usr/bin/scorebinder",
                            "./usr/share/applications/" + AppId + ".desktop",
                            "./usr/share/metainfo/" + AppId + ".metainfo.xml",
                            "./usr/share/icons/hicolor/scalable/apps/" + AppId + ".svg"};
    for (const int size : {48, 64, 128, 256})
        expected
            << QStringLiteral("./usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
    for (const QString &name : ShippedFiles)
        expected << "./usr/share/scorebinder/" + name;
    for (const QString &path : expected)
        QVERIFY2(contents.output.contains(' ' + path + '\n'), qPrintable(path));

    const Run depends = run("dpkg-deb", {"-f", deb, "Depends"});
    QCOMPARE(depends.exitCode, 0);
    const QStringList needs = depends.output.trimmed().split(", ");
    for (const char *package :
         {"qt6-qpa-plugins", "qt6-image-formats-plugins", "fonts-liberation", "fonts-comic-neue"})
        QVERIFY2(needs.contains(package), qPrintable(depends.output));
    // The libraries come from the program itself, with their versions.
    for (const char *library : {"libqt6widgets6 (>= ", "libarchive13 (>= "})
        QVERIFY2(depends.output.contains(QLatin1String(library)), qPrintable(depends.output));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
