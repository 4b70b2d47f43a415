// The platform helpers: units and colours, file dialog filters, pictures, window printing.

#include "platform/Fonts.h"
#include "platform/KeyFilter.h"
#include "platform/Pictures.h"
#include "platform/PrintJobs.h"
#include "platform/QtDialogs.h"
#include "platform/TextFit.h"
#include "platform/Units.h"
#include "platform/WindowDrawing.h"
#include "support/KeyTyping.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void twipsAndColours();
    void fileDialogFilters_data();
    void fileDialogFilters();
    void fontsAreSubstituted();
    void nameKeys_data();
    void nameKeys();
    void picturesLoadAndSave();
    void naturalSizeFollowsTheStoredResolution_data();
    void naturalSizeFollowsTheStoredResolution();
    void photosLoadUpright();
    void maskedTransferDrawsTransparentParts();
    void smallLogoShowsThroughItsMask();
    void printWindowToPdf();
    void textsKeepToTheirRoom_data();
    void textsKeepToTheirRoom();
    void printerSuggestsAFileInTheDocumentsFolder();
};

void TestPlatform::twipsAndColours()
{
    QCOMPARE(twipsToPixels(2520), 168);
    QCOMPARE(twipsToPixels(200), 13);
    QCOMPARE(pixelsToTwips(168), 2520);
    QCOMPARE(twipsRect(240, 240, 3600, 5040), QRect(16, 16, 240, 336));
    // Red sits in the low byte of the stored value.
    QCOMPARE(colorFromRgbLong(255), QColor(255, 0, 0));
    QCOMPARE(colorFromRgbLong(16711680), QColor(0, 0, 255));
    QCOMPARE(colorFromRgbLong(64 * 256), QColor(0, 64, 0));
    QCOMPARE(rgbLongFromColor(QColor(0, 0, 192)), 192 * 65536);
    QCOMPARE(rgbLongFromColor(colorFromRgbLong(0x123456)), 0x123456);
}

void TestPlatform::fileDialogFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qtFilters");
    QTest::newRow("team") << "Team Files (*.tea)|*.tea" << QStringList{"Team Files (*.tea)"};
    QTest::newRow("trailing space")
        << "Player Files (*.ply) |*.ply" << QStringList{"Player Files (*.ply)"};
    QTest::newRow("pictures") << "All Files (*.*)|*.*|JPEG Picture Files (*.jpg)|*.jpg"
                              << QStringList{"All Files (*)", "JPEG Picture Files (*.jpg)"};
    QTest::newRow("no pattern in the description")
        << "Bitmaps|*.bmp;*.dib" << QStringList{"Bitmaps (*.bmp *.dib)"};
}

void TestPlatform::fileDialogFilters()
{
    QFETCH(QString, filter);
    QTEST(qtNameFilters(filter), "qtFilters");
}

void TestPlatform::fontsAreSubstituted()
{
    QCOMPARE(QFontInfo(QFont("MS Sans Serif")).family(), QString("Liberation Sans"));
    QCOMPARE(QFontInfo(QFont("ms sans serif")).family(), QString("Liberation Sans"));
    QCOMPARE(QFontInfo(QFont("Arial")).family(), QString("Liberation Sans"));
    QCOMPARE(QFontInfo(QFont("Comic Sans MS")).family(), QString("Comic Neue"));
}

void TestPlatform::nameKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("kept");
    const int unknown = Qt::Key_unknown;
    QTest::newRow("accented letter")
        << QStringLiteral("\u00e9") << unknown << QStringLiteral("Ab\u00e9");
    QTest::newRow("euro sign, in Windows-1252")
        << QStringLiteral("\u20ac") << unknown << QStringLiteral("Ab\u20ac");
    QTest::newRow("emoji, a surrogate pair") << QStringLiteral("\U0001F600") << unknown << "Ab";
    QTest::newRow("letter outside Windows-1252") << QStringLiteral("\u0142") << unknown << "Ab";
    QTest::newRow("zero width joiner") << QStringLiteral("\u200d") << unknown << "Ab";
    QTest::newRow("C1 control") << QStringLiteral("\u0081") << unknown << "Ab";
    QTest::newRow("two QChars, one refused") << QStringLiteral("c\u0081") << unknown << "Ab";
    QTest::newRow("backspace still edits") << "\b" << int(Qt::Key_Backspace) << "A";
}

void TestPlatform::nameKeys()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QLineEdit box;
    box.setText("Ab");
    filterNameKeys(&box);
    typeKeyText(&box, typed, Qt::Key(key));
    QTEST(box.text(), "kept");
}

void TestPlatform::picturesLoadAndSave()
{
    QTemporaryDir dir;
    QVERIFY(LoadPicture("")->isNull());
    QVERIFY(LoadPicture(dir.filePath("missing.bmp")).error().contains("does not exist"));
    writeBytes(dir.filePath("broken.bmp"), "not a picture");
    QVERIFY(!LoadPicture(dir.filePath("broken.bmp")).ok());

    QImage photo(204, 270, QImage::Format_RGB32);
    photo.fill(QColor(10, 20, 30));
    const QString path = dir.filePath("Player1.bmp");
    writeBytes(path, *bitmapBytes(photo));
    QVERIFY(readBytes(path).startsWith("BM"));
    Outcome<QImage> loaded = LoadPicture(path);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded->size(), QSize(204, 270));
    QCOMPARE(loaded->pixelColor(100, 100), QColor(10, 20, 30));
    QCOMPARE(naturalSizeTwips(*loaded), QSize(3060, 4050));
    QCOMPARE(naturalSizeHimetric(*loaded), QSize(5398, 7144));
}

namespace {

// A bitmap of 200 x 100 pixels whose header stores `dotsPerMeter` (0: no resolution stored).
QByteArray bitmapAt(int dotsPerMeter)
{
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    for (int offset : {38, 42}) // biXPelsPerMeter, biYPelsPerMeter, little-endian
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char((dotsPerMeter >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace

void TestPlatform::naturalSizeFollowsTheStoredResolution_data()
{
    QTest::addColumn<int>("dotsPerMeter");
    QTest::addColumn<QSize>("twips");
    QTest::addColumn<QSize>("himetric");
    QTest::newRow("none stored: 96 dpi") << 0 << QSize(3000, 1500) << QSize(5292, 2646);
    QTest::newRow("96 dpi") << 3780 << QSize(3000, 1500) << QSize(5292, 2646);
    QTest::newRow("72 dpi") << 2835 << QSize(4000, 2000) << QSize(7056, 3528);
    QTest::newRow("300 dpi") << 11811 << QSize(960, 480) << QSize(1693, 847);
}

void TestPlatform::naturalSizeFollowsTheStoredResolution()
{
    QFETCH(int, dotsPerMeter);
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    writeBytes(path, bitmapAt(dotsPerMeter));
    const Outcome<QImage> picture = LoadPicture(path);
    QVERIFY(picture.ok());
    QTEST(naturalSizeTwips(*picture), "twips");
    QTEST(naturalSizeHimetric(*picture), "himetric");
    // A source rectangle in twips finds the same pixels whatever the resolution.
    const QSize twips = naturalSizeTwips(*picture);
    QCOMPARE(picturePixels(*picture, QRectF(QPointF(0, 0), QSizeF(twips))).size().toSize(),
             QSize(200, 100));

    // A photo saved here is 96 dpi, so 206 x 272 pixels are the card's 3090 x 4080 twips.
    writeBytes(path, *bitmapBytes(screenPicture(QSize(206, 272), Qt::white)));
    QCOMPARE(naturalSizeTwips(*LoadPicture(path)), QSize(3090, 4080));
}

// A camera's JPEG stores its pixels as the sensor saw them and the turn to show them upright.
void TestPlatform::photosLoadUpright()
{
    QImage sensor(40, 20, QImage::Format_RGB32);
    sensor.fill(Qt::white);
    sensor.setPixelColor(0, 0, Qt::black); // top-left as stored
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    sensor.save(&buffer, "JPG", 100);
    // An Exif segment with one tag: orientation 6, turn 90 degrees clockwise to show.
    const QByteArray exif = QByteArray("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0"
                                       "\x01\0\0\0\x06\0\0\0\0\0\0\0",
                                       32);
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(0)).append(char(exif.size() + 2)).append(exif);
    jpeg.insert(2, segment);
    QTemporaryDir dir;
    writeBytes(dir.filePath("camera.jpg"), jpeg);

    const Outcome<QImage> photo = LoadPicture(dir.filePath("camera.jpg"));
    QVERIFY(photo.ok());
    QCOMPARE(photo->size(), QSize(20, 40));
    QVERIFY(qGray(photo->pixel(19, 0)) < 64); // the stored top-left is now top-right
    QVERIFY(qGray(photo->pixel(0, 0)) > 192);
}

void TestPlatform::maskedTransferDrawsTransparentParts()
{
    QImage surface(4, 1, QImage::Format_RGB32);
    surface.fill(QColor(0, 128, 0));
    QImage mask(2, 1, QImage::Format_RGB32); // white keeps the surface, black clears it
    mask.setPixelColor(0, 0, Qt::white);
    mask.setPixelColor(1, 0, Qt::black);
    QImage logo(2, 1, QImage::Format_RGB32); // black where transparent
    logo.setPixelColor(0, 0, Qt::black);
    logo.setPixelColor(1, 0, QColor(200, 0, 0));
    bitBlt(surface, QPoint(1, 0), mask, RasterOp::And);
    bitBlt(surface, QPoint(1, 0), logo, RasterOp::Or);
    QCOMPARE(surface.pixelColor(0, 0), QColor(0, 128, 0));
    QCOMPARE(surface.pixelColor(1, 0), QColor(0, 128, 0));
    QCOMPARE(surface.pixelColor(2, 0), QColor(200, 0, 0));
    QCOMPARE(surface.pixelColor(3, 0), QColor(0, 128, 0));
}

// Where the mask is white the background shows through (the logo is black there: without the mask
// the icon is a black square); where it is black the logo shows as drawn.
void TestPlatform::smallLogoShowsThroughItsMask()
{
    const QImage logo(":/logo36.bmp");
    const QImage mask(":/logo36mask.bmp");
    const QImage shown = smallLogo().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), QSize(36, 33));
    QCOMPARE(shown.size(), mask.size());
    int clear = 0;
    int covered = 0;
    QStringList wrong;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y) & RGB_MASK;
            const QRgb pixel = shown.pixel(x, y);
            if (m == 0xFFFFFF) {
                ++clear;
                if (qAlpha(pixel) != 0)
                    wrong << QString("(%1, %2) is not transparent").arg(x).arg(y);
            } else if (m == 0) {
                ++covered;
                if (pixel != (logo.pixel(x, y) | 0xFF000000))
                    wrong << QString("(%1, %2) is not the logo's").arg(x).arg(y);
            }
        }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    QVERIFY(clear > 200 && covered > 800);
    QCOMPARE(qAlpha(shown.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(shown.pixel(18, 16)), 255);
}

void TestPlatform::printWindowToPdf()
{
    QTemporaryDir dir;
    QWidget window;
    window.setFixedSize(twipsToPixels(10920), twipsToPixels(7515));
    const auto fill = [](QWidget &widget, const QColor &colour) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Window, colour);
        widget.setPalette(palette);
        widget.setAutoFillBackground(true);
    };
    fill(window, Qt::white);
    // Black blocks an inch square, one an inch in and half down, one at the top-right corner; a
    // button under them.
    auto *block = new QLabel(&window);
    fill(*block, Qt::black);
    block->setGeometry(twipsRect(1440, 720, 1440, 1440));
    auto *corner = new QLabel(&window);
    fill(*corner, Qt::black);
    corner->setGeometry(twipsRect(9480, 0, 1440, 1440));
    auto *button = new QPushButton("Close", &window);
    button->setGeometry(twipsRect(1440, 5000, 1440, 600));
    QCOMPARE(informationRect(window), twipsRect(1440, 0, 9480, 2160).adjusted(0, -4, 0, 4));

    ScriptedDialogs dialogs;
    dialogs.printerAnswers.enqueue(std::nullopt); // cancelled: nothing printed, no error
    QVERIFY(printWindow(dialogs, window, "Window").ok());
    QVERIFY(QDir(dir.path()).isEmpty());

    const QString pdf = dir.filePath("window.pdf");
    dialogs.printerAnswers.enqueue(pdf);
    QVERIFY(printWindow(dialogs, window, "Window").ok());
    QCOMPARE(dialogs.printerDialogs, 2);

    // At 72 dpi a pixel is a point. The information, 6.58 inches wide (with 4 pixels above and
    // below), fills the page's 8.5: scaled by 1.291, the first block lies at 0..93 across,
    // 50..143 down, the second reaches the right edge; the button is not printed.
    QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, dir.filePath("page")});
    const QImage page(dir.filePath("page.png"));
    QVERIFY(!page.isNull());
    QCOMPARE(page.size(), QSize(612, 792));
    const auto isDark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 64; };
    QVERIFY(isDark(2, 53) && isDark(90, 140) && isDark(609, 7) && isDark(524, 94));
    QVERIFY(!isDark(97, 94) && !isDark(45, 47) && !isDark(45, 147) && !isDark(514, 94));
    for (int y = 155; y < 792; y += 10)
        for (int x = 0; x < 612; x += 10)
            QVERIFY(!isDark(x, y));
}

void TestPlatform::textsKeepToTheirRoom_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("how"); // plain, narrowed, wrapped, shortened

    const QString name = "Maximilian Montgomery-Worth";
    QTest::newRow("short name") << "Tom Smith" << 100 << 1 << "plain";
    QTest::newRow("long name, one line") << name << 100 << 1 << "narrowed";
    QTest::newRow("long name, two lines") << name << 132 << 2 << "wrapped";
    QTest::newRow("long name, two narrow lines") << name << 90 << 2 << "narrowed";
    QTest::newRow("one word wider than its room") << "WWWWWWWWWWWWWWW" << 132 << 2 << "narrowed";
    QTest::newRow("too long for one line") << name + " " + name << 100 << 1 << "shortened";
    QTest::newRow("too long for two lines")
        << name + " " + name + " " + name + " " + name << 132 << 2 << "shortened";
    QTest::newRow("one word too wide") << QString(60, 'W') << 132 << 2 << "shortened";
}

// A text keeps to its room: whole in plain letters where it fits, wrapped, then narrowed, and
// only as a last resort shortened with the whole text in the tooltip. The next text starts over.
void TestPlatform::textsKeepToTheirRoom()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(int, lines);
    QFETCH(QString, how);
    QWidget window;
    window.resize(400, 200);
    auto *label = new QLabel(&window);
    label->setFont(windowFont("MS Sans Serif", 9.75));
    placeFitted(label, QRect(10, 10, 60, 20));

    showWithin(label, text, room, lines);
    const QFontMetrics metrics(label->font());
    const int stretch = label->font().stretch();
    const bool narrowed = stretch != QFont::AnyStretch && stretch != 100;
    QCOMPARE(narrowed, how == "narrowed" || how == "shortened");
    QVERIFY(stretch == QFont::AnyStretch || stretch >= 50);
    QCOMPARE(label->wordWrap(),
             how == "wrapped" || (how == "narrowed" && lines == 2 && text.contains(' ')));
    if (how == "shortened") {
        QCOMPARE(label->toolTip(), text);
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QVERIFY(label->text().count('\n') < lines);
    } else {
        QCOMPARE(label->text(), text);
        QVERIFY(label->toolTip().isEmpty());
    }
    // Every line lies within the room and within the label, and no more lines than given.
    const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
    const QRect drawn =
        metrics.boundingRect(QRect(0, 0, label->width(), 1000), flags, label->text());
    QVERIFY2(drawn.width() <= room, qPrintable(QString::number(drawn.width())));
    QVERIFY(drawn.height() <= label->height());
    QVERIFY(drawn.height() < (lines + 1) * metrics.lineSpacing());
    QCOMPARE(label->pos(), QPoint(10, 10));

    showWithin(label, "Tom", room, lines);
    QCOMPARE(label->font().stretch(), int(QFont::AnyStretch));
    QCOMPARE(label->text(), QString("Tom"));
    QVERIFY(label->toolTip().isEmpty());
    QCOMPARE(label->size(), QSize(60, 20));
}

// The print dialog opens with the document's name and its PDF file in the user's documents
// folder, or in his home folder when he has none.
void TestPlatform::printerSuggestsAFileInTheDocumentsFolder()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", oldHome);
        if (oldConfig.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
    });
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    QVERIFY(QDir(home.path()).mkdir("Documents"));

    const std::unique_ptr<QPrinter> printer = suggestedPrinter("Tigers - Team Batting Stats");
    QCOMPARE(printer->docName(), QString("Tigers - Team Batting Stats"));
    QCOMPARE(printer->outputFileName(), home.filePath("Documents/Tigers - Team Batting Stats.pdf"));

    QVERIFY(QDir(home.path()).rmdir("Documents"));
    QCOMPARE(suggestedPrinter("Smith - Card Fronts")->outputFileName(),
             home.filePath("Smith - Card Fronts.pdf"));

    // A window that shows no team or player names only what it prints.
    QCOMPARE(printDocumentName("Smith", "Card Backs"), QString("Smith - Card Backs"));
    QCOMPARE(printDocumentName("", "Season Batting Stats"), QString("Season Batting Stats"));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
