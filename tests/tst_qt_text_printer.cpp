#include "fakes.h"
#include "platform/qt_text_printer.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString pdftotext(const QStringList &options, const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString layoutText(const QString &pdf)
{
    return pdftotext({QStringLiteral("-layout")}, pdf);
}

void setUpPdf(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// Text lines as the reader sees them: layout indentation and trailing blanks dropped.
QStringList trimmedLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n')))
        lines.append(line.trimmed());
    return lines;
}

// A grid row as the print window writes it: every cell followed by a blank.
QString gridRow(const QString &cells)
{
    QString row;
    for (const QChar cell : cells)
        row += cell + QLatin1Char(' ');
    return row;
}

} // namespace

class TestQtTextPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void columnsLineUp_data();
    void columnsLineUp();
    void sizeFitsWidestLine_data();
    void sizeFitsWidestLine();
    void largeGridPaginatesWholeRows();
    void jobOutcome_data();
    void jobOutcome();
    void emptyJobAsksNothing();

private:
    QTemporaryDir m_dir;
};

void TestQtTextPrinter::init()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is needed to read the printed PDF back");
    QVERIFY(m_dir.isValid());
}

void TestQtTextPrinter::columnsLineUp_data()
{
    QTest::addColumn<QString>("fontName");
    QTest::newRow("the program's choice") << QStringLiteral("Ms Sans Serif");
    QTest::newRow("none set") << QString();
    QTest::newRow("proportional face") << QStringLiteral("Liberation Serif");
    QTest::newRow("fixed-pitch face") << QStringLiteral("DejaVu Sans Mono");
}

void TestQtTextPrinter::columnsLineUp()
{
    QFETCH(QString, fontName);
    // Wide and narrow letters in every column: a proportional face would drift.
    const QStringList cells{QStringLiteral("WIMLT"), QStringLiteral("IWTML"), QStringLiteral("MLWIT"),
                            QStringLiteral("LTIWM"), QStringLiteral("TMLIW")};
    QStringList job{QStringLiteral("Puzzle"), QString()};
    for (const QString &row : cells)
        job.append(gridRow(row));

    const QString pdf = m_dir.filePath(QStringLiteral("grid.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf);
    QVERIFY(QtTextPrinter::render(printer, job, fontName));

    const QStringList text = layoutText(pdf).split(QLatin1Char('\n'));
    const qsizetype title = text.indexOf(QRegularExpression(QStringLiteral("^\\s*Puzzle\\s*$")));
    QVERIFY2(title >= 0, qPrintable(text.join(QLatin1Char('\n'))));
    QStringList printedRows = text.mid(title + 1);
    printedRows.removeAll(QString());
    QVERIFY(printedRows.size() >= cells.size());
    const auto letterOffsets = [](const QString &line) {
        QList<qsizetype> offsets;
        for (qsizetype i = 0; i < line.size(); ++i)
            if (!line.at(i).isSpace())
                offsets.append(i);
        return offsets;
    };
    const QList<qsizetype> columns = letterOffsets(printedRows.first());
    for (qsizetype r = 0; r < cells.size(); ++r) {
        QCOMPARE(printedRows.at(r).simplified(), gridRow(cells.at(r)).trimmed());
        QVERIFY2(letterOffsets(printedRows.at(r)) == columns,
                 qPrintable(printedRows.mid(0, cells.size()).join(QLatin1Char('\n'))));
    }
}

void TestQtTextPrinter::sizeFitsWidestLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("fillsWidth");
    const QString ten = QStringLiteral("ABCDEFGHIJ");
    QTest::newRow("short line stays at 12 pt") << ten << false;
    QTest::newRow("trailing blanks are not measured") << ten + QString(300, QLatin1Char(' ')) << false;
    QTest::newRow("wide line fills the width") << QString(150, QLatin1Char('M')) << true;
    QTest::newRow("too wide at any size breaks") << QString(400, QLatin1Char('M')) << true;
}

void TestQtTextPrinter::sizeFitsWidestLine()
{
    QFETCH(QString, line);
    QFETCH(bool, fillsWidth);

    const QString pdf = m_dir.filePath(QStringLiteral("size.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf);
    QVERIFY(QtTextPrinter::render(printer, {line}, QStringLiteral("Ms Sans Serif")));

    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Point);
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    QString printed;
    qreal widest = 0;
    for (const QRegularExpressionMatch &m : word.globalMatch(pdftotext({QStringLiteral("-bbox")}, pdf))) {
        const qreal left = m.captured(1).toDouble();
        const qreal right = m.captured(2).toDouble();
        QVERIFY2(left >= paint.left() - 0.5 && right <= paint.right() + 0.5,
                 qPrintable(QStringLiteral("%1..%2 outside %3..%4").arg(left).arg(right).arg(paint.left()).arg(paint.right())));
        widest = std::max(widest, right - left);
        printed += m.captured(3);
    }
    QCOMPARE(printed, line.trimmed());
    // Ten fixed-pitch letters at 12 pt advance 0.6 em each; a size a tenth of
    // a point larger would not fit a line that fills the width.
    const qreal low = fillsWidth ? paint.width() * 0.95 : 70;
    const qreal high = fillsWidth ? paint.width() + 0.5 : 74;
    QVERIFY2(widest >= low && widest <= high,
             qPrintable(QStringLiteral("widest line %1 pt, expected %2..%3").arg(widest).arg(low).arg(high)));
}

// The largest job the program sends: a 100 x 100 puzzle, its list and its key.
void TestQtTextPrinter::largeGridPaginatesWholeRows()
{
    QStringList puzzle;
    QStringList key;
    for (int r = 0; r < 100; ++r) {
        QString cells;
        QString answers;
        for (int c = 0; c < 100; ++c) {
            cells += QChar(u'A' + (r + c) % 26);
            answers += (r + c) % 3 ? QChar(u' ') : QChar(u'A' + (r * c) % 26);
        }
        puzzle.append(gridRow(cells));
        key.append(gridRow(answers));
    }
    QCOMPARE(puzzle.first().size(), 200);
    const QStringList job = QStringList{QStringLiteral("Puzzle"), QString()} + puzzle
        + QStringList{QString(), QString(), QStringLiteral("List of Words"), QString(), QStringLiteral("WORD"), QString(),
                      QStringLiteral("Puzzle Key"), QString()}
        + key;

    const QString pdf = m_dir.filePath(QStringLiteral("large.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    setUpPdf(printer, pdf);
    QVERIFY(QtTextPrinter::render(printer, job, QStringLiteral("Ms Sans Serif")));

    const QString text = layoutText(pdf);
    QVERIFY2(text.count(QLatin1Char('\f')) > 1, "two 100-row grids need more than one page");
    QStringList printed = trimmedLines(QString(text).remove(QLatin1Char('\f')));
    printed.removeAll(QString());
    QStringList expected = job;
    for (QString &line : expected)
        line = line.simplified();
    expected.removeAll(QString());
    QCOMPARE(printed.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        QVERIFY2(printed.at(i).simplified() == expected.at(i),
                 qPrintable(QStringLiteral("line %1: %2").arg(i).arg(printed.at(i))));
}

void TestQtTextPrinter::jobOutcome_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("reported");
    QTest::newRow("saved") << QStringLiteral("first.pdf") << true << false;
    QTest::newRow("cancelled") << QString() << false << false;
    QTest::newRow("missing folder") << QStringLiteral("no such folder/first.pdf") << false << true;
}

// Whatever became of a job, the next one is printed on its own.
void TestQtTextPrinter::jobOutcome()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a default printer exists: jobs would go to paper, not to a PDF file");
    QFETCH(QString, answer);
    QFETCH(bool, written);
    QFETCH(bool, reported);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    RecordingMessageBox messageBox;
    ScriptedFileDialog fileDialog;
    const QString first = answer.isEmpty() ? QString() : dir.filePath(answer);
    const QString second = dir.filePath(QStringLiteral("second.pdf"));
    fileDialog.saveAnswers = {first, second};
    QtTextPrinter printer(messageBox, fileDialog);
    printer.setFontName(QStringLiteral("Ms Sans Serif"));

    printer.printLine(QStringLiteral("List of Words"));
    printer.printEmptyLine();
    printer.printLine(QStringLiteral("FIRSTJOB"));
    printer.endDocument();

    QCOMPARE(fileDialog.saves, 1);
    QCOMPARE(fileDialog.filtersSeen, QStringList{QStringLiteral("PDF Files (*.pdf)|*.pdf")});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             written ? QStringList{answer} : QStringList());
    if (written)
        QCOMPARE(trimmedLines(layoutText(first)).mid(0, 3),
                 (QStringList{QStringLiteral("List of Words"), QString(), QStringLiteral("FIRSTJOB")}));
    QCOMPARE(messageBox.shown.size(), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(messageBox.shown.first().title, QStringLiteral("Lexmire - Print Options"));
        QVERIFY2(messageBox.shown.first().text.contains(QDir::toNativeSeparators(first)),
                 qPrintable(messageBox.shown.first().text));
    }

    printer.printLine(QStringLiteral("SECONDJOB"));
    printer.endDocument();
    QCOMPARE(fileDialog.saves, 2);
    QCOMPARE(layoutText(second).simplified(), QStringLiteral("SECONDJOB"));
    QCOMPARE(messageBox.shown.size(), reported ? 1 : 0);
}

void TestQtTextPrinter::emptyJobAsksNothing()
{
    RecordingMessageBox messageBox;
    ScriptedFileDialog fileDialog;
    QtTextPrinter printer(messageBox, fileDialog);
    printer.endDocument();
    QCOMPARE(fileDialog.saves, 0);
    QVERIFY(messageBox.shown.isEmpty());
}

QTEST_MAIN(TestQtTextPrinter)
#include "tst_qt_text_printer.moc"
