#pragma once

// Printed PDF files read back, as pdftotext sees them.

#include <QList>
#include <QSizeF>
#include <QString>

struct PrintedWord // a word and its box, in points
{
    int page;
    qreal x, y, right, height;
    QString text;
};

// The words of a PDF in reading order, and its pages' sizes.
QList<PrintedWord> readBack(const QString &pdf, QList<QSizeF> *pages = nullptr);
// Its words joined by blanks.
QString printedText(const QString &pdf);
// Whether there is a pdftotext to read with, and no printer to take the jobs.
bool canReadPdfs();
