#include "game/Seams.h"

#include <QTest>

#include <array>
#include <cmath>
#include <vector>

// The generator and clock the program plays with.
// Every roll reseeds from the time of day, so what counts is that seeds close
// together give unrelated numbers and that the first face after a reseed is as
// fair as any other.
class SystemRandomTest : public QObject {
    Q_OBJECT
private slots:
    void sameSeedSameNumbers() {
        XoshiroRandom random;
        random.reseed(43200.125);
        std::vector<float> first;
        for (int i = 0; i < 20; ++i) first.push_back(random.next());
        random.reseed(43200.125);
        for (int i = 0; i < 20; ++i) QCOMPARE(random.next(), first[size_t(i)]);
    }

    void nearbySeedsDiffer_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::newRow("a millisecond apart") << 43200.001 << 43200.002;
        QTest::newRow("midnight and just after") << 0.0 << 0.001;
        QTest::newRow("a second apart") << 100.0 << 101.0;
    }
    void nearbySeedsDiffer() {
        QFETCH(double, a);
        QFETCH(double, b);
        XoshiroRandom random;
        random.reseed(a);
        std::vector<float> fromA;
        for (int i = 0; i < 5; ++i) fromA.push_back(random.next());
        random.reseed(b);
        int equal = 0;
        for (int i = 0; i < 5; ++i) equal += random.next() == fromA[size_t(i)] ? 1 : 0;
        QCOMPARE(equal, 0);
    }

    // A long run: never outside [0, 1), every face about a sixth.
    void facesAreFair() {
        XoshiroRandom random;
        random.reseed(0.0); // the seed of the first roll after midnight
        constexpr int kDraws = 240'000;
        std::array<int, 6> counts{};
        for (int i = 0; i < kDraws; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++counts[size_t(std::floor(6.0f * r))];
        }
        for (int c : counts)
            QVERIFY2(std::abs(c - kDraws / 6) < kDraws / 100, qPrintable(QString::number(c)));
    }

    // The first face after each of many reseeds a millisecond apart, as a player
    // rolling again and again would see it.
    void firstFaceAfterReseedIsFair() {
        XoshiroRandom random;
        constexpr int kRolls = 60'000;
        std::array<int, 6> counts{};
        for (int k = 0; k < kRolls; ++k) {
            random.reseed(43200.0 + k * 0.001);
            ++counts[size_t(std::floor(6.0f * random.next()))];
        }
        for (int c : counts)
            QVERIFY2(std::abs(c - kRolls / 6) < kRolls / 60, qPrintable(QString::number(c)));
    }

    void clockReadings() {
        SystemClock clock;
        const int64_t first = clock.monotonicNanoseconds();
        const int64_t second = clock.monotonicNanoseconds();
        QVERIFY(second >= first);
        const double now = clock.secondsSinceMidnight();
        QVERIFY(now >= 0.0 && now < 86400.0);
    }
};

QTEST_APPLESS_MAIN(SystemRandomTest)
#include "SystemRandomTest.moc"
