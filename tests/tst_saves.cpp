// Saves that fail part-way, as on a full disk: the user is told, and an
// existing file is byte for byte what it was, or a new one is not there.
#include "editor/editor_window.h"
#include "platform/qt_text_printer.h"
#include "window_test.h"
#include "word_lists.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// Runs `save` with files limited to `bytes`: a limit stops even root, the way
// a full disk would, part-way through.
bool underFileSizeLimit(rlim_t bytes, const std::function<void()> &save)
{
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    rlimit tight = saved;
    tight.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = setrlimit(RLIMIT_FSIZE, &tight) == 0;
    if (limited)
        save();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return limited;
}

// A job whose PDF is about `rows` times larger than a one-line one.
QStringList job(int rows)
{
    QStringList lines{QStringLiteral("Puzzle"), QString()};
    for (const QString &row : distinctEntries(rows, 7, EntryShape{1, 1, 40, 40}))
        lines.append(row);
    return lines;
}

qsizetype pdfSize(const QStringList &lines)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QtTextPrinter::render(writer, lines, QStringLiteral("Ms Sans Serif"));
    }
    return buffer.size();
}

} // namespace

class TestSaves : public QObject
{
    Q_OBJECT

private slots:
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void markupInNamesIsShownAsText();
};

void TestSaves::failedSaveChangesNothing_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("amount"); // words, or PDF rows
    // Below and above the 16 KiB that Qt buffers before it writes.
    for (const bool pdf : {false, true}) {
        for (const bool existing : {true, false}) {
            for (const int amount : {pdf ? 2 : 600, pdf ? 400 : 5000}) {
                const QByteArray name = QByteArray(pdf ? "PDF" : "word list") + (existing ? " over a file" : " as new")
                    + (amount < 1000 && (pdf ? amount < 100 : true) ? ", small" : ", large");
                QTest::newRow(name.constData()) << pdf << existing << amount;
            }
        }
    }
}

void TestSaves::failedSaveChangesNothing()
{
    QFETCH(bool, pdf);
    QFETCH(bool, existing);
    QFETCH(int, amount);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(pdf ? QStringLiteral("puzzle.pdf") : QStringLiteral("words.lx"));
    const QByteArray old("\"OLD\"\r\n");
    if (existing) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }

    TestProgram program;
    QString reported;
    if (pdf) {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer exists: jobs would go to paper, not to a PDF file");
        const QStringList lines = job(amount);
        const qsizetype size = pdfSize(lines);
        QVERIFY(size > 1024);
        QtTextPrinter printer(program.fakes.messageBox, program.fakes.fileDialog);
        program.fakes.fileDialog.saveAnswers = {target};
        for (const QString &line : lines)
            printer.printLine(line);
        QVERIFY(underFileSizeLimit(rlim_t(size / 2), [&] { printer.endDocument(); }));
        QCOMPARE(program.fakes.fileDialog.titlesSeen,
                 QStringList{QStringLiteral("No Printer Found - Save the Job as a PDF File")});
        QCOMPARE(program.fakes.fileDialog.suffixesSeen, QStringList{QStringLiteral("pdf")});
        QCOMPARE(program.fakes.messageBox.shown.size(), 1);
        QCOMPARE(program.fakes.messageBox.shown.first().title, QStringLiteral("Lexmire - Print Options"));
        reported = program.fakes.messageBox.shown.first().text;
        QVERIFY2(reported.startsWith(QStringLiteral("The PDF file %1 could not be saved:\r\n").arg(target)),
                 qPrintable(reported));
    } else {
        EditorWindow *editor = program.windows->frmEdit();
        const QStringList words = distinctEntries(amount, 3);
        enterWords(*program.windows, words);
        QCOMPARE(editor->words().size(), amount);
        editor->txtinput->setText(QStringLiteral("typed"));
        program.fakes.fileDialog.saveAnswers = {target};
        const qsizetype size = amount * (words.first().size() + 4);
        QVERIFY(underFileSizeLimit(rlim_t(size / 2), [&] { QMetaObject::invokeMethod(editor, "cmdSave_Click"); }));
        QCOMPARE(program.fakes.fileDialog.suffixesSeen, QStringList{QString()});
        reported = editor->lblalert->text();
        QVERIFY2(reported.startsWith(QStringLiteral("Could not save words.lx: ")), qPrintable(reported));
        QVERIFY(editor->tmralert->isActive());
        QCOMPARE(editor->txtinput->text(), QStringLiteral("typed"));
    }

    QFile file(target);
    if (existing) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    } else {
        QVERIFY2(!file.exists(), "a failed save left a new file behind");
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), existing ? 1 : 0);
}

// A file name is text, never markup: a tag must neither vanish nor make the
// box fetch an image.
void TestSaves::markupInNamesIsShownAsText()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = QStringLiteral("<h1><font color=blue>HUGE%1<img src=x>.lx").arg(QString(80, QLatin1Char('x')));
    QVERIFY(QDir(dir.path()).mkdir(name)); // saving over a folder fails

    TestProgram program;
    EditorWindow *editor = program.windows->frmEdit();
    program.fakes.fileDialog.saveAnswers = {dir.filePath(name)};
    QMetaObject::invokeMethod(editor, "cmdSave_Click");
    const QString full = QStringLiteral("Could not save ") + name + QStringLiteral(": it is a folder");
    const QString shown = editor->lblalert->text();
    QCOMPARE(editor->lblalert->textFormat(), Qt::PlainText);
    // Too long for the line: the name gives way in its middle, the reason stays.
    QVERIFY2(shown.startsWith(QStringLiteral("Could not save <h1><font")) && shown.contains(QChar(0x2026))
                 && shown.endsWith(QStringLiteral("img src=x>.lx: it is a folder")),
             qPrintable(shown));
    QVERIFY(editor->fontMetrics().horizontalAdvance(shown) <= editor->lblalert->width());
    QCOMPARE(editor->lblalert->toolTip(), full.toHtmlEscaped());
    blinkToEnd(editor);
    QCOMPARE(editor->lblalert->toolTip(), QString());

    // The message box of a failed print shows the same kind of text as text.
    Qt::TextFormat format = Qt::RichText;
    QString boxText;
    QTimer::singleShot(0, editor, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            format = box->textFormat();
            boxText = box->text();
            box->accept();
        }
    });
    QtMessageBox().show(full, QStringLiteral("Lexmire - Print Options"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(boxText, full);
}

QTEST_MAIN(TestSaves)
#include "tst_saves.moc"
