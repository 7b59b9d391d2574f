#include "pdf.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QList<PrintedWord> readBack(const QString &pdf, QList<QSizeF> *pages)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    process.waitForFinished(60000);
    static const QRegularExpression item(u"<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" "
                                         "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"_s);
    QList<PrintedWord> words;
    int page = -1;
    for (const QRegularExpressionMatch &m : item.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
        if (!m.captured(1).isEmpty()) {
            ++page;
            if (pages)
                pages->append({m.captured(1).toDouble(), m.captured(2).toDouble()});
            continue;
        }
        const qreal top = m.captured(4).toDouble();
        QString text = m.captured(7); // as XML writes it
        text.replace(u"&lt;"_s, u"<"_s)
            .replace(u"&gt;"_s, u">"_s)
            .replace(u"&quot;"_s, u"\""_s)
            .replace(u"&amp;"_s, u"&"_s);
        words.append(
            {page, m.captured(3).toDouble(), top, m.captured(5).toDouble(), m.captured(6).toDouble() - top, text});
    }
    return words;
}

QString printedText(const QString &pdf)
{
    QStringList texts;
    for (const PrintedWord &word : readBack(pdf))
        texts << word.text;
    return texts.join(u' ');
}

bool canReadPdfs()
{
    return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() && QPrinterInfo::defaultPrinter().isNull();
}
