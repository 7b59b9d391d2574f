#include "app/main_window.h"
#include "editor/editor_window.h"
#include "window_test.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using Step = std::function<void()>;
Q_DECLARE_METATYPE(Step)

namespace {

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromLatin1(text));
    return result;
}

void writeFile(const QString &file, const QByteArray &bytes)
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
}

} // namespace

class TestEditorFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { program.reset(); dir.reset(); }

    void transfer_data();
    void transfer();
    void cancel_data();
    void cancel();
    void failures_data();
    void failures();
    void sort_data();
    void sort();

private:
    EditorWindow *editor() { return program->windows->frmEdit(); }
    QString path(const QString &name) const { return dir->filePath(name); }
    void tick() { QVERIFY(QMetaObject::invokeMethod(editor(), "tmralert_Timer")); }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void useDialog(bool loading, const QString &answer);
    void add(const QString &text);
    void addAll(const QStringList &words) { for (const QString &word : words) add(word); }
    QStringList listed() { return editor()->words().entries(); }
    QStringList folder();

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestEditorFiles::init()
{
    program = std::make_unique<TestProgram>();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    click(program->windows->frmMain()->cmdWords);
    QVERIFY(QTest::qWaitForWindowExposed(editor()));
}

// Load or save, the dialog answering with the path given; an empty one is a cancel.
void TestEditorFiles::useDialog(bool loading, const QString &answer)
{
    ScriptedFileDialog &dialog = program->fakes.fileDialog;
    (loading ? dialog.openAnswers : dialog.saveAnswers).append(answer);
    click(loading ? editor()->cmdLoad : editor()->cmdSave);
}

void TestEditorFiles::add(const QString &text)
{
    editor()->txtinput->setText(text);
    QTest::keyClick(editor()->txtinput, Qt::Key_Return);
}

// Every entry of the test folder: a file as its name and bytes, a folder as its name and "/".
QStringList TestEditorFiles::folder()
{
    QStringList entries;
    for (const QFileInfo &info : QDir(dir->path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        if (info.isDir() || !file.open(QIODevice::ReadOnly))
            entries.append(info.fileName() + QLatin1Char('/'));
        else
            entries.append(info.fileName() + QLatin1Char('=') + QString::fromLatin1(file.readAll()));
    }
    return entries;
}

void TestEditorFiles::transfer_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QByteArray>("fileBefore");
    QTest::addColumn<bool>("loading");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QByteArray>("fileAfter");

    const QStringList catNewYork = list({"CAT", "NEW YORK"});
    const QByteArray catNewYorkBytes = QByteArray::fromHex("22434154220D0A224E455720594F524B220D0A");
    const QByteArray refusals("zebra\r\n\r\n42,caf\xe9,emu\r\nant\r\nZebra");
    const QByteArray quoted("\"apple, pear\",\"NEW YORK\"\nold york\n");
    QTest::newRow("save CAT, NEW YORK") << catNewYork << QByteArray() << false << catNewYork << catNewYorkBytes;
    QTest::newRow("save an empty list over a longer file")
        << QStringList() << QByteArray("\"ANTELOPE\"\r\n\"BUFFALO\"\r\n") << false << QStringList() << QByteArray("");
    QTest::newRow("load what was saved") << QStringList() << catNewYorkBytes << true << catNewYork << catNewYorkBytes;
    // In file order; refused fields (the last one too) stop nothing.
    QTest::newRow("load with refusals") << list({"EMU"}) << refusals << true << list({"EMU", "ZEBRA", "ANT"})
                                        << refusals;
    QTest::newRow("load a quoted comma, NEW YORK quoted and not")
        << QStringList() << quoted << true << list({"NEW YORK", "OLD YORK"}) << quoted;
    QTest::newRow("load 0 bytes") << list({"ANT"}) << QByteArray("") << true << list({"ANT"}) << QByteArray("");
}

void TestEditorFiles::transfer()
{
    QFETCH(QStringList, before);
    QFETCH(QByteArray, fileBefore);
    QFETCH(bool, loading);
    QFETCH(QStringList, after);
    QFETCH(QByteArray, fileAfter);

    addAll(before);
    if (!fileBefore.isNull())
        writeFile(path(QStringLiteral("words")), fileBefore);
    // A refused word being typed: both discard it and end its alert.
    add(QStringLiteral("half9"));

    useDialog(loading, path(QStringLiteral("words")));

    QCOMPARE(listed(), after);
    // Exactly these bytes, under exactly the name chosen, and nothing else.
    QCOMPARE(folder(), QStringList{QStringLiteral("words=") + QString::fromLatin1(fileAfter)});
    QCOMPARE(editor()->txtinput->text(), QString());
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());
}

void TestEditorFiles::cancel_data()
{
    QTest::addColumn<bool>("loading");
    QTest::newRow("load") << true;
    QTest::newRow("save") << false;
}

void TestEditorFiles::cancel()
{
    QFETCH(bool, loading);

    addAll(list({"CAT", "DOG"}));
    add(QStringLiteral("half9"));
    tick();
    tick();

    useDialog(loading, QString());

    QCOMPARE(program->fakes.fileDialog.filtersSeen,
             QStringList{QStringLiteral("All Files (*.*)|*.*|Lexmire Files (*.lx)|*.lx|Text Files (*.txt)|*.txt")});
    QCOMPARE(listed(), list({"CAT", "DOG"}));
    QCOMPARE(editor()->txtinput->text(), QStringLiteral("half9"));
    // Not even a refresh: the alert blinks on where it was.
    QVERIFY(editor()->tmralert->isActive());
    QCOMPARE(editor()->lblalert->text(), QStringLiteral("You have an invalid character in the word you idiot!!"));
    QCOMPARE(folder(), QStringList());
}

void TestEditorFiles::failures_data()
{
    QTest::addColumn<bool>("loading");
    QTest::addColumn<Step>("prepare");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("input");

    // An empty reason: whatever the system says.
    const auto row = [](const char *name, bool loading, const Step &prepare, const char *target,
                        const QString &reason = {}, const QStringList &after = list({"EMU"}),
                        const QString &input = QStringLiteral("typed9")) {
        QTest::newRow(name) << loading << prepare << QString::fromLatin1(target) << reason << after << input;
    };
    const Step makeFolder = [this] { QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.lx"))); };
    row("load, missing file", true, [] {}, "missing.lx");
    row("load, a folder", true, makeFolder, "folder.lx");
    // The words before the error went through the input box; the last one was accepted and emptied it.
    row("load, quote runs past the end", true,
        [this] { writeFile(path(QStringLiteral("open.txt")), "cat\r\n42\r\nowl,\"dog\r\n"); }, "open.txt",
        QStringLiteral("a quoted word runs past the end of the file"), list({"EMU", "CAT", "OWL"}), QString());
    row("save, under a regular file", false, [this] { writeFile(path(QStringLiteral("plain")), "not a folder"); },
        "plain/words.lx");
    row("save, over a folder", false, makeFolder, "folder.lx");
}

void TestEditorFiles::failures()
{
    QFETCH(bool, loading);
    QFETCH(Step, prepare);
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QFETCH(QStringList, after);
    QFETCH(QString, input);

    prepare();
    const QStringList files = folder();
    add(QStringLiteral("emu"));
    // An alert part-way through: the report must start its own schedule afresh.
    add(QStringLiteral("typed9"));
    tick();
    tick();
    tick();

    useDialog(loading, path(target));

    const QString report = editor()->lblalert->text();
    const QString start = (loading ? QStringLiteral("Could not load ") : QStringLiteral("Could not save "))
                          + QFileInfo(target).fileName() + QStringLiteral(": ");
    QVERIFY2(report.startsWith(start) && report.size() > start.size(), qPrintable(report));
    if (!reason.isEmpty())
        QCOMPARE(report, start + reason);
    QCOMPARE(editor()->txtinput->text(), input);
    QCOMPARE(listed(), after);
    QCOMPARE(folder(), files);

    QCOMPARE(blinkToEnd(editor()), (QStringList{QString(), report, QString(), report, QString()}));
}

void TestEditorFiles::sort_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("sorted");

    // Every order differs here; WILD CAT and BIG CAT tie on both keys.
    const QStringList words = list({"NEW YORK CITY", "WILD CAT", "ZEBRA", "A DOG", "BIG CAT"});
    const auto row = [&](const char *option, std::initializer_list<const char *> sorted) {
        QTest::newRow(option) << QString::fromLatin1(option) << words << list(sorted);
    };
    row("optascend1", {"A DOG", "BIG CAT", "NEW YORK CITY", "WILD CAT", "ZEBRA"});
    row("optascend2", {"WILD CAT", "BIG CAT", "A DOG", "NEW YORK CITY", "ZEBRA"});
    row("optascendlast", {"WILD CAT", "BIG CAT", "NEW YORK CITY", "A DOG", "ZEBRA"});
    row("optdescend1", {"ZEBRA", "WILD CAT", "NEW YORK CITY", "BIG CAT", "A DOG"});
    row("optdescend2", {"ZEBRA", "NEW YORK CITY", "A DOG", "BIG CAT", "WILD CAT"});
    row("optdescendlast", {"ZEBRA", "A DOG", "NEW YORK CITY", "BIG CAT", "WILD CAT"});
    QTest::newRow("empty list") << QStringLiteral("optdescend2") << QStringList() << QStringList();
}

void TestEditorFiles::sort()
{
    QFETCH(QString, option);
    QFETCH(QStringList, list);
    QFETCH(QStringList, sorted);

    addAll(list);
    auto *button = editor()->findChild<QRadioButton *>(option);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    editor()->lstWord->selectionModel()->select(editor()->lstWord->model()->index(0, 0),
                                                QItemSelectionModel::ClearAndSelect);
    add(QStringLiteral("x1"));

    // Twice in a row: a sorted list stays as it is.
    for (int round = 0; round < 2; ++round) {
        click(editor()->cmdSort);
        QCOMPARE(listed(), sorted);
    }
    QVERIFY(!editor()->lstWord->selectionModel()->hasSelection());
    QVERIFY(!editor()->cmdDelete->isEnabled());
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());

    // The index follows the new order: each entry is still refused as a duplicate.
    for (const QString &word : sorted) {
        add(word.toLower());
        QCOMPARE(editor()->lblalert->text(), QStringLiteral("You already have that word in the list you idiot!!"));
    }
    QCOMPARE(listed(), sorted);
}

QTEST_MAIN(TestEditorFiles)
#include "tst_editor_files.moc"
