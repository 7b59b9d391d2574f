#include "platform/file_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestQtFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void nameFilters_data();
    void nameFilters();
    void overwriteQuestion_data();
    void overwriteQuestion();
};

void TestQtFileDialog::nameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("word-list files")
        << QStringLiteral("All Files (*.*)|*.*|Lexmire Files (*.lx)|*.lx|Text Files (*.txt)|*.txt")
        << QStringList{QStringLiteral("All Files (*)"), QStringLiteral("Lexmire Files (*.lx)"),
                       QStringLiteral("Text Files (*.txt)")};
    QTest::newRow("PDF") << QStringLiteral("PDF Files (*.pdf)|*.pdf") << QStringList{QStringLiteral("PDF Files (*.pdf)")};
}

void TestQtFileDialog::nameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, names);
    QCOMPARE(QtFileDialog::nameFilters(filter), names);
}

void TestQtFileDialog::overwriteQuestion_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("replace");
    const QString existing = QStringLiteral("<h1><img src=x>HUGE.pdf");
    // The question is about the name that will be written, suffix and all.
    QTest::newRow("suffix added, replaced") << QStringLiteral("<h1><img src=x>HUGE") << QStringLiteral("pdf") << true;
    QTest::newRow("full name, kept") << existing << QString() << false;
}

// Asked with the name as text, never markup; "No" goes back to the dialog.
void TestQtFileDialog::overwriteQuestion()
{
    QFETCH(QString, typed);
    QFETCH(QString, suffix);
    QFETCH(bool, replace);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("<h1><img src=x>HUGE.pdf"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QString question;
    Qt::TextFormat format = Qt::RichText;
    bool backInDialog = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setDirectory(dir.path());
        dialog->selectFile(typed);
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                question = box->text();
                format = box->textFormat();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        static_cast<QDialog *>(dialog)->accept();
        backInDialog = dialog->isVisible();
        if (backInDialog)
            dialog->reject();
    });
    QtFileDialog dialogs;
    const QString chosen = dialogs.saveFile(nullptr, QStringLiteral("PDF Files (*.pdf)|*.pdf"), QString(), suffix);

    QCOMPARE(question, QStringLiteral("<h1><img src=x>HUGE.pdf already exists.\nDo you want to replace it?"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(backInDialog, !replace);
    QCOMPARE(chosen, replace ? existing : QString());
}

QTEST_MAIN(TestQtFileDialog)
#include "tst_qt_file_dialog.moc"
