// Splash, tip of the day and about; and where the program keeps its data.

#include "core/ProgramFolders.h"
#include "misc/frmAbout.h"
#include "misc/frmHelp.h"
#include "misc/frmSplash.h"
#include "misc/frmTip.h"
#include "platform/LightLook.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include <sys/stat.h>

class TestMisc : public QObject
{
    Q_OBJECT

private slots:
    void splashHandsOverOnce();
    void missingTipFileSaysHowToMakeOne();
    void tipsAreTheFileLines();
    void tipFileThatIsNoPlainFile_data();
    void tipFileThatIsNoPlainFile();
    void aboutNamesThePlatform();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();
    void programFoldersAreDecidedByThePortableMarker();
    void windowsStayLightOnADarkTheme();
};

void TestMisc::splashHandsOverOnce()
{
    frmSplash splash;
    QSignalSpy handedOver(&splash, &frmSplash::finished);
    QCOMPARE(splash.Timer1.interval(), 2000);
    QVERIFY(splash.Timer1.isActive());
    QCOMPARE(splash.findChild<QLabel *>("lblPlatform")->text(), QString(" For Linux"));
    QCOMPARE(splash.findChild<QLabel *>("lblVersion")->text(), QString("Version 1.1"));
    QTest::keyClick(&splash, Qt::Key_Space);
    QCOMPARE(handedOver.count(), 1);
    QVERIFY(!splash.Timer1.isActive());
    splash.handOver(); // the timer, had it fired
    QTest::mouseClick(splash.Frame1, Qt::LeftButton);
    QCOMPARE(handedOver.count(), 1);
}

void TestMisc::missingTipFileSaysHowToMakeOne()
{
    QTemporaryDir dir;
    frmTip tip(dir.path() + '/');
    QCOMPARE(tip.windowTitle(), QString("Tip of the Day"));
    QCOMPARE(tip.lblTipText->text(), QString("That the TIPOFDAY.TXT file was not found? "
                                             "\r\n\r\nCreate a text file named TIPOFDAY.TXT "
                                             "using a text editor with 1 tip per line. Then place "
                                             "it in the same directory as the application. "));
    tip.cmdNextTip->click();
    QVERIFY(tip.lblTipText->text().startsWith("That the TIPOFDAY.TXT"));
}

void TestMisc::tipsAreTheFileLines()
{
    QTemporaryDir dir;
    const QString app = dir.path() + '/';
    writeBytes(app + "TIPOFDAY.TXT", "Keep the book\r\n");
    {
        frmTip tip(app, nullptr, [] { return 0.99; });
        QCOMPARE(tip.lblTipText->text(), QString("Keep the book"));
        tip.cmdNextTip->click();
        QCOMPARE(tip.lblTipText->text(), QString("Keep the book"));
    }
    writeBytes(app + "TIPOFDAY.TXT", "First\r\n\r\nThird caf\xE9\r\n");
    double r = 0.0;
    frmTip tip(app, nullptr, [&] { return r; });
    QCOMPARE(tip.tips(), QStringList({"First", "", QString::fromUtf8("Third café")}));
    QCOMPARE(tip.lblTipText->text(), QString("First"));
    r = 0.5; // tip 2 of 3: the blank line
    tip.cmdNextTip->click();
    QCOMPARE(tip.lblTipText->text(), QString());
    r = 0.999;
    tip.cmdNextTip->click();
    QCOMPARE(tip.lblTipText->text(), QString::fromUtf8("Third café"));

    writeBytes(app + "TIPOFDAY.TXT", "");
    frmTip none(app);
    QVERIFY(none.tips().isEmpty());
    QCOMPARE(none.lblTipText->text(), QString());
}

void TestMisc::tipFileThatIsNoPlainFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a pipe") << "pipe"
                            << "it is not a file but a folder, a device or a pipe.";
    QTest::newRow("a link to a device") << "device"
                                        << "it is not a file but a folder, a device or a pipe.";
    QTest::newRow("over 1 MB") << "large"
                               << "it is larger than";
}

// Nothing waits for a writer or reads without end: the tip says why the file cannot be used.
void TestMisc::tipFileThatIsNoPlainFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString tips = dir.filePath("TIPOFDAY.TXT");
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(tips).constData(), 0600), 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", tips));
    else
        writeBytes(tips, QByteArray(1024 * 1024 + 1, 'x'));
    QElapsedTimer timer;
    timer.start();
    frmTip tip(dir.path() + '/');
    QVERIFY(timer.elapsed() < 2000);
    const QString told = tip.lblTipText->text();
    QVERIFY2(told.startsWith("That TIPOFDAY.TXT cannot be read? " + reason), qPrintable(told));
}

void TestMisc::aboutNamesThePlatform()
{
    frmAbout about;
    QCOMPARE(about.windowTitle(), QString("About Scorebinder"));
    QCOMPARE(about.findChild<QLabel *>("lblTitle")->text(), QString("Scorebinder"));
    QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(), QString("For Linux    Version 1.1"));
    // The logo is compiled into the program and reaches every program that links the windows.
    QCOMPARE(about.findChild<QLabel *>("picIcon")->pixmap().size(), QSize(36, 33));
    // With its mask: the corner lets the window through, the middle shows the logo.
    const QImage icon = about.findChild<QLabel *>("picIcon")->pixmap().toImage();
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(18, 16)), 255);
}

void TestMisc::keysWorkAsInADialog_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("target"); // the control the key goes to; "" for the window
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("okPressed");
    QTest::addColumn<bool>("closed");
    QTest::newRow("about, Return") << "about"
                                   << "" << int(Qt::Key_Return) << true << true;
    QTest::newRow("about, Esc") << "about"
                                << "cmdOK" << int(Qt::Key_Escape) << false << true;
    // Enter is OK's even while Next Tip has the focus; only Space presses Next Tip.
    QTest::newRow("tip, Return") << "tip"
                                 << "cmdNextTip" << int(Qt::Key_Return) << true << true;
    QTest::newRow("tip, keypad Enter") << "tip"
                                       << "cmdNextTip" << int(Qt::Key_Enter) << true << true;
    QTest::newRow("tip, Esc") << "tip"
                              << "cmdNextTip" << int(Qt::Key_Escape) << false << true;
    // The help has no buttons: Enter means nothing to it, Esc closes it.
    QTest::newRow("help, Return") << "help"
                                  << "browser" << int(Qt::Key_Return) << false << false;
    QTest::newRow("help, Esc") << "help"
                               << "browser" << int(Qt::Key_Escape) << false << true;
}

void TestMisc::keysWorkAsInADialog()
{
    QFETCH(QString, window);
    QFETCH(QString, target);
    QFETCH(int, key);
    QTemporaryDir dir;
    writeBytes(dir.filePath("help.html"), "<html><body><p>Help</p></body></html>");
    std::unique_ptr<QWidget> shown;
    if (window == "about")
        shown = std::make_unique<frmAbout>();
    else if (window == "tip")
        shown = std::make_unique<frmTip>(dir.path() + '/');
    else
        shown = std::make_unique<frmHelp>(dir.filePath("help.html"));
    std::optional<QSignalSpy> pressed;
    if (auto *ok = shown->findChild<QPushButton *>("cmdOK"))
        pressed.emplace(ok, &QPushButton::clicked);
    shown->show();
    QWidget *receiver = target.isEmpty() ? shown.get() : shown->findChild<QWidget *>(target);
    receiver->setFocus();
    QTest::keyClick(receiver, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QTEST(pressed && pressed->count() == 1, "okPressed");
    QTEST(!shown->isVisible(), "closed");
}

// A portable folder keeps everything beside the program, even when other data lies in the
// user's folder; an installed program keeps its data in the user's folder, made at the first
// start, and finds its files in share/scorebinder/ beside bin/.
void TestMisc::programFoldersAreDecidedByThePortableMarker()
{
    QTemporaryDir dir;
    const QString prefix = dir.path() + "/prefix";
    const QString user = dir.path() + "/home/.local/share/Scorebinder";
    QDir().mkpath(prefix + "/bin");
    for (const QString &name : shippedFileNames())
        writeBytes(prefix + "/share/scorebinder/" + name, "shipped");

    const ProgramFolders installed = decideProgramFolders(prefix + "/bin", user);
    QCOMPARE(installed.data, user + '/');
    QCOMPARE(installed.shipped, prefix + "/share/scorebinder/");
    QVERIFY(QFileInfo(user).isDir());
    const FoldersReport report = reportProgramFolders(installed);
    QVERIFY(report.complete);
    QCOMPARE(report.text, "Data folder: " + user + "/\nShipped files: " + prefix +
                              "/share/scorebinder/\n  TIPOFDAY.TXT: found\n"
                              "  Scorebinder Baseball.html: found\n  logo2.bmp: found\n");

    // A folder named "portable" is no marker.
    QDir().mkpath(prefix + "/bin/portable");
    QCOMPARE(decideProgramFolders(prefix + "/bin", user).data, user + '/');

    const QString portable = dir.path() + "/Scorebinder";
    writeBytes(portable + "/portable", "");
    writeBytes(portable + "/TIPOFDAY.TXT", "tip\r\n");
    const ProgramFolders beside = decideProgramFolders(portable, dir.path() + "/other");
    QCOMPARE(beside.data, portable + '/');
    QCOMPARE(beside.shipped, portable + '/');
    QVERIFY(!QFileInfo::exists(dir.path() + "/other"));
    const FoldersReport partial = reportProgramFolders(beside);
    QVERIFY(!partial.complete);
    QVERIFY(partial.text.endsWith("  TIPOFDAY.TXT: found\n  Scorebinder Baseball.html: missing\n"
                                  "  logo2.bmp: missing\n"));
}

// A dark desktop palette turns neither the windows nor their fields dark, and a theme that
// changes later is resolved under the program's palette, which sets every role.
void TestMisc::windowsStayLightOnADarkTheme()
{
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    useLightLook();

    QTemporaryDir dir;
    frmTip tip(dir.path() + '/');
    const QPalette shown = tip.chkShowTips->palette();
    QCOMPARE(shown.color(QPalette::Window), QColor(240, 240, 240));
    QCOMPARE(shown.color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(shown.color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(shown.color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(shown.color(QPalette::Disabled, QPalette::WindowText).lightness() > 100, true);
    QCOMPARE(lightPalette().resolve(dark), lightPalette());
    QApplication::setPalette(before);
}

QTEST_MAIN(TestMisc)
#include "tst_misc.moc"
