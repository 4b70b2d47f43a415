#include "PdfPages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>

QVector<PdfWord> pdfWords(const QString &pdf, int page)
{
    QProcess process;
    const QString number = QString::number(page);
    process.start("pdftotext", {"-f", number, "-l", number, "-bbox", pdf, "-"});
    process.waitForFinished(20000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pattern(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    QVector<PdfWord> words;
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(),
                      m.captured(3).toDouble()});
    }
    return words;
}

QImage renderPdfPage(const QString &pdf, const QString &prefix, int dpi, int page)
{
    const QString number = QString::number(page);
    QProcess::execute("pdftoppm", {"-f", number, "-l", number, "-r", QString::number(dpi), "-png",
                                   "-singlefile", pdf, prefix});
    return QImage(prefix + ".png");
}

int pdfPageCount(const QString &pdf)
{
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(20000);
    static const QRegularExpression pages("Pages:\\s+(\\d+)");
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

int pdfImageCount(const QString &pdf)
{
    QProcess process;
    process.start("pdfimages", {"-list", pdf});
    process.waitForFinished(20000);
    // Two heading lines, then a line per picture drawn: "page num type ... object ID ...", type
    // "image" or "smask"; a picture drawn again names the same object.
    QSet<QString> objects;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (const QString &line : lines.mid(2))
        if (line.simplified().section(' ', 2, 2) == "image")
            objects.insert(line.simplified().section(' ', 10, 11));
    return int(objects.size());
}
