// The picture editor on a program folder with one team and player: what it shows, the import,
// zoom, scroll and the crop frame, and what Submit and Cancel leave in the files. The pictures
// are painted in blocks of 8 x 8 pixels whose colour names the block, so a pixel of a saved photo
// tells which part of the picture it came from.

#include "cards/CropRules.h"
#include "cards/frmPictureCrop.h"
#include "core/RecordFiles.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/Units.h"
#include "support/FakeHost.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

constexpr qint32 Red = CubsFolder::Red;
constexpr qint32 Green = 0x008000;
constexpr int Block = 8;

QRgb blockColour(int x, int y)
{
    return qRgb((x / Block) * 4 % 256, (y / Block) * 4 % 256, 77);
}

QImage codedPicture(int width, int height)
{
    QImage picture = screenPicture(QSize(width, height), Qt::black);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, blockColour(x, y));
    return picture;
}

// Whether a point of the picture lies at least 1.5 pixels inside its block, where smoothing
// cannot blend in a neighbour.
bool wellInsideBlock(double x, double y)
{
    const auto inside = [](double v) {
        const double within = v - std::floor(v / Block) * Block;
        return within >= 1.5 && within <= Block - 1.5;
    };
    return inside(x) && inside(y);
}

} // namespace

class TestPictureCrop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void init();
    void cleanup();

    void opensWithTheCurrentPhoto();
    void storedPhotoThatCannotBeLoaded();
    void zoomSteps();
    void scrollRanges_data();
    void scrollRanges();
    void importThenSubmitSavesTheTopLeft();
    void cropSavesThePartUnderTheFrame_data();
    void cropSavesThePartUnderTheFrame();
    void frameBeyondThePicture();
    void dragTheFrame();
    void submitRightAfterOpening();
    void importThatFails_data();
    void importThatFails();
    void cancelLeavesEverything();
    void filesThatCannotBeWritten_data();
    void filesThatCannotBeWritten();
    void largePictureStaysQuick();
    void keysWorkAsInADialog_data();
    void keysWorkAsInADialog();

private:
    frmPictureCrop &openWindow();
    void importPicture(const QImage &picture, const QString &name = "vacation.png");
    QString playerFile() const { return RecordFiles::playerFilePath(m_app, "Cubs", "Smith"); }
    QString teamFile() const { return RecordFiles::teamFilePath(m_app, "Cubs"); }
    QString photoFile() const { return RecordFiles::photoFilePath(m_app, "Cubs", "Smith"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<frmPictureCrop> m_window;
};

void TestPictureCrop::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + QLatin1Char('/');
    m_host = std::make_unique<FakeHost>();
    CubsFolder::setUp(m_host->s, m_app);
    const PlayerProfile smith{"Smith", "Cubs", 6, 0, 1, 2, 7, "Springfield", "IL", 12, ""};
    QVERIFY(RecordFiles::WritePlayerFile(m_app, "Cubs", "Smith", smith).ok());
}

void TestPictureCrop::cleanup()
{
    m_window.reset();
    m_host.reset();
    m_dir.reset();
}

frmPictureCrop &TestPictureCrop::openWindow()
{
    m_window = std::make_unique<frmPictureCrop>(*m_host);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    return *m_window;
}

void TestPictureCrop::importPicture(const QImage &picture, const QString &name)
{
    const QString path = m_dir->filePath(name);
    QVERIFY(picture.save(path));
    m_host->d.fileAnswers.enqueue(path);
    m_window->cmdInsertPic->click();
    QCOMPARE(m_host->d.messages.size(), 0);
}

void TestPictureCrop::opensWithTheCurrentPhoto()
{
    // A stored photo of 206 x 272 pixels, blue; the main window holds it as loaded.
    QImage photo = screenPicture(QSize(206, 272), Qt::blue);
    writeBytes(photoFile(), *bitmapBytes(photo));
    m_host->s.PlayerPicturePath = photoFile();
    m_host->picture = *LoadPicture(photoFile());
    frmPictureCrop &w = openWindow();

    QCOMPARE(w.windowTitle(), QString("Edit Picture For Trading Card"));
    QCOMPARE(w.size(), QSize(twipsToPixels(11880), twipsToPixels(7770)));
    const struct
    {
        QWidget *widget;
        QRect twips;
    } controls[] = {
        {w.VScroll1, {7000, 0, 255, 6000}},      {w.HScroll1, {0, 6000, 7000, 255}},
        {w.Image1, {0, 0, 3060, 4050}},          {w.Shape1, {0, 0, 3060, 4050}},
        {w.cmdInsertPic, {840, 6360, 855, 375}}, {w.lblScaleValue, {2280, 6405, 615, 315}},
        {w.cmdZoomIn, {3000, 6360, 855, 375}},   {w.cmdZoomOut, {3960, 6360, 855, 375}},
        {w.cmdCrop, {5400, 6360, 855, 375}},     {w.cmdBorderColor, {7200, 6360, 855, 375}},
        {w.cmdCancel, {5400, 7320, 855, 375}},   {w.cmdSubmit, {6360, 7320, 855, 375}},
        {w.Picture1, {9600, 120, 2115, 1860}},   {w.picCard, {8160, 2400, 3600, 5040}},
        {w.Shape4, {240, 240, 3135, 4215}},      {w.lblPlayer, {210, 4320, 3180, 495}},
        {w.lblTeam, {240, 4560, 3135, 255}},     {w.Shape6, {2880, 4350, 405, 405}},
        {w.lblPosition, {2895, 4425, 375, 375}}};
    for (const auto &c : controls)
        QCOMPARE(c.widget->geometry(),
                 twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
    QCOMPARE(w.cmdInsertPic->text(), QString("&Import..."));
    QCOMPARE(w.cmdCrop->text(), QString("Cro&p"));
    QCOMPARE(w.cmdBorderColor->text(), QString("Co&lor"));
    // Every button its own accelerator.
    QSet<QChar> keys;
    for (const QPushButton *b : w.findChildren<QPushButton *>()) {
        const qsizetype amp = b->text().indexOf('&');
        QVERIFY2(amp >= 0, qPrintable(b->text()));
        QVERIFY2(!keys.contains(b->text()[amp + 1].toLower()), qPrintable(b->text()));
        keys.insert(b->text()[amp + 1].toLower());
    }
    QCOMPARE(w.lblScaleValue->text(), QString("100%"));
    QCOMPARE(w.lblPlayer->text(), QString("Smith"));
    QCOMPARE(w.lblTeam->text(), QString("Cubs"));
    QCOMPARE(w.lblPosition->text(), QString("SS"));
    QCOMPARE(w.Shape4->borderColor(), QColor(Qt::red));
    QCOMPARE(w.Shape4->borderWidth(), 4);
    QCOMPARE(w.lblPlayer->palette().color(QPalette::Window), QColor(Qt::red));
    QCOMPARE(w.Shape1->borderWidth(), 3);
    QVERIFY(!w.Picture1->pixmap().isNull());
    for (QWidget *off : {static_cast<QWidget *>(w.VScroll1), static_cast<QWidget *>(w.HScroll1),
                         static_cast<QWidget *>(w.cmdZoomIn), static_cast<QWidget *>(w.cmdZoomOut),
                         static_cast<QWidget *>(w.cmdCrop)})
        QVERIFY(!off->isEnabled());
    QVERIFY(!w.PictureCropped());

    // The stored photo at natural size at the viewport's top-left, grey beyond it.
    QCOMPARE(w.viewport->image().pixelColor(100, 100), QColor(Qt::blue));
    QCOMPARE(w.viewport->image().pixelColor(205, 271), QColor(Qt::blue));
    QCOMPARE(w.viewport->image().pixelColor(207, 100), QColor(128, 128, 128));

    // The preview shows the photo once the timer has run.
    QVERIFY(w.Timer1.isActive() && w.Timer1.isSingleShot());
    QCOMPARE(w.Timer1.interval(), 300);
    QCOMPARE(w.picCard->image().pixelColor(100, 100), QColor(Qt::white));
    QTRY_VERIFY(!w.Timer1.isActive());
    QCOMPARE(w.picCard->image().pixelColor(100, 100), QColor(Qt::blue));
    QCOMPARE(w.picCard->image().pixelColor(19, 19), QColor(Qt::blue));
    QCOMPARE(w.picCard->image().pixelColor(17, 100), QColor(Qt::white));
    QVERIFY(!w.hasUnsavedEdits());
}

void TestPictureCrop::storedPhotoThatCannotBeLoaded()
{
    writeBytes(photoFile(), "not a picture");
    m_host->s.PlayerPicturePath = photoFile();
    frmPictureCrop &w = openWindow();
    w.Timer1Tick();
    QCOMPARE(w.viewport->image().pixelColor(100, 100), QColor(128, 128, 128));
    QCOMPARE(w.picCard->image().pixelColor(100, 100), QColor(Qt::white));
    QCOMPARE(m_host->d.messages.size(), 0);
}

void TestPictureCrop::zoomSteps()
{
    frmPictureCrop &w = openWindow();
    importPicture(codedPicture(300, 300));
    QCOMPARE(w.lblScaleValue->text(), QString("100%"));
    w.cmdZoomIn->click();
    QCOMPARE(w.lblScaleValue->text(), QString("105%"));
    w.cmdZoomIn->click();
    QCOMPARE(w.lblScaleValue->text(), QString("110%"));
    QCOMPARE(w.ZoomFactor(), 1.1);
    QStringList shown;
    for (int i = 0; i < 25; ++i) {
        w.cmdZoomOut->click();
        shown.append(w.lblScaleValue->text());
    }
    QCOMPARE(shown.mid(0, 3), QStringList({"105%", "100%", "95%"}));
    QCOMPARE(shown.mid(18), QStringList({"15%", "10%", "5%", "5%", "5%", "5%", "5%"}));
    QCOMPARE(w.ZoomFactor(), 0.05);
    // At 5 % the whole 300-pixel picture fits in a corner of the viewport: 15 x 15 pixels.
    QVERIFY(w.viewport->image().pixelColor(5, 5) != QColor(128, 128, 128));
    QCOMPARE(w.viewport->image().pixelColor(16, 16), QColor(128, 128, 128));
    // A new import starts at 100 % again.
    importPicture(codedPicture(300, 300), "again.png");
    QCOMPARE(w.lblScaleValue->text(), QString("100%"));
}

void TestPictureCrop::scrollRanges_data()
{
    QTest::addColumn<QSize>("pixels");     // at 96 dpi: 15 twips each
    QTest::addColumn<QString>("imported"); // the zoom an import shows
    QTest::addColumn<int>("hMaximum");     // at 100 %: what is left of the viewport's 7000 x 6000
    QTest::addColumn<int>("vMaximum");
    // 15000 x 13500 twips fit the viewport at 40 % (44.4 % would fit the height, 46.7 % the width).
    QTest::newRow("large") << QSize(1000, 900) << "40%" << 8000 << 7500;
    // 6000 x 4500 twips fit as they are.
    QTest::newRow("medium") << QSize(400, 300) << "100%" << 0 << 0;
    QTest::newRow("one way wider") << QSize(600, 300) << "75%" << 2000 << 0;
}

void TestPictureCrop::scrollRanges()
{
    QFETCH(QSize, pixels);
    frmPictureCrop &w = openWindow();
    importPicture(codedPicture(pixels.width(), pixels.height()));
    QTEST(w.lblScaleValue->text(), "imported");
    // The whole picture is in view: nothing to scroll.
    QCOMPARE(w.HScroll1->maximum(), 0);
    QCOMPARE(w.VScroll1->maximum(), 0);
    QVERIFY(w.HScroll1->isEnabled() && w.VScroll1->isEnabled());
    QCOMPARE(w.offset(), QPoint(0, 0));
    while (w.ZoomFactor() < 1.0)
        w.cmdZoomIn->click();
    QTEST(w.HScroll1->maximum(), "hMaximum");
    QTEST(w.VScroll1->maximum(), "vMaximum");
    // A step is a twentieth of the view, a page all of it.
    QCOMPARE(w.HScroll1->singleStep(), 350);
    QCOMPARE(w.HScroll1->pageStep(), 7000);
    QCOMPARE(CropRules::scrollRange(9000, 7000, 0.5).maximum, 0); // 14000 twips in view

    if (w.HScroll1->maximum() >= 300) {
        // Scrolled 300 twips (20 pixels) right: the viewport's left edge shows picture column 20.
        w.HScroll1->setValue(300);
        QCOMPARE(w.offset(), QPoint(300, 0));
        QCOMPARE(w.viewport->image().pixel(3, 3), blockColour(23, 3));
        // Zoomed out again, the offset keeps within what is left to scroll.
        w.cmdZoomOut->click();
        QVERIFY(w.HScroll1->value() <= w.HScroll1->maximum());
    }
}

void TestPictureCrop::importThenSubmitSavesTheTopLeft()
{
    const QImage picture = codedPicture(400, 400);
    frmPictureCrop &w = openWindow();
    importPicture(picture, "Holiday 2026.png");
    QVERIFY(w.PictureCropped());
    QVERIFY(w.hasUnsavedEdits());
    // The preview shows the picture's top-left at once.
    QCOMPARE(w.picCard->image().pixel(100, 100), picture.pixel(100 - 18, 100 - 18) | 0xFF000000);
    w.cmdSubmit->click();
    QCOMPARE(m_host->d.messages.size(), 0);
    QVERIFY(!w.isVisible());

    const QImage saved(photoFile());
    QCOMPARE(saved.size(), QSize(206, 272));
    QCOMPARE(naturalSizeTwips(saved), QSize(3090, 4080));
    for (int y = 0; y < 270; ++y)
        for (int x = 0; x < 204; ++x)
            QCOMPARE(saved.pixel(x, y), picture.pixel(x, y));
    QCOMPARE(saved.pixelColor(205, 100), QColor(Qt::white));
    QCOMPARE(saved.pixelColor(100, 271), QColor(Qt::white));
    QCOMPARE(RecordFiles::ReadPlayerFile(m_app, "Cubs", "Smith")->PlayerPicturePath, photoFile());
    // The same crop at 300 pixels per inch of card, for the prints: 3060 x 4050 twips in 638 x 844
    // pixels, each block of the picture 25 pixels wide there.
    const QImage sharp(RecordFiles::cardPhotoFilePath(m_app, "Cubs", "Smith"));
    QCOMPARE(sharp.size(), QSize(638, 844));
    QCOMPARE(naturalSizeTwips(sharp), QSize(3062, 4051));
    const double scale = 300.0 / 96.0;
    int compared = 0;
    for (int y = 0; y < 844; y += 7)
        for (int x = 0; x < 637; x += 7)
            if (wellInsideBlock(x / scale, y / scale)) {
                QCOMPARE(sharp.pixel(x, y) | 0xFF000000,
                         saved.pixel(int(x / scale), int(y / scale)));
                ++compared;
            }
    QVERIFY(compared > 2000);
    QCOMPARE(m_host->s.PlayerPicturePath, photoFile());
    QCOMPARE(m_host->refreshes, 1);
}

void TestPictureCrop::cropSavesThePartUnderTheFrame_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPoint>("frame");
    QTest::addColumn<int>("scrollX");
    QTest::addColumn<int>("scrollY");
    QTest::newRow("125 % at (700, 300)") << 125 << QPoint(700, 300) << 0 << 0;
    QTest::newRow("125 % at (300, 200), scrolled") << 125 << QPoint(300, 200) << 600 << 150;
    QTest::newRow("60 % at (1500, 450)") << 60 << QPoint(1500, 450) << 0 << 0;
    QTest::newRow("100 % at (0, 0), scrolled") << 100 << QPoint(0, 0) << 1200 << 900;
}

void TestPictureCrop::cropSavesThePartUnderTheFrame()
{
    QFETCH(int, percent);
    QFETCH(QPoint, frame);
    QFETCH(int, scrollX);
    QFETCH(int, scrollY);
    const QImage picture = codedPicture(600, 600);
    frmPictureCrop &w = openWindow();
    importPicture(picture);
    // 9000 twips square: shown whole at 65 %.
    QCOMPARE(w.lblScaleValue->text(), QString("65%"));
    while (w.lblScaleValue->text() != QString("%1%").arg(percent))
        (percent > 65 ? w.cmdZoomIn : w.cmdZoomOut)->click();
    w.HScroll1->setValue(scrollX);
    w.VScroll1->setValue(scrollY);
    QCOMPARE(w.offset(), QPoint(scrollX, scrollY));
    w.Image1_MouseDown(QPoint(0, 0));
    w.Form_DragDrop(frame);
    QCOMPARE(w.frame(), QRect(frame, QSize(3060, 4050)));
    w.cmdCrop->click();
    w.cmdSubmit->click();

    // Saved pixel (x, y) comes from picture point (L / zoom + OffsetX, T / zoom + OffsetY) plus
    // (x + 0.5, y + 0.5) pixels / zoom, all in twips of 15 to the pixel.
    const double zoom = w.ZoomFactor();
    const QImage saved(photoFile());
    int checked = 0;
    for (int y = 0; y < 270; ++y)
        for (int x = 0; x < 204; ++x) {
            const double px = (frame.x() / zoom + scrollX) / 15 + (x + 0.5) / zoom;
            const double py = (frame.y() / zoom + scrollY) / 15 + (y + 0.5) / zoom;
            if (!wellInsideBlock(px, py) || px >= 600 || py >= 600)
                continue;
            QCOMPARE(saved.pixel(x, y), blockColour(int(px), int(py)) | 0xFF000000);
            ++checked;
        }
    QVERIFY(checked > 10000);
}

void TestPictureCrop::frameBeyondThePicture()
{
    const QImage picture = codedPicture(150, 150);
    frmPictureCrop &w = openWindow();
    importPicture(picture);
    w.Image1_MouseDown(QPoint(150, 300));
    w.Form_DragDrop(QPoint(1650, 1800)); // the frame's top-left at (1500, 1500): pixel 100
    w.cmdCrop->click();
    const QImage &card = w.picCard->image();
    w.cmdSubmit->click();
    const QImage saved(photoFile());
    QCOMPARE(saved.pixel(20, 20), picture.pixel(120, 120));
    QCOMPARE(saved.pixelColor(60, 20), QColor(Qt::white)); // beyond the picture's right edge
    QCOMPARE(saved.pixelColor(20, 60), QColor(Qt::white));
    QCOMPARE(card.pixel(18 + 21, 18 + 21) | 0xFF000000, picture.pixel(121, 121));
    QCOMPARE(card.pixelColor(18 + 100, 18 + 100), QColor(Qt::white));
}

// Any button drags; the grab point stays under the pointer; a drop off the viewport (here on the
// preview) leaves the frame where it was.
void TestPictureCrop::dragTheFrame()
{
    frmPictureCrop &w = openWindow();
    QTest::mousePress(w.Image1, Qt::RightButton, {}, QPoint(10, 20));
    QTest::mouseRelease(w.Image1, Qt::RightButton, {}, QPoint(110, 60));
    QCOMPARE(w.frame(), QRect(QPoint(1500, 600), QSize(3060, 4050)));
    QCOMPARE(w.Image1->pos(), QPoint(100, 40));
    QCOMPARE(w.Shape1->geometry(), w.Image1->geometry());

    QTest::mousePress(w.Image1, Qt::LeftButton, {}, QPoint(5, 5));
    const QPoint onPreview = w.Image1->mapFrom(&w, w.picCard->geometry().center());
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, onPreview);
    QCOMPARE(w.frame(), QRect(QPoint(1500, 600), QSize(3060, 4050)));
    QCOMPARE(w.Image1->pos(), QPoint(100, 40));
}

void TestPictureCrop::submitRightAfterOpening()
{
    m_host->s.PlayerPicturePath = "C:\\Scorebinder\\Cubs\\Smith.bmp";
    QVERIFY(RecordFiles::WritePlayerPicturePath(m_app, "Cubs", "Smith", m_host->s.PlayerPicturePath)
                .ok());
    const QByteArray player = readBytes(playerFile());
    frmPictureCrop &w = openWindow();
    m_host->d.colorAnswers.enqueue(Green);
    w.cmdBorderColor->click();
    QCOMPARE(w.Shape4->borderColor(), QColor(0, 128, 0));
    QCOMPARE(w.lblPlayer->palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(m_host->s.TeamBorderColor, Red); // only Submit stores it
    w.cmdSubmit->click();
    QVERIFY(!QFile::exists(photoFile()));
    QCOMPARE(readBytes(playerFile()), player);
    QCOMPARE(RecordFiles::ReadTeamHeader(m_app, "Cubs")->TeamBorderColor, Green);
    QCOMPARE(m_host->s.TeamBorderColor, Green);
    QCOMPARE(m_host->refreshes, 1);
}

void TestPictureCrop::importThatFails_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the dialog is cancelled
    QTest::newRow("cancelled") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("plain text, no picture");
}

void TestPictureCrop::importThatFails()
{
    QFETCH(QByteArray, content);
    m_host->s.PlayerPicturePath = "old.bmp";
    frmPictureCrop &w = openWindow();
    ScriptedDialogs &d = m_host->d;
    if (content.isEmpty()) {
        d.fileAnswers.enqueue(std::nullopt);
    } else {
        writeBytes(m_dir->filePath("notes.jpg"), content);
        d.fileAnswers.enqueue(m_dir->filePath("notes.jpg"));
    }
    w.cmdInsertPic->click();
    QCOMPARE(d.files.size(), 1);
    QCOMPARE(d.files[0].filter,
             QString("All Files (*.*)|*.*|JPEG Picture Files (*.jpg)|*.jpg|GIF Picture Files "
                     "(*.gif)|*.gif|Bitmap Picture Files (*.bmp)|*.bmp|TIFF Picture Files "
                     "(*.tif)|*.tif"));
    QCOMPARE(d.files[0].filterIndex, 1);
    QCOMPARE(d.files[0].title, QString("Insert Player Picture"));
    QCOMPARE(d.files[0].initialFolder, m_app);
    QCOMPARE(d.messages.size(), 1);
    QCOMPARE(d.messages[0].text, QString("There was an error inserting the picture."));
    QCOMPARE(d.messages[0].title, QString("Picture Not Inserted"));
    QCOMPARE(d.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(w.picturePath(), QString("old.bmp"));
    QVERIFY(!w.cmdCrop->isEnabled() && !w.PictureCropped());
}

void TestPictureCrop::cancelLeavesEverything()
{
    const QByteArray player = readBytes(playerFile());
    const QByteArray team = readBytes(teamFile());
    frmPictureCrop &w = openWindow();
    importPicture(codedPicture(300, 300));
    m_host->d.colorAnswers.enqueue(Green);
    w.cmdBorderColor->click();
    w.cmdCancel->click();
    QVERIFY(!w.isVisible());
    QCOMPARE(m_host->s.PlayerPicturePath, QString());
    QCOMPARE(m_host->s.TeamBorderColor, Red);
    QCOMPARE(readBytes(playerFile()), player);
    QCOMPARE(readBytes(teamFile()), team);
    QVERIFY(!QFile::exists(photoFile()));
    QCOMPARE(m_host->refreshes, 0);
}

void TestPictureCrop::filesThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("broken");
    QTest::newRow("player file missing") << "player";
    QTest::newRow("team file damaged") << "team";
}

// A message names the file; every file stays as it was (the photo written before the failure is
// taken back), and the window stays open with its work, so nothing the user did is lost.
void TestPictureCrop::filesThatCannotBeWritten()
{
    QFETCH(QString, broken);
    if (broken == "player")
        QFile::remove(playerFile());
    else
        writeBytes(teamFile(), "\"Cubs\",\"Coach\"\r\n");
    const QByteArray team = readBytes(teamFile());
    frmPictureCrop &w = openWindow();
    importPicture(codedPicture(300, 300));
    m_host->d.colorAnswers.enqueue(Green);
    w.cmdBorderColor->click();
    w.cmdSubmit->click();

    QCOMPARE(m_host->d.messages.size(), 1);
    const QString told = m_host->d.messages[0].text;
    QVERIFY2(told.contains(broken == "player" ? playerFile() : teamFile()), qPrintable(told));
    QVERIFY(w.isVisible() && w.PictureCropped());
    QCOMPARE(readBytes(teamFile()), team);
    QVERIFY(!QFile::exists(photoFile())); // written before the file that failed, then removed
    QCOMPARE(m_host->s.PlayerPicturePath, QString());
    QCOMPARE(m_host->s.TeamBorderColor, Red);
    QCOMPARE(m_host->refreshes, 0);
}

// A 24-megapixel photo from a phone: the import shows it whole, each redraw paints only the
// viewport's pixels from it, and at 100 % every corner can be scrolled into view.
void TestPictureCrop::largePictureStaysQuick()
{
    QImage photo = screenPicture(QSize(6000, 4000), Qt::darkGreen);
    for (int y = 3900; y < 4000; ++y)
        for (int x = 5900; x < 6000; ++x)
            photo.setPixelColor(x, y, Qt::yellow);
    frmPictureCrop &w = openWindow();
    importPicture(photo, "camera.bmp");
    // 90000 x 60000 twips in a 7000 x 6000 viewport: 5 % is the largest step that fits.
    QCOMPARE(w.lblScaleValue->text(), QString("5%"));
    QCOMPARE(w.viewport->image().pixelColor(100, 100), QColor(Qt::darkGreen));
    QCOMPARE(w.viewport->image().pixelColor(297, 197), QColor(Qt::yellow));
    QCOMPARE(w.viewport->image().pixelColor(302, 100), QColor(128, 128, 128));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 19; ++i)
        w.cmdZoomIn->click();
    QCOMPARE(w.lblScaleValue->text(), QString("100%"));
    w.HScroll1->setValue(w.HScroll1->maximum());
    w.VScroll1->setValue(w.VScroll1->maximum());
    w.cmdCrop->click();
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(w.offset(), QPoint(83000, 54000));
    const QImage &view = w.viewport->image();
    QCOMPARE(view.pixelColor(view.width() - 4, view.height() - 4), QColor(Qt::yellow));
    QCOMPARE(view.pixelColor(view.width() - 150, view.height() - 150), QColor(Qt::darkGreen));
    w.HScroll1->setValue(0);
    w.VScroll1->setValue(0);
    QCOMPARE(w.viewport->image().pixelColor(2, 2), QColor(Qt::darkGreen));
}

void TestPictureCrop::keysWorkAsInADialog_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Return") << int(Qt::Key_Return) << "cmdSubmit";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "cmdSubmit";
    // Esc closes as the frame does: it asks about the colour chosen, here answered Discard.
    QTest::newRow("Esc") << int(Qt::Key_Escape) << "";
}

// Right after choosing a colour, with Color still focused: Enter submits it, Esc cancels.
void TestPictureCrop::keysWorkAsInADialog()
{
    QFETCH(int, key);
    QFETCH(QString, pressed);
    frmPictureCrop &w = openWindow();
    QSignalSpy clicks(w.cmdSubmit, &QPushButton::clicked);
    m_host->d.colorAnswers.enqueue(Green);
    m_host->d.messageAnswers.enqueue(MessageAnswer::Discard);
    w.cmdBorderColor->setFocus();
    w.cmdBorderColor->click();
    QTest::keyClick(w.cmdBorderColor, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicks.count(), pressed == "cmdSubmit" ? 1 : 0);
    QCOMPARE(m_host->d.messages.size(), pressed == "cmdSubmit" ? 0 : 1);
    QVERIFY(!w.isVisible());
    QCOMPARE(RecordFiles::ReadTeamHeader(m_app, "Cubs")->TeamBorderColor,
             pressed == "cmdSubmit" ? Green : Red);
}

QTEST_MAIN(TestPictureCrop)
#include "tst_picturecrop.moc"
