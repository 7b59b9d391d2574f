#include "platform/random_source.h"
#include "scripted_random.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestRandomSource : public QObject
{
    Q_OBJECT

private slots:
    void wholeNumbers_data();
    void wholeNumbers();
    void letters_data();
    void letters();
    void clockSourceStaysBelowOne();
    void sameSeedSameSequence();
};

// The largest float below 1: floor(r * n + 1) in float arithmetic can round to n + 1.
static const float justBelowOne = std::nextafter(1.0f, 0.0f);

void TestRandomSource::wholeNumbers_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero gives 1") << 0.0f << 100 << 1;
    QTest::newRow("just below one gives n") << justBelowOne << 100 << 100;
    QTest::newRow("just below one, n = 8") << justBelowOne << 8 << 8;
    QTest::newRow("just below one, n = 3") << justBelowOne << 3 << 3;
    QTest::newRow("half of 10") << 0.5f << 10 << 6;
    QTest::newRow("slice edge") << 0.25f << 8 << 3;
}

void TestRandomSource::wholeNumbers()
{
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, expected);
    ScriptedRandom random({r});
    QCOMPARE(drawWhole(random, n), expected);
}

void TestRandomSource::letters_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<char>("expected");
    QTest::newRow("zero") << 0.0f << 'A';
    QTest::newRow("just below one") << justBelowOne << 'Z';
    QTest::newRow("middle") << 0.5f << 'N';
    QTest::newRow("just below 1/26") << std::nextafter(1.0f / 26, 0.0f) << 'A';
}

void TestRandomSource::letters()
{
    QFETCH(float, r);
    QFETCH(char, expected);
    ScriptedRandom random({r});
    QCOMPARE(drawLetter(random), expected);
}

void TestRandomSource::clockSourceStaysBelowOne()
{
    ClockSeededRandom random;
    double sum = 0;
    const int draws = 200000;
    for (int i = 0; i < draws; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        sum += r;
    }
    // A gross bias check only (the mean of 200,000 uniform draws is 0.5 +- 0.002).
    QVERIFY(std::abs(sum / draws - 0.5) < 0.01);
}

void TestRandomSource::sameSeedSameSequence()
{
    ClockSeededRandom a;
    ClockSeededRandom b;
    a.reseed(45296.25);
    b.reseed(45296.25);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(a.next(), b.next());
    b.reseed(45296.5);
    bool differs = false;
    a.reseed(45296.25);
    for (int i = 0; i < 10; ++i)
        differs = differs || a.next() != b.next();
    QVERIFY2(differs, "a different time of day must give a different sequence");
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_random_source.moc"
