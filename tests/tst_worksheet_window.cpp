// The worksheet window as first met, its pages as saved and printed, its choices kept between runs, the way back.
#include "pdf.h"
#include "print/worksheet_window.h"
#include "program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

class TestWorksheetWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> program;
    QList<PrintedWord> words;
    QList<QSizeF> pages;

    QWidget *sheet() const { return program->windows->frmWorksheet(); }
    void click(const char *button) const { ::click(sheet(), button); }
    // A puzzle of `list` in `width` x `height`, and on to its worksheet.
    void open(const QStringList &list, int width, int height)
    {
        program = std::make_unique<Program>();
        program->fakes.random.draws = spreadDraws(200000, 3);
        ::click(program->main(), "cmdWords");
        addWords(*program, list);
        ::click(program->editor(), "cmdBack");
        control<QScrollBar>(program->main(), "hsbLength")->setValue(width);
        control<QScrollBar>(program->main(), "vsbHeight")->setValue(height);
        ::click(program->main(), "cmdPrint");
        ::click(program->puzzle(), "cmdGenerate");
        ::click(program->puzzle(), "cmdPrint");
        ::click(program->print(), "cmdWorksheet");
        spoken();
    }
    // Saved (or printed) as a PDF file and read back, its words and pages kept; or the box that told why not.
    QString saved(const QString &name, const char *button = "cmdSavePdf")
    {
        program->fakes.saveAnswers << program->path(name);
        click(button);
        if (!program->fakes.shown.isEmpty())
            return program->fakes.shown.constLast();
        pages.clear();
        words = readBack(program->path(name), &pages);
        return printedText(program->path(name));
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // choices kept in a place of the tests' own
        QSettings().clear();
        if (!canReadPdfs())
            QSKIP("needs pdftotext, and no printer");
    }

    // First met: the focus in the title. As saved: title, instruction, Name and Date, the grid's letters, the words
    // (one given up left off unless asked for), the key, and the puzzle's number small at the foot of each page; or the
    // puzzle's page alone. A failed save is told. The choices outlive the program, the page's turn too; Print goes
    // through its dialog, where a cancel prints nothing; the title is text, never markup.
    void savedKeptAndPrinted()
    {
        const auto feet = [&] {
            return std::count_if(words.begin() + 1, words.end(), [&](const PrintedWord &w) {
                return w.text == u"1" && (&w - 1)->text == u"Puzzle" && w.height < words[0].height / 2
                    && w.y > pages[w.page].height() * 0.9;
            });
        };
        open({u"cat"_s, u"elephantine"_s}, 8, 6); // too long for 8 x 6
        QCOMPARE(sheet()->windowTitle() + u" | "_s + focused(), u"Lexmire - Worksheet | txtTitle"_s);
        control<QLineEdit>(sheet(), "txtInstruction")->setText(u"Find the words."_s);
        click("chkNameDate");
        QString text = saved(u"sheet.pdf"_s);
        static const QRegularExpression letter(u"\\b[A-Za-z]\\b"_s), capital(u"\\b[A-Z]\\b"_s);
        QVERIFY2(pages.size() == 2 && feet() == 2 && text.startsWith(u"Word Search Find the words. Name: "_s)
                     && text.contains(u" CAT "_s) && text.contains(u" Answer Key "_s)
                     && !text.contains(u"ELEPHANTINE"_s) && text.count(letter) == 2 * 48,
                 qPrintable(text));
        click("chkNotHidden"), click("chkAnswerKey"), click("chkLowerCase");
        control<QComboBox>(sheet(), "cboSize")->setCurrentIndex(1); // large print
        text = saved(u"sheet.pdf"_s);
        QVERIFY2(pages.size() == 1 && feet() == 1 && text.contains(u" cat "_s) && text.contains(u" elephantine"_s)
                     && !text.contains(u"Answer"_s) && text.count(letter) == 48 && text.count(capital) == 0,
                 qPrintable(text));
        QVERIFY(words.value(text.split(u' ').indexOf(u"cat"_s)).height >= 18 && words.first().height >= 27);
        QCOMPARE(saved(u"none/x.pdf"_s),
                 u"Lexmire - Worksheet|The PDF file \u2068%1\u2069 could not be saved:\r\nits "
                 "folder does not exist."_s.arg(program->path(u"none/x.pdf"_s)));
        control<QLineEdit>(sheet(), "txtTitle")->setText(u"Animals <b>2</b>"_s);
        control<QLineEdit>(sheet(), "txtTitle")->editingFinished();
        program->fakes.setUp = [](QPrinter &printer) { return printer.setPageOrientation(QPageLayout::Landscape); };
        click("cmdPageSetup");
        click("cmdBack");
        QVERIFY(program->print()->isVisible() && !sheet()->isVisible());
        open({u"cat"_s}, 15, 15);   // a fresh program
        click("cmdPrintWorksheet"); // cancelled: nothing said, nothing shown
        QCOMPARE(QList({int(program->fakes.shown.size()), int(spoken().size())}), QList({0, 0}));
        program->fakes.setUp = [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(program->path(u"printed.pdf"_s));
            return true;
        };
        QVERIFY(saved(u"printed.pdf"_s, "cmdPrintWorksheet").startsWith(u"Animals <b>2</b> "_s));
        QCOMPARE(QList({int(pages.size()), int(pages.value(0).width() > pages.value(0).height())}), QList({1, 1}));
    }
};

QTEST_MAIN(TestWorksheetWindow)
#include "tst_worksheet_window.moc"
