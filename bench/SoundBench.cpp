// The delay from a play call to the sound's first samples at the sound
// server, measured through the server the bench started (PULSE_SERVER) on
// the monitor of its null sink.
//
//     SoundBench <sink name> [--runs N]
//
// A sample's time at the server is taken as when the 5 ms fragment of the
// recording that holds it arrived here: the sink hands its monitor what it
// mixes as it mixes it, so this is an upper bound, late by up to a fragment.
// The first sound includes connecting to the server, which it starts; the
// others are the median over N sounds, each started after a pause.
//
// Exit status: 0 when the target is met, 1 when it is missed, 2 when nothing
// could be measured.

#include "ui/PulseSoundPlayer.h"

#include "MonitorRecorder.h"

#include <QCoreApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTargetMs = 40.0;
constexpr int kLoud = 327; // 1 % of full scale

// Milliseconds from the call to the sound's first samples at the server.
std::optional<double> delayMs(PulseSoundPlayer& player, MonitorRecorder& recorder,
                              const QString& name) {
    const size_t mark = recorder.mark();
    const Clock::time_point called = Clock::now();
    player.play(name, false);
    QTest::qWait(400);
    const std::vector<int16_t> heard = recorder.since(mark);
    const auto loud =
        std::find_if(heard.begin(), heard.end(), [](int16_t s) { return std::abs(s) >= kLoud; });
    if (loud == heard.end()) return std::nullopt;
    const auto arrived = recorder.arrival(mark + size_t(loud - heard.begin()));
    if (arrived == Clock::time_point{}) return std::nullopt;
    return std::chrono::duration<double, std::milli>(arrived - called).count();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || !std::getenv("PULSE_SERVER")) {
        std::fprintf(stderr, "usage: PULSE_SERVER=<address> %s <sink name> [--runs N]\n", argv[0]);
        return 2;
    }
    int runs = 21;
    if (argc > 3 && std::strcmp(argv[2], "--runs") == 0) runs = std::max(3, std::atoi(argv[3]));

    MonitorRecorder recorder;
    const std::string failed = recorder.start(std::getenv("PULSE_SERVER"), argv[1]);
    if (!failed.empty()) {
        std::fprintf(stderr, "SoundBench: %s\n", failed.c_str());
        return 2;
    }
    const QString name = QStringLiteral("QUESTION");
    PulseSoundPlayer player;

    const auto first = delayMs(player, recorder, name);
    std::vector<double> delays;
    for (int i = 0; i < runs; ++i)
        if (const auto delay = delayMs(player, recorder, name)) delays.push_back(*delay);
    if (!first || delays.size() < size_t(runs)) {
        std::fprintf(stderr, "SoundBench: %zu of %d sounds never reached the server\n",
                     size_t(runs) - delays.size() + (first ? 0 : 1), runs + 1);
        return 2;
    }
    std::sort(delays.begin(), delays.end());
    const double median = delays[delays.size() / 2];
    const bool met = median <= kTargetMs;
    std::printf("%-10s play call to first samples at the server %.1f ms   target <= %.0f ms   %s\n",
                "sound", median, kTargetMs, met ? "met" : "MISSED");
    std::printf("%-10s (median of %d sounds, %.1f..%.1f; the first sound, connecting "
                "included: %.1f ms)\n",
                "", runs, delays.front(), delays.back(), *first);
    return met ? 0 : 1;
}
