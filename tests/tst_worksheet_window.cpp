// The worksheet window: its choices, kept between runs; the preview, the
// printer and the PDF file drawn by one routine; the way back.
#include "pdf.h"
#include "print/worksheet_window.h"
#include "program.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
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

    QWidget *sheet() const { return program->windows->frmWorksheet(); }
    void click(const char *button) const { ::click(sheet(), button); }
    // A puzzle of `words` in `width` x `height`, and on to its worksheet.
    void open(const QStringList &words, int width, int height)
    {
        program = std::make_unique<Program>();
        program->fakes.random.draws = spreadDraws(200000, 3);
        ::click(program->main(), "cmdWords");
        addWords(*program, words);
        ::click(program->editor(), "cmdBack");
        control<QScrollBar>(program->main(), "hsbLength")->setValue(width);
        control<QScrollBar>(program->main(), "vsbHeight")->setValue(height);
        ::click(program->main(), "cmdPrint");
        ::click(program->puzzle(), "cmdGenerate");
        ::click(program->puzzle(), "cmdPrint");
        ::click(program->print(), "cmdWorksheet");
        spoken();
    }
    // Saved as a PDF file: its words, or the box that told why not.
    QString saved(const QString &name)
    {
        program->fakes.saveAnswers << program->path(name);
        click("cmdSavePdf");
        return program->fakes.shown.isEmpty() ? printedText(program->path(name)) : program->fakes.shown.constLast();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // choices kept in a place of the tests' own
        if (!canReadPdfs())
            QSKIP("needs pdftotext, and no printer");
    }
    void init() { QSettings().clear(); }
    void cleanup() { program.reset(); }

    // The first open: the choices at their start, the focus in the title,
    // every control named; back to the print window by button or title bar.
    void opening()
    {
        open({u"cat"_s, u"new york"_s}, 15, 15);
        QVERIFY(sheet()->isVisible() && !program->print()->isVisible());
        QCOMPARE(windowsMade(),
                 QStringList({u"frmDisplay"_s, u"frmEdit"_s, u"frmMain"_s, u"frmPrint"_s, u"frmWorksheet+"_s}));
        QCOMPARE(focused(), u"txtTitle"_s);
        QCOMPARE(sheet()->windowTitle(), u"Lexmire - Worksheet"_s);
        QCOMPARE(QList({control<QLineEdit>(sheet(), "txtTitle")->text(),
                        accessibleName(control<QWidget>(sheet(), "preview"))}),
                 QList({u"Word Search"_s, u"Preview, 2 pages"_s}));
        QCOMPARE(tabOrder(13),
                 QStringList({u"txtInstruction"_s, u"chkNameDate"_s, u"cboOrder"_s, u"cboSize"_s, u"chkLowerCase"_s,
                              u"chkNotHidden"_s, u"chkAnswerKey"_s, u"cmdPageSetup"_s, u"cmdPrintWorksheet"_s,
                              u"cmdSavePdf"_s, u"cmdBack"_s, u"previewPages"_s, u"txtTitle"_s}));
        QStringList unnamed;
        for (QWidget *control : sheet()->findChildren<QWidget *>())
            if (control->focusPolicy() & Qt::TabFocus && accessibleName(control).isEmpty())
                unnamed << control->objectName();
        QCOMPARE(unnamed.join(u' '), QString());
        QVERIFY(control<QCheckBox>(sheet(), "chkAnswerKey")->isChecked()
                && !control<QLabel>(sheet(), "lblLayout")->isVisible());
        control<QWidget>(sheet(), "cmdBack")->setFocus();
        press(Qt::Key_Return);
        QVERIFY(program->print()->isVisible() && !sheet()->isVisible());
        ::click(program->print(), "cmdWorksheet");
        closeFromTitleBar(sheet());
        QVERIFY(program->print()->isVisible() && !sheet()->isVisible());
    }

    // What the worksheet says, as printed: title, instruction, Name and Date,
    // the grid's letters, the words (a word given up left off unless asked
    // for), then the key; or just the puzzle's page.
    void printedPages()
    {
        open({u"cat"_s, u"elephantine"_s}, 8, 6); // too long for 8 x 6
        control<QLineEdit>(sheet(), "txtInstruction")->setText(u"Find the words."_s);
        ::click(sheet(), "chkNameDate");
        QList<QSizeF> pages;
        QString text = saved(u"sheet.pdf"_s);
        readBack(program->path(u"sheet.pdf"_s), &pages);
        QCOMPARE(pages.size(), 2);
        static const QRegularExpression letter(u"\\b[A-Za-z]\\b"_s);
        QVERIFY2(text.startsWith(u"Word Search Find the words. Name: "_s) && text.contains(u" CAT "_s)
                     && text.contains(u" Answer Key "_s) && !text.contains(u"ELEPHANTINE"_s)
                     && text.count(letter) == 2 * 48 && text.count(u"Puzzle 1"_s) == 2, // its number on each page
                 qPrintable(text));
        QCOMPARE(spoken(), QStringList({u"Saved the worksheet to \u2068sheet.pdf\u2069"_s}));
        ::click(sheet(), "chkNotHidden");
        ::click(sheet(), "chkAnswerKey");
        ::click(sheet(), "chkLowerCase");
        text = saved(u"sheet.pdf"_s);
        pages.clear();
        readBack(program->path(u"sheet.pdf"_s), &pages);
        QCOMPARE(pages.size(), 1);
        static const QRegularExpression capital(u"\\b[A-Z]\\b"_s);
        QVERIFY2(text.contains(u" cat "_s) && text.contains(u" elephantine"_s) && !text.contains(u"Answer"_s)
                     && text.count(letter) == 48 && text.count(capital) == 0 && text.endsWith(u"Puzzle 1"_s),
                 qPrintable(text));
    }

    // Large print gives the list and the title at least 18 pt.
    void largePrint()
    {
        open({u"cat"_s, u"dog"_s}, 15, 15);
        control<QComboBox>(sheet(), "cboSize")->setCurrentIndex(1);
        saved(u"large.pdf"_s);
        const QList<PrintedWord> words = readBack(program->path(u"large.pdf"_s));
        const auto cat
            = std::find_if(words.begin(), words.end(), [](const PrintedWord &w) { return w.text == u"CAT"; });
        QVERIFY(cat != words.end() && cat->height >= 18 && words.first().height >= 27);
    }

    // The choices outlive the window, and the program.
    void choicesAreKept()
    {
        open({u"cat"_s}, 15, 15);
        control<QLineEdit>(sheet(), "txtTitle")->setText(u"Animals <b>2</b>"_s);
        control<QLineEdit>(sheet(), "txtTitle")->editingFinished();
        control<QComboBox>(sheet(), "cboOrder")->setCurrentIndex(1);
        ::click(sheet(), "chkAnswerKey");
        open({u"cat"_s}, 15, 15); // a fresh program
        QCOMPARE(control<QLineEdit>(sheet(), "txtTitle")->text(), u"Animals <b>2</b>"_s);
        QCOMPARE(QList({control<QComboBox>(sheet(), "cboOrder")->currentIndex(),
                        int(control<QCheckBox>(sheet(), "chkAnswerKey")->isChecked())}),
                 QList({1, 0}));
        QVERIFY(saved(u"kept.pdf"_s).startsWith(u"Animals <b>2</b> "_s)); // text, never markup
    }

    // A grid too wide to share its page: the grid alone, and the window says so.
    void gridAlone()
    {
        open({u"cat"_s, u"dog"_s}, 40, 12);
        QVERIFY(control<QLabel>(sheet(), "lblLayout")->isVisible());
        QVERIFY(control<QLabel>(sheet(), "lblLayout")->text().startsWith(u"The grid has a page of its own"_s));
        QCOMPARE(accessibleName(control<QWidget>(sheet(), "preview")), u"Preview, 3 pages"_s);
    }

    // Page Setup and Print go through their dialogs; a cancel changes nothing.
    void pageSetupAndPrint()
    {
        open({u"cat"_s}, 15, 15);
        FakePlatform &fakes = program->fakes;
        click("cmdPageSetup"); // cancelled
        fakes.setUp = [](QPrinter &printer) { return printer.setPageOrientation(QPageLayout::Landscape); };
        click("cmdPageSetup");
        fakes.setUp = [this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(program->path(u"printed.pdf"_s));
            return true;
        };
        click("cmdPrintWorksheet");
        QList<QSizeF> pages;
        readBack(program->path(u"printed.pdf"_s), &pages);
        QCOMPARE(QList({int(pages.size()), int(pages.value(0).width() > pages.value(0).height())}), QList({2, 1}));
        QCOMPARE(fakes.dialogs, QStringList({u"page setup"_s, u"page setup"_s, u"printer"_s}));
        QCOMPARE(QSettings().value(u"worksheet/landscape"_s).toBool(), true);
        fakes.setUp = nullptr;
        click("cmdPrintWorksheet"); // cancelled: nothing said, nothing shown
        QCOMPARE(fakes.shown, QStringList());
    }

    // A save goes the design's way: a cancel does nothing, a failure is told
    // and leaves no file.
    void saveFailures()
    {
        open({u"cat"_s}, 15, 15);
        click("cmdSavePdf");
        QCOMPARE(program->fakes.dialogs.constLast(), u"PDF Files (*.pdf)|*.pdf|Save the Worksheet as a PDF File|pdf"_s);
        QCOMPARE(QList({int(program->fakes.shown.size()), int(spoken().size())}), QList({0, 0}));
        QCOMPARE(saved(u"none/x.pdf"_s),
                 u"Lexmire - Worksheet|The PDF file \u2068%1\u2069 could not be saved:\r\nits "
                 "folder does not exist."_s.arg(program->path(u"none/x.pdf"_s)));
    }
};

QTEST_MAIN(TestWorksheetWindow)
#include "tst_worksheet_window.moc"
