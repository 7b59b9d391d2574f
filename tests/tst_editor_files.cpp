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

#include <memory>

class TestEditorFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogsGetTheFilter();
    void save_data();
    void save();
    void load_data();
    void load();
    void roundTripAndSecondLoad();
    void cancel_data();
    void cancel();
    void failures_data();
    void failures();
    void sort_data();
    void sort();

private:
    EditorWindow *editor() { return program->windows->frmEdit(); }
    void add(const QString &text);
    void addAll(const QStringList &words);
    QStringList listed() const;
    QString path(const QString &name) const { return dir->filePath(name); }
    static void writeFile(const QString &file, const QByteArray &bytes);
    static QByteArray readFile(const QString &file);
    void tick() { QVERIFY(QMetaObject::invokeMethod(editor(), "tmralert_Timer")); }

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestEditorFiles::init()
{
    program = std::make_unique<TestProgram>();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QTest::mouseClick(program->windows->frmMain()->cmdWords, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(editor()));
}

void TestEditorFiles::cleanup()
{
    program.reset();
    dir.reset();
}

void TestEditorFiles::add(const QString &text)
{
    editor()->txtinput->setText(text);
    QTest::keyClick(editor()->txtinput, Qt::Key_Return);
}

void TestEditorFiles::addAll(const QStringList &words)
{
    for (const QString &word : words)
        add(word);
    QCOMPARE(listed(), words);
}

QStringList TestEditorFiles::listed() const
{
    QStringList rows;
    const QAbstractItemModel *model = program->windows->frmEdit()->lstWord->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(model->index(row, 0).data().toString());
    return rows;
}

void TestEditorFiles::writeFile(const QString &file, const QByteArray &bytes)
{
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
}

QByteArray TestEditorFiles::readFile(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return in.readAll();
}

void TestEditorFiles::dialogsGetTheFilter()
{
    program->fakes.fileDialog.saveAnswers.append(path(QStringLiteral("a.lx")));
    program->fakes.fileDialog.openAnswers.append(path(QStringLiteral("a.lx")));
    QTest::mouseClick(editor()->cmdSave, Qt::LeftButton);
    QTest::mouseClick(editor()->cmdLoad, Qt::LeftButton);
    QCOMPARE(program->fakes.fileDialog.saves, 1);
    QCOMPARE(program->fakes.fileDialog.opens, 1);
    const QString filter = QStringLiteral("All Files (*.*)|*.*|Lexmire Files (*.lx)|*.lx|Text Files (*.txt)|*.txt");
    QCOMPARE(program->fakes.fileDialog.filtersSeen, (QStringList{filter, filter}));
}

void TestEditorFiles::save_data()
{
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("oldBytes");
    QTest::addColumn<QByteArray>("expected");

    const QStringList catNewYork{QStringLiteral("CAT"), QStringLiteral("NEW YORK")};
    const QByteArray catNewYorkBytes("\x22\x43\x41\x54\x22\x0D\x0A"
                                     "\x22\x4E\x45\x57\x20\x59\x4F\x52\x4B\x22\x0D\x0A",
                                     19);
    QTest::newRow("CAT, NEW YORK") << catNewYork << QStringLiteral("words.lx") << QByteArray() << catNewYorkBytes;
    QTest::newRow("empty list") << QStringList() << QStringLiteral("empty.lx") << QByteArray() << QByteArray();
    QTest::newRow("no extension added") << QStringList{QStringLiteral("A  B")} << QStringLiteral("words")
                                        << QByteArray() << QByteArray("\"A  B\"\r\n");
    QTest::newRow("replaces a longer file")
        << QStringList{QStringLiteral("EMU")} << QStringLiteral("old.txt")
        << QByteArray("\"ANTELOPE\"\r\n\"BUFFALO\"\r\n\"CHAMELEON\"\r\n") << QByteArray("\"EMU\"\r\n");
    QTest::newRow("replaces with an empty list")
        << QStringList() << QStringLiteral("old.txt") << QByteArray("\"ANTELOPE\"\r\n") << QByteArray();
}

void TestEditorFiles::save()
{
    QFETCH(QStringList, list);
    QFETCH(QString, name);
    QFETCH(QByteArray, oldBytes);
    QFETCH(QByteArray, expected);

    addAll(list);
    if (!oldBytes.isEmpty())
        writeFile(path(name), oldBytes);
    // A refused word being typed: saving discards it and ends its alert.
    add(QStringLiteral("half9"));
    QVERIFY(editor()->tmralert->isActive());

    program->fakes.fileDialog.saveAnswers.append(path(name));
    QTest::mouseClick(editor()->cmdSave, Qt::LeftButton);

    QCOMPARE(readFile(path(name)), expected);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{name});
    QCOMPARE(listed(), list);
    QCOMPARE(editor()->txtinput->text(), QString());
    QVERIFY(!editor()->cmdadd->isEnabled());
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());
    QCOMPARE(editor()->lblnumber->text(), QString::number(list.size()));
}

void TestEditorFiles::load_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("empty line and a repeat")
        << QStringList() << QByteArray("cat\r\n\r\nDog\r\ncat\r\n")
        << QStringList{QStringLiteral("CAT"), QStringLiteral("DOG")};
    QTest::newRow("comma separates") << QStringList() << QByteArray("apple, pear\r\n")
                                     << QStringList{QStringLiteral("APPLE"), QStringLiteral("PEAR")};
    QTest::newRow("quoted comma refused") << QStringList() << QByteArray("\"apple, pear\"\r\n") << QStringList();
    QTest::newRow("numbers refused") << QStringList() << QByteArray("42\r\ncat\r\n7,dog\r\n")
                                     << QStringList{QStringLiteral("CAT"), QStringLiteral("DOG")};
    QTest::newRow("file order, not sorted") << QStringList() << QByteArray("zebra,ant\nbee\n")
                                            << QStringList{QStringLiteral("ZEBRA"), QStringLiteral("ANT"),
                                                           QStringLiteral("BEE")};
    QTest::newRow("NEW YORK quoted") << QStringList() << QByteArray("\"NEW YORK\"\r\n")
                                     << QStringList{QStringLiteral("NEW YORK")};
    QTest::newRow("NEW YORK unquoted") << QStringList() << QByteArray("NEW YORK\r\n")
                                       << QStringList{QStringLiteral("NEW YORK")};
    QTest::newRow("after the words already there")
        << QStringList{QStringLiteral("DOG")} << QByteArray("dog\r\nEMU\r\n")
        << QStringList{QStringLiteral("DOG"), QStringLiteral("EMU")};
    QTest::newRow("a refused last field does not stop the rest")
        << QStringList{QStringLiteral("ANT")} << QByteArray("bee\r\nant")
        << QStringList{QStringLiteral("ANT"), QStringLiteral("BEE")};
    QTest::newRow("empty file") << QStringList{QStringLiteral("ANT")} << QByteArray()
                                << QStringList{QStringLiteral("ANT")};
    QTest::newRow("accented byte refused") << QStringList() << QByteArray("caf\xe9\r\nowl\r\n")
                                           << QStringList{QStringLiteral("OWL")};
}

void TestEditorFiles::load()
{
    QFETCH(QStringList, before);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, after);

    addAll(before);
    writeFile(path(QStringLiteral("in.txt")), bytes);
    editor()->txtinput->setText(QStringLiteral("typed"));

    program->fakes.fileDialog.openAnswers.append(path(QStringLiteral("in.txt")));
    QTest::mouseClick(editor()->cmdLoad, Qt::LeftButton);

    QCOMPARE(listed(), after);
    QCOMPARE(editor()->words().entries(), after);
    QCOMPARE(editor()->lblnumber->text(), QString::number(after.size()));
    QCOMPARE(editor()->txtinput->text(), QString());
    QVERIFY(!editor()->cmdadd->isEnabled());
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());
}

void TestEditorFiles::roundTripAndSecondLoad()
{
    const QStringList words{QStringLiteral("NEW  YORK"), QStringLiteral("CAT"), QStringLiteral("A B C")};
    addAll(words);
    program->fakes.fileDialog.saveAnswers.append(path(QStringLiteral("list.lx")));
    QTest::mouseClick(editor()->cmdSave, Qt::LeftButton);
    QTest::mouseClick(editor()->cmdClear, Qt::LeftButton);
    QCOMPARE(listed(), QStringList());

    for (int i = 0; i < 2; ++i) {
        program->fakes.fileDialog.openAnswers.append(path(QStringLiteral("list.lx")));
        QTest::mouseClick(editor()->cmdLoad, Qt::LeftButton);
        QCOMPARE(listed(), words);
    }
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

    addAll({QStringLiteral("CAT"), QStringLiteral("DOG")});
    editor()->lstWord->selectionModel()->select(editor()->lstWord->model()->index(1, 0),
                                                QItemSelectionModel::ClearAndSelect);
    add(QStringLiteral("half9"));
    tick();
    tick();

    QTest::mouseClick(loading ? editor()->cmdLoad : editor()->cmdSave, Qt::LeftButton);

    QCOMPARE(loading ? program->fakes.fileDialog.opens : program->fakes.fileDialog.saves, 1);
    QCOMPARE(listed(), (QStringList{QStringLiteral("CAT"), QStringLiteral("DOG")}));
    QCOMPARE(editor()->txtinput->text(), QStringLiteral("half9"));
    QVERIFY(editor()->cmdDelete->isEnabled());
    // Not even a refresh: the alert blinks on where it was.
    QVERIFY(editor()->tmralert->isActive());
    QCOMPARE(editor()->lblalert->text(), QStringLiteral("You have an invalid character in the word you idiot!!"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

enum class Failure {
    MissingFile,
    FolderToLoad,
    UnterminatedQuote,
    OnlyUnterminatedQuote,
    SaveUnderAFile,
    SaveOverAFolder,
};
Q_DECLARE_METATYPE(Failure)

void TestEditorFiles::failures_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("input");

    const QStringList emu{QStringLiteral("EMU")};
    const QString typed = QStringLiteral("typed9");
    QTest::newRow("load, missing file") << Failure::MissingFile << QStringLiteral("missing.lx") << emu << typed;
    QTest::newRow("load, a folder") << Failure::FolderToLoad << QStringLiteral("folder.lx") << emu << typed;
    // The words before the error went through the input box; the last one was accepted and emptied it.
    QTest::newRow("load, quote runs past the end after words")
        << Failure::UnterminatedQuote << QStringLiteral("open.txt")
        << QStringList{QStringLiteral("EMU"), QStringLiteral("CAT"), QStringLiteral("OWL")} << QString();
    QTest::newRow("load, nothing but an open quote")
        << Failure::OnlyUnterminatedQuote << QStringLiteral("open.txt") << emu << typed;
    QTest::newRow("save, parent is a file") << Failure::SaveUnderAFile << QStringLiteral("words.lx") << emu << typed;
    QTest::newRow("save, path is a folder")
        << Failure::SaveOverAFolder << QStringLiteral("folder.lx") << emu << typed;
}

void TestEditorFiles::failures()
{
    QFETCH(Failure, failure);
    QFETCH(QString, name);
    QFETCH(QStringList, after);
    QFETCH(QString, input);

    QString target = path(name);
    switch (failure) {
    case Failure::MissingFile:
        break;
    case Failure::FolderToLoad:
    case Failure::SaveOverAFolder:
        QVERIFY(QDir(dir->path()).mkdir(name));
        break;
    case Failure::UnterminatedQuote:
        writeFile(target, QByteArray("cat\r\n42\r\nowl,\"dog\r\n"));
        break;
    case Failure::OnlyUnterminatedQuote:
        writeFile(target, QByteArray("  \"dog, cat\r\n"));
        break;
    case Failure::SaveUnderAFile:
        writeFile(path(QStringLiteral("plain")), QByteArray("not a folder"));
        target = path(QStringLiteral("plain/") + name);
        break;
    }
    const bool loading = failure == Failure::MissingFile || failure == Failure::FolderToLoad ||
                         failure == Failure::UnterminatedQuote || failure == Failure::OnlyUnterminatedQuote;

    add(QStringLiteral("emu"));
    // An alert part-way through: the report must start its own schedule afresh.
    add(QStringLiteral("typed9"));
    tick();
    tick();
    tick();

    if (loading) {
        program->fakes.fileDialog.openAnswers.append(target);
        QTest::mouseClick(editor()->cmdLoad, Qt::LeftButton);
    } else {
        program->fakes.fileDialog.saveAnswers.append(target);
        QTest::mouseClick(editor()->cmdSave, Qt::LeftButton);
    }

    const QString report = editor()->lblalert->text();
    QVERIFY2(report.contains(name), qPrintable(report));
    QVERIFY(editor()->tmralert->isActive());
    QCOMPARE(editor()->txtinput->text(), input);
    QCOMPARE(listed(), after);
    QCOMPARE(editor()->words().entries(), after);

    const QString expected[] = {QString(), report, QString(), report};
    for (const QString &text : expected) {
        tick();
        QCOMPARE(editor()->lblalert->text(), text);
        QVERIFY(editor()->tmralert->isActive());
    }
    tick();
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());

    if (failure == Failure::SaveUnderAFile)
        QCOMPARE(readFile(path(QStringLiteral("plain"))), QByteArray("not a folder"));
    if (failure == Failure::SaveOverAFolder)
        QVERIFY(QFileInfo(target).isDir());
}

void TestEditorFiles::sort_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("sorted");

    const QString dog = QStringLiteral("DOG"), cat = QStringLiteral("CAT"), newYork = QStringLiteral("NEW YORK"),
                  newark = QStringLiteral("NEWARK"), nw = QStringLiteral("NEW");
    const QStringList places{dog, cat, newYork, newark, nw};
    QTest::newRow("ascending 1st, places") << QStringLiteral("optascend1") << places
                                           << QStringList{cat, dog, nw, newYork, newark};
    QTest::newRow("ascending 2nd, places") << QStringLiteral("optascend2") << places
                                           << QStringList{cat, dog, nw, newark, newYork};
    QTest::newRow("ascending last, places") << QStringLiteral("optascendlast") << places
                                            << QStringList{cat, dog, nw, newark, newYork};
    QTest::newRow("descending 1st, places") << QStringLiteral("optdescend1") << places
                                            << QStringList{newark, newYork, nw, dog, cat};
    QTest::newRow("descending 2nd, places") << QStringLiteral("optdescend2") << places
                                            << QStringList{newYork, newark, nw, dog, cat};
    QTest::newRow("descending last, places") << QStringLiteral("optdescendlast") << places
                                             << QStringList{newYork, newark, nw, dog, cat};

    const QString bigCat = QStringLiteral("BIG CAT"), zebra = QStringLiteral("ZEBRA"),
                  nyc = QStringLiteral("NEW YORK CITY");
    const QStringList animals{bigCat, zebra, nyc, cat};
    const QStringList catFirst{cat, bigCat, zebra, nyc};
    QTest::newRow("ascending 1st, animals") << QStringLiteral("optascend1") << animals
                                            << QStringList{bigCat, cat, nyc, zebra};
    QTest::newRow("ascending 2nd, animals") << QStringLiteral("optascend2") << animals
                                            << QStringList{bigCat, cat, nyc, zebra};
    QTest::newRow("ascending 2nd, CAT first keeps its place")
        << QStringLiteral("optascend2") << catFirst << QStringList{cat, bigCat, nyc, zebra};
    QTest::newRow("ascending last, animals") << QStringLiteral("optascendlast") << animals
                                             << QStringList{bigCat, cat, nyc, zebra};
    QTest::newRow("descending 1st, animals") << QStringLiteral("optdescend1") << animals
                                             << QStringList{zebra, nyc, cat, bigCat};
    QTest::newRow("descending 2nd, animals") << QStringLiteral("optdescend2") << animals
                                             << QStringList{zebra, nyc, bigCat, cat};
    QTest::newRow("descending 2nd, CAT first") << QStringLiteral("optdescend2") << catFirst
                                               << QStringList{zebra, nyc, bigCat, cat};
    QTest::newRow("descending last, animals") << QStringLiteral("optdescendlast") << animals
                                              << QStringList{zebra, nyc, bigCat, cat};
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
    QVERIFY(button->isChecked());
    if (!list.isEmpty()) {
        editor()->lstWord->selectionModel()->select(editor()->lstWord->model()->index(0, 0),
                                                    QItemSelectionModel::ClearAndSelect);
        QVERIFY(editor()->cmdDelete->isEnabled());
    }
    add(QStringLiteral("x1"));
    QVERIFY(editor()->tmralert->isActive());

    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(editor()->cmdSort, Qt::LeftButton);
        QCOMPARE(listed(), sorted);
    }

    QCOMPARE(editor()->words().entries(), sorted);
    QVERIFY(!editor()->lstWord->selectionModel()->hasSelection());
    QVERIFY(!editor()->cmdDelete->isEnabled());
    QCOMPARE(editor()->lblnumber->text(), QString::number(sorted.size()));
    QCOMPARE(editor()->lblalert->text(), QString());
    QVERIFY(!editor()->tmralert->isActive());
    QVERIFY(button->isChecked());
    QCOMPARE(editor()->txtinput->text(), QStringLiteral("x1"));

    // The index follows the new order: each entry is still refused as a duplicate.
    for (const QString &word : sorted) {
        add(word.toLower());
        QCOMPARE(editor()->lblalert->text(), QStringLiteral("You already have that word in the list you idiot!!"));
    }
    QCOMPARE(listed(), sorted);
}

QTEST_MAIN(TestEditorFiles)
#include "tst_editor_files.moc"
