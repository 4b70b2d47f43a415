#pragma once

// What a printed PDF holds, read with the poppler tools: the words of a page with their boxes,
// and the page as pixels.

#include <QImage>
#include <QString>
#include <QVector>

struct PdfWord
{
    QString text;
    double xMin, yMin, xMax; // points from the page's top-left corner
};

QVector<PdfWord> pdfWords(const QString &pdf, int page = 1);

// A page at `dpi`, written beside `prefix` as "<prefix>.png" and read back.
QImage renderPdfPage(const QString &pdf, const QString &prefix, int dpi, int page = 1);

int pdfPageCount(const QString &pdf);

// The pictures the PDF holds (masks apart): one drawn in several places counts once.
int pdfImageCount(const QString &pdf);
