// The record line encoding on bytes: how each field type is written and read back.

#include "RecordCases.h"
#include "core/RecordCodec.h"
#include "core/Records.h"
#include "core/Windows1252.h"
#include "support/TestFiles.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace RecordCodec;

class TestRecordCodec : public QObject
{
    Q_OBJECT

private slots:
    void singlesAreShortestWithoutLeadingZero_data();
    void singlesAreShortestWithoutLeadingZero();
    void singlesIgnoreTheLocale();
    void gameRecordFiveIsWrittenExactly();
    void readerRules_data();
    void readerRules();
    void badFieldsNameTheLineAndField_data();
    void badFieldsNameTheLineAndField();
    void textsTheEncodingCannotHoldAreRefused_data();
    void textsTheEncodingCannotHoldAreRefused();
    void readsAsTheRecordedRulesSay();
    void aFileReadsAsItsLinesAlone();
    void windows1252TablesMatchTheConverter();
};

void TestRecordCodec::singlesAreShortestWithoutLeadingZero_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("zero") << 0.0f << QByteArray("0");
    QTest::newRow("negative zero") << -0.0f << QByteArray("0");
    QTest::newRow("whole") << 7.0f << QByteArray("7");
    QTest::newRow("one third") << 5.1f << QByteArray("5.1");
    QTest::newRow("two thirds only") << 0.2f << QByteArray(".2");
    QTest::newRow("twelve and two") << 12.2f << QByteArray("12.2");
    QTest::newRow("negative fraction") << -0.5f << QByteArray("-.5");
    QTest::newRow("large") << 32767.2f << QByteArray("32767.2");
}

void TestRecordCodec::singlesAreShortestWithoutLeadingZero()
{
    QFETCH(float, value);
    QFETCH(QByteArray, text);
    QCOMPARE(singleField(value), text);
}

void TestRecordCodec::singlesIgnoreTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(singleField(5.1f), QByteArray("5.1"));
    Reader reader("5,2,4,1,0,1,0,0,1,0,2,0,0,0,5.1,0,0,0,0,0,\"\",\"\",\"\",\"\"\r\n", "x.sta");
    Outcome<GameRecord> record = reader.read<GameRecord>("a game record");
    QLocale::setDefault(QLocale::c());
    QVERIFY2(record.ok(), qPrintable(record.error()));
    QCOMPARE(record->PInnings, 5.1f);
}

void TestRecordCodec::gameRecordFiveIsWrittenExactly()
{
    GameRecord game;
    game.GameNumber = 5;
    game.BHits = 2;
    game.BAtBats = 4;
    game.BRuns = 1;
    game.BDoubles = 1;
    game.BSOs = 1;
    game.BRBIs = 2;
    game.PInnings = 5.1f;
    game.GameDate = "05/14/2004";
    game.Opponent = "Team2";
    game.Decision = "Win";
    const QByteArray line =
        "5,2,4,1,0,1,0,0,1,0,2,0,0,0,5.1,0,0,0,0,0,\"05/14/2004\",\"Team2\",\"Win\",\"\"\r\n";
    Outcome<QByteArray> written = encodeLine(game);
    QVERIFY(written.ok());
    QCOMPARE(*written, line);

    Reader reader(line, "Player1.sta");
    Outcome<GameRecord> read = reader.read<GameRecord>("a game record");
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QVERIFY(*read == game);
    QVERIFY(reader.atEnd());
}

// Lines as other writers and hand edits leave them, and what a roster entry reads from each.
void TestRecordCodec::readerRules_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("player");
    QTest::addColumn<int>("position");
    QTest::newRow("as written") << QByteArray("\"Player1\",1\r\n") << "Player1" << 1;
    QTest::newRow("spaces before fields") << QByteArray("  \"Player1\",  7\r\n") << "Player1" << 7;
    QTest::newRow("comma inside text") << QByteArray("\"Smith, Jr\",2\r\n") << "Smith, Jr" << 2;
    QTest::newRow("empty fields") << QByteArray(",\r\n") << "" << 0;
    QTest::newRow("unquoted text") << QByteArray("Player1,3\r\n") << "Player1" << 3;
    QTest::newRow("negative") << QByteArray("\"\",-1\r\n") << "" << -1;
    QTest::newRow("no final line end") << QByteArray("\"Player1\",4") << "Player1" << 4;
    QTest::newRow("bare LF") << QByteArray("\"Player1\",5\n") << "Player1" << 5;
    QTest::newRow("text after the closing quote") << QByteArray("\"Ab\"cd,6\r\n") << "Ab" << 6;
}

void TestRecordCodec::readerRules()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, player);
    QFETCH(int, position);
    Reader reader(line, "Team1.tea");
    Outcome<RosterEntry> entry = reader.read<RosterEntry>("a roster entry");
    QVERIFY2(entry.ok(), qPrintable(entry.error()));
    QCOMPARE(entry->RosterPlayer, player);
    QCOMPARE(int(entry->RosterPosition), position);
    QVERIFY(reader.atEnd());
}

void TestRecordCodec::badFieldsNameTheLineAndField_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a number") << QByteArray("\"A\",1\r\n\"B\",x2\r\n")
                                  << "Cannot read \"Team1.tea\", line 2: RosterPosition is \"x2\", "
                                     "which is not a whole number from -32768 to 32767.";
    QTest::newRow("out of 16 bits")
        << QByteArray("\"A\",32768\r\n")
        << "Cannot read \"Team1.tea\", line 1: RosterPosition is \"32768\", which is not a whole "
           "number from -32768 to 32767.";
    QTest::newRow("fraction in an integer")
        << QByteArray("\"A\",1.5\r\n")
        << "Cannot read \"Team1.tea\", line 1: RosterPosition is \"1.5\", which is not a whole "
           "number from -32768 to 32767.";
    QTest::newRow("too few fields")
        << QByteArray("\"A\"\r\n")
        << "Cannot read \"Team1.tea\", line 1: it has 1 fields where a roster entry has 2.";
    QTest::newRow("too many fields")
        << QByteArray("\"A\",1,2\r\n")
        << "Cannot read \"Team1.tea\", line 1: it has 3 fields where a roster entry has 2.";
    QTest::newRow("open quote")
        << QByteArray("\"A,1\r\n")
        << "Cannot read \"Team1.tea\", line 1: a quoted text has no closing quote.";
    QTest::newRow("ends early")
        << QByteArray("\"A\",1\r\n")
        << "Cannot read \"Team1.tea\", line 2: the file ends before this line.";
}

void TestRecordCodec::badFieldsNameTheLineAndField()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    Reader reader(data, "Team1.tea");
    Outcome<RosterEntry> entry = reader.read<RosterEntry>("a roster entry");
    while (entry.ok())
        entry = reader.read<RosterEntry>("a roster entry");
    QCOMPARE(entry.error(), message);
}

void TestRecordCodec::textsTheEncodingCannotHoldAreRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("double quote")
        << "The \"Aces\""
        << "Opponent holds a double quote (\"), which a record file cannot store.";
    QTest::newRow("CR") << "a\rb"
                        << "Opponent holds a line break, which a record file cannot store.";
    QTest::newRow("LF") << "a\nb"
                        << "Opponent holds a line break, which a record file cannot store.";
    QTest::newRow("outside Windows-1252")
        << QString::fromUtf8("Tōkyō")
        << QString::fromUtf8(
               "Opponent holds the character \"ō\", which a record file cannot store.");
    QTest::newRow("emoji")
        << QString::fromUtf8("Go ⚾")
        << QString::fromUtf8(
               "Opponent holds the character \"⚾\", which a record file cannot store.");
}

void TestRecordCodec::textsTheEncodingCannotHoldAreRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    GameRecord game;
    game.Opponent = text;
    Outcome<QByteArray> line = encodeLine(game);
    QVERIFY(!line.ok());
    QCOMPARE(line.error(), message);
}

// 2000 lines, valid and damaged, read exactly as the recorded outcomes say: the same record, or
// the same error naming the same line and field.
void TestRecordCodec::readsAsTheRecordedRulesSay()
{
    QTemporaryDir dir;
    copyFixture(QStringLiteral("codec"), dir.path());
    const QList<QByteArray> expected = readBytes(dir.filePath("outcomes.txt")).split('\n');
    const QVector<RecordCases::Case> cases = RecordCases::generate(2000);
    const QList<QByteArray> actual = RecordCases::outcomes(cases).split('\n');
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < cases.size(); ++i)
        QVERIFY2(
            actual[i] == expected[i],
            qPrintable(QStringLiteral("case %1, %2\n got      %3\n expected %4")
                           .arg(i)
                           .arg(QString::fromLatin1(cases[i].line.toPercentEncoding()),
                                QString::fromLatin1(actual[i]), QString::fromLatin1(expected[i]))));
}

// One reader over a whole file gives every line what that line gives alone: a text repeated from
// the line before is shared, and never carried into a line that holds another. So for a reader
// that keeps only the decision.
void TestRecordCodec::aFileReadsAsItsLinesAlone()
{
    QByteArray file;
    QVector<GameRecord> alone;
    for (const RecordCases::Case &c : RecordCases::generate(2000)) {
        if (c.kind != 0 || !c.line.endsWith("\r\n"))
            continue;
        RecordCodec::Reader one(c.line, "x.sta");
        const Outcome<GameRecord> record = one.read<GameRecord>("a game record");
        if (!record || !one.atEnd())
            continue;
        for (int copy = 0; copy < 2; ++copy) { // the second copy repeats every text
            file += c.line;
            alone.append(*record);
        }
    }
    QVERIFY(alone.size() > 100);
    for (const bool decisionOnly : {false, true}) {
        RecordCodec::Reader reader(file, "x.sta");
        if (decisionOnly)
            reader.keepOnlyText<GameRecord>("Decision");
        for (int i = 0; i < alone.size(); ++i) {
            const Outcome<GameRecord> record = reader.read<GameRecord>("a game record");
            QVERIFY2(record, qPrintable(record.error()));
            GameRecord expected = alone[i];
            if (decisionOnly)
                expected.GameDate = expected.Opponent = expected.Highlights = QString();
            QVERIFY2(*record == expected, qPrintable(QString::number(i)));
        }
        QVERIFY(reader.atEnd());
    }
}

// Every byte reads, and every character of the basic plane writes, exactly as the platform's
// Windows-1252 converter has it.
void TestRecordCodec::windows1252TablesMatchTheConverter()
{
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        QStringDecoder decoder("windows-1252");
        QCOMPARE(Windows1252::decode(&byte, 1), decoder.decode(QByteArray(1, byte)));
    }
    for (int u = 0; u < 0x10000; ++u) {
        const QString character = QString(QChar(char16_t(u)));
        QStringEncoder encoder("windows-1252");
        const QByteArray expected = encoder.encode(character);
        const Windows1252::Encoded encoded = Windows1252::encode(character);
        if (encoder.hasError() || expected.size() != 1)
            QVERIFY2(encoded.refusedAt.has_value(), qPrintable(QString::number(u, 16)));
        else
            QVERIFY2(!encoded.refusedAt && encoded.bytes == expected,
                     qPrintable(QString::number(u, 16)));
    }
    const QString emoji = QString::fromUtf8("ab\xF0\x9F\x98\x80");
    QCOMPARE(Windows1252::encode(emoji).refusedAt, std::optional<qsizetype>(2));
    QCOMPARE(textField(emoji, "Opponent").error(),
             QString::fromUtf8("Opponent holds the character \"\xF0\x9F\x98\x80\", which a "
                               "record file cannot store."));
}

QTEST_GUILESS_MAIN(TestRecordCodec)
#include "tst_recordcodec.moc"
