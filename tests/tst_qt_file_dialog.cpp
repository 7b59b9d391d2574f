#include "platform/file_dialog.h"

#include <QTest>

class TestQtFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void nameFilters_data();
    void nameFilters();
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

QTEST_GUILESS_MAIN(TestQtFileDialog)
#include "tst_qt_file_dialog.moc"
