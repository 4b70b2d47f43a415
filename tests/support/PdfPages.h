#pragma once

// What a printed PDF holds, read with the poppler tools: the words of its first page with their
// boxes, and the page as pixels.

#include <QImage>
#include <QString>
#include <QVector>

struct PdfWord
{
    QString text;
    double xMin, yMin, xMax; // points from the page's top-left corner
};

QVector<PdfWord> pdfWords(const QString &pdf);

// The first page at `dpi`, written beside `prefix` as "<prefix>.png" and read back.
QImage renderPdfPage(const QString &pdf, const QString &prefix, int dpi);
