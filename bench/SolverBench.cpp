// The strategy engine: how long the whole game's value table takes to build
// (on every core, beside one thread as the reference) and how much memory it
// takes, how long one full position query takes, and a seeded simulation of
// solitaire games of perfect play whose mean final score must agree with what
// the table expects for an empty card. The casual strength plays the same dice
// streams for comparison.
//
// Exit status: 0 when every target is met, 1 when one is missed.

#include "game/Advisor.h"
#include "game/ValueTable.h"

#include "support/SoloGame.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kBuildTargetSeconds = 5.0;
constexpr double kMemoryTargetRatio = 1.25; // peak growth against the table's own size
constexpr double kDecisionTargetMs = 1.0;
constexpr double kSimulationTolerance = 0.5; // points between the mean and the table
constexpr int kDefaultGames = 100'000;
constexpr int kQueries = 20'000;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The peak resident size so far, in KiB (VmHWM).
long peakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

double buildSeconds(int threads, ValueTable& table) {
    const auto start = Clock::now();
    table.build(nullptr, threads);
    return secondsSince(start);
}

// A position drawn at random: any used categories but not all, any upper sum,
// any dice, any rolls left.
Position randomPosition(std::mt19937& random) {
    std::uniform_int_distribution<int> used(0, ValueTable::kAllCategories - 1);
    std::uniform_int_distribution<int> upper(0, ValueTable::kUpperGoal);
    std::uniform_int_distribution<int> face(1, 6);
    std::uniform_int_distribution<int> rolls(0, Position::kBeforeFirstRoll);
    Position p;
    p.used = uint16_t(used(random));
    p.upperSum = upper(random);
    for (int& d : p.dice) d = face(random);
    p.rollsLeft = rolls(random);
    return p;
}

struct Tally {
    long long sum = 0;
    long long squares = 0;
    long long games = 0;
    void add(int score) {
        sum += score;
        squares += 1LL * score * score;
        ++games;
    }
    void merge(const Tally& other) {
        sum += other.sum;
        squares += other.squares;
        games += other.games;
    }
    double mean() const { return double(sum) / double(games); }
    double deviation() const {
        const double m = mean();
        return std::sqrt(std::max(0.0, double(squares) / double(games) - m * m));
    }
};

// Game g of each strength draws its dice from a generator seeded with g, so
// both strengths see the same stream of faces.
void simulate(const Advisor& advisor, int games, Tally& perfect, Tally& casual) {
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<Tally> perfectBy(static_cast<size_t>(threads));
    std::vector<Tally> casualBy(static_cast<size_t>(threads));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&, t] {
            for (int g = t; g < games; g += threads) {
                for (Strength strength : {Strength::Perfect, Strength::Casual}) {
                    std::mt19937 random(uint32_t(g) + 1);
                    std::uniform_int_distribution<int> face(1, 6);
                    SoloGame game(advisor, strength, [&] { return face(random); });
                    auto& tally = strength == Strength::Perfect ? perfectBy : casualBy;
                    tally[size_t(t)].add(game.play());
                }
            }
        });
    for (auto& thread : pool) thread.join();
    for (int t = 0; t < threads; ++t) {
        perfect.merge(perfectBy[size_t(t)]);
        casual.merge(casualBy[size_t(t)]);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultGames;
    bool allMet = true;

    // Memory first, while the process holds nothing else of size.
    const long before = peakKiB();
    ValueTable table;
    const double seconds = buildSeconds(0, table);
    const double grownMiB = double(peakKiB() - before) / 1024.0;
    const double tableMiB = double(table.bytes()) / (1024.0 * 1024.0);

    ValueTable single;
    const double singleSeconds = buildSeconds(1, single);
    const bool sameTable = single.future(0, 0) == table.future(0, 0);

    const bool buildMet = seconds <= kBuildTargetSeconds && sameTable;
    allMet = allMet && buildMet;
    std::printf("table      %7.2f s    one thread %7.2f s   ratio %.2f   target <= %.1f s   %s\n",
                seconds, singleSeconds, seconds / singleSeconds, kBuildTargetSeconds,
                buildMet ? "met" : "MISSED");
    std::printf("%-10s (the whole game on %u threads; both tables %s)\n", "",
                std::max(1u, std::thread::hardware_concurrency()),
                sameTable ? "agree" : "DISAGREE");
    const bool memoryMet = grownMiB <= kMemoryTargetRatio * tableMiB;
    allMet = allMet && memoryMet;
    std::printf("table mem  %7.1f MiB  table %7.1f MiB    ratio %.2f   target <= %.2f   %s\n",
                grownMiB, tableMiB, grownMiB / tableMiB, kMemoryTargetRatio,
                memoryMet ? "met" : "MISSED");
    std::printf("%-10s (growth of the peak resident size while building)\n", "");

    const Advisor advisor(&table);
    std::mt19937 random(7);
    std::vector<Position> positions;
    for (int i = 0; i < kQueries; ++i) positions.push_back(randomPosition(random));
    double checksum = 0.0;
    const auto start = Clock::now();
    for (const Position& p : positions) {
        const auto choices = advisor.choices(p, Strength::Perfect);
        checksum += choices.empty() ? 0.0 : choices.front().value;
    }
    const double decisionMs = secondsSince(start) * 1000.0 / kQueries;
    const bool decisionMet = decisionMs <= kDecisionTargetMs && std::isfinite(checksum);
    allMet = allMet && decisionMet;
    std::printf("decision   %7.3f ms                          target <= %.1f ms  %s\n", decisionMs,
                kDecisionTargetMs, decisionMet ? "met" : "MISSED");
    std::printf("%-10s (every choice's value at %d random positions, one at a time)\n", "",
                kQueries);

    const double expected = table.future(0, 0);
    Tally perfect, casual;
    const auto simStart = Clock::now();
    simulate(advisor, games, perfect, casual);
    const double simSeconds = secondsSince(simStart);
    const double gap = perfect.mean() - expected;
    const bool simMet = std::abs(gap) <= kSimulationTolerance;
    allMet = allMet && simMet;
    std::printf("perfect    %7.2f pts  table %7.2f pts    gap %+.2f   target |gap| <= %.1f  %s\n",
                perfect.mean(), expected, gap, kSimulationTolerance, simMet ? "met" : "MISSED");
    std::printf("%-10s (%lld solitaire games, standard deviation %.2f, standard error %.2f)\n", "",
                perfect.games, perfect.deviation(),
                perfect.deviation() / std::sqrt(double(perfect.games)));
    std::printf("casual     %7.2f pts  (same dice streams, standard deviation %.2f; %.1f s for "
                "both strengths)\n",
                casual.mean(), casual.deviation(), simSeconds);
    return allMet ? 0 : 1;
}
