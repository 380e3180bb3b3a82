// Start-up time and memory of the game beside two references, all run in turn
// on the same display so that a busy machine slows them alike:
// FeaturesReference, a program that does the game's kinds of work without its
// code (the targets are set against it), and ReferenceWindow, one empty main
// window (for comparison only).
//
//     StartupBench <game> <features reference> <empty window> [--runs N] [--memory-runs M]
//                  [--breakdown]
//
// Start-up is the time from just before the program is spawned to the first
// frame of its main window, as the program itself reports it (see
// bench/FirstFrameReport.h); the median of N runs each (41 unless told: the
// runs of a shared machine spread widely). Memory is the peak resident size
// (VmHWM) of each program half a second after its first dialog (the empty
// window: its window) first paints; the median of M runs each (5).
//
// Every run gets a D-Bus session bus of its own, started before the clock
// starts and ended after the run: what Qt does at start-up depends on whether
// a session bus is there (without one it launches one), so all three programs
// meet the same conditions, those of a desktop session. Each program has a
// home folder of its own, made for this run; the first, uncounted run of each
// makes its store there, so the counted runs start as a returning player's do.
//
// Exit status: 0 when both targets are met, 1 when one is missed, 2 when a
// program could not be measured.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double kStartupTarget = 1.10; // times the same-features reference
constexpr double kMemoryTarget = 1.10;  // the same, with a sound playing in both
constexpr int kTimeoutMs = 30'000;
// How long a window is left to settle after its first frame before its peak
// memory is read.
constexpr int kSettleMs = 500;

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

struct Program {
    std::string path;
    std::string mainWindow;  // whose first frame ends the start-up
    std::string firstDialog; // whose first frame the memory waits for
    std::string home;
    bool playsSound; // with its first dialog
};

// An empty folder under /tmp, removed with everything in it at the end.
class HomeFolder {
public:
    HomeFolder() {
        char pattern[] = "/tmp/vorka-bench-XXXXXX";
        if (char* made = mkdtemp(pattern)) path_ = made;
    }
    ~HomeFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The current environment with the home folders moved and `extra` added.
std::vector<std::string> environmentFor(const std::string& home, const std::string& bus,
                                        const std::vector<std::string>& extra) {
    const std::vector<std::string> replaced = {
        "HOME=" + home,
        "XDG_CONFIG_HOME=" + home + "/.config",
        "XDG_DATA_HOME=" + home + "/.local/share",
        "DBUS_SESSION_BUS_ADDRESS=" + bus,
        "VORKA_REPORT_FIRST_FRAME=",
        "VORKA_QUIT_AFTER_FIRST_FRAME=",
        "DBUS_SESSION_BUS_PID=",
    };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const bool overridden = std::any_of(replaced.begin(), replaced.end(), [&](auto& r) {
            return entry.compare(0, r.find('=') + 1, r, 0, r.find('=') + 1) == 0;
        });
        if (!overridden) env.push_back(entry);
    }
    for (size_t i = 0; i < 4; ++i) env.push_back(replaced[i]);
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

// A D-Bus session bus of one run's own (dbus-daemon with the session's
// configuration), ended with this object.
class SessionBus {
public:
    SessionBus() {
        FILE* daemon =
            popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
        if (!daemon) return;
        char address[512] = {};
        char pid[32] = {};
        if (std::fgets(address, sizeof address, daemon) && std::fgets(pid, sizeof pid, daemon)) {
            address_ = address;
            if (!address_.empty() && address_.back() == '\n') address_.pop_back();
            pid_ = std::atoi(pid);
        }
        pclose(daemon);
    }
    ~SessionBus() {
        if (pid_ > 0) kill(pid_, SIGTERM);
    }
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    // Empty when no bus could be started.
    const std::string& address() const { return address_; }

private:
    std::string address_;
    pid_t pid_ = -1;
};

// One running program whose standard error is read line by line.
class Child {
public:
    Child(const std::string& path, const std::vector<std::string>& env) {
        int fds[2];
        if (pipe(fds) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);

        std::vector<char*> argv = {const_cast<char*>(path.c_str()), nullptr};
        std::vector<char*> envp;
        for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
        envp.push_back(nullptr);

        started_ = monotonicNanoseconds();
        if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        stderr_ = fds[0];
    }
    ~Child() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (stderr_ >= 0) close(stderr_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    long long started() const { return started_; }
    const std::string& output() const { return output_; }
    // The processor time (user and system, all threads) the program took,
    // once reap() has seen it end; negative before.
    double cpuMs() const { return cpuMs_; }

    // The time reported for the first frame of `window`, or nothing when the
    // program ends or the time runs out first.
    std::optional<long long> waitForFirstFrame(const std::string& window) {
        const std::string prefix = "first frame " + window + " ";
        const long long deadline = monotonicNanoseconds() + kTimeoutMs * 1'000'000LL;
        size_t scanned = 0;
        for (;;) {
            size_t end;
            while ((end = output_.find('\n', scanned)) != std::string::npos) {
                const std::string line = output_.substr(scanned, end - scanned);
                scanned = end + 1;
                if (line.compare(0, prefix.size(), prefix) == 0)
                    return std::atoll(line.c_str() + prefix.size());
            }
            const long long left = deadline - monotonicNanoseconds();
            if (left <= 0 || !readSome(static_cast<int>(left / 1'000'000))) return std::nullopt;
        }
    }

    // Reads and keeps whatever arrives for `ms` milliseconds.
    void drainFor(int ms) {
        const long long until = monotonicNanoseconds() + ms * 1'000'000LL;
        long long left;
        while ((left = until - monotonicNanoseconds()) > 0)
            if (!readSome(static_cast<int>(left / 1'000'000) + 1)) break;
    }

    // The peak resident size so far, in kibibytes, or nothing.
    std::optional<long> peakResidentKiB() const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
        return std::nullopt;
    }

    // Waits for the program to end by itself; one that does not is killed
    // when the time runs out.
    void reap() {
        const long long deadline = monotonicNanoseconds() + kTimeoutMs * 1'000'000LL;
        while (pid_ > 0 && monotonicNanoseconds() < deadline) {
            rusage usage{};
            if (wait4(pid_, nullptr, WNOHANG, &usage) == pid_) {
                pid_ = -1;
                cpuMs_ = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
                return;
            }
            drainFor(1);
            usleep(500);
        }
    }

private:
    // False at the end of the output.
    bool readSome(int timeoutMs) {
        pollfd fd{stderr_, POLLIN, 0};
        const int ready = poll(&fd, 1, timeoutMs);
        if (ready < 0) return errno == EINTR;
        if (ready == 0) return true;
        char buffer[4096];
        const ssize_t n = read(stderr_, buffer, sizeof buffer);
        if (n <= 0) return false;
        output_.append(buffer, static_cast<size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int stderr_ = -1;
    long long started_ = 0;
    double cpuMs_ = -1;
    std::string output_;
};

struct Failure {
    std::string what;
};

void fail(const Program& program, const std::string& what, const Child& child) {
    std::fprintf(stderr, "%s: %s\n%s", program.path.c_str(), what.c_str(), child.output().c_str());
    throw Failure{what};
}

// A session bus for one run; the bench cannot be run without one.
std::string busFor(const Program& program, const SessionBus& bus) {
    if (bus.address().empty()) {
        std::fprintf(stderr, "%s: no D-Bus session bus could be started (dbus-daemon)\n",
                     program.path.c_str());
        throw Failure{"no session bus"};
    }
    return bus.address();
}

// The processor time each program took up to its main window's first frame,
// by program path: it ends there, so its whole time is the start-up's.
std::map<std::string, std::vector<double>> startupCpuMs;

// Milliseconds from spawning to the main window's first frame.
double startupMs(const Program& program) {
    const SessionBus bus;
    Child child(program.path,
                environmentFor(program.home, busFor(program, bus),
                               {"VORKA_REPORT_FIRST_FRAME=1", "VORKA_QUIT_AFTER_FIRST_FRAME=1"}));
    if (!child.running()) fail(program, "could not be started", child);
    const auto frame = child.waitForFirstFrame(program.mainWindow);
    if (!frame) fail(program, "reported no first frame of " + program.mainWindow, child);
    child.reap();
    if (child.cpuMs() >= 0) startupCpuMs[program.path].push_back(child.cpuMs());
    return static_cast<double>(*frame - child.started()) / 1e6;
}

// Resident kibibytes by what is mapped: a library or other file, the heap,
// or anonymous memory (thread stacks, allocations outside the heap).
using MemoryMap = std::map<std::string, long>;

MemoryMap residentByMapping(pid_t pid) {
    std::ifstream smaps("/proc/" + std::to_string(pid) + "/smaps");
    MemoryMap resident;
    std::string line, name;
    while (std::getline(smaps, line)) {
        if (line.empty()) continue;
        if (std::isxdigit(static_cast<unsigned char>(line[0])) && line.find('-') < 16) {
            // "start-end perms offset dev inode   path"
            std::istringstream fields(line);
            std::string range, perms, offset, dev, inode;
            fields >> range >> perms >> offset >> dev >> inode;
            std::getline(fields >> std::ws, name);
            if (name.empty()) name = "[anonymous]";
        } else if (line.rfind("Rss:", 0) == 0) {
            resident[name] += std::atol(line.c_str() + 4);
        }
    }
    return resident;
}

// The mappings of the last run of each program, for the breakdown.
std::map<std::string, MemoryMap> lastMaps;

// How many streams the bench's sound server is playing (pactl), or -1 when
// there is no server to ask.
int soundStreamsPlaying() {
    if (!std::getenv("PULSE_SERVER")) return -1;
    FILE* list = popen("pactl list short sink-inputs 2>/dev/null", "r");
    if (!list) return -1;
    int lines = 0;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, list)) ++lines;
    return pclose(list) == 0 ? lines : -1;
}

// Peak resident size in MiB once the awaited window is up. With the bench's
// sound server a program that plays a sound with its dialog must be playing
// it then.
double peakMiB(const Program& program) {
    const SessionBus bus;
    Child child(program.path,
                environmentFor(program.home, busFor(program, bus), {"VORKA_REPORT_FIRST_FRAME=1"}));
    if (!child.running()) fail(program, "could not be started", child);
    if (!child.waitForFirstFrame(program.firstDialog))
        fail(program, "reported no first frame of " + program.firstDialog, child);
    child.drainFor(kSettleMs);
    const auto kib = child.peakResidentKiB();
    if (!kib) fail(program, "has no readable peak memory", child);
    if (program.playsSound && soundStreamsPlaying() == 0)
        fail(program, "plays no sound with its first dialog", child);
    lastMaps[program.path] = residentByMapping(child.pid());
    return static_cast<double>(*kib) / 1024.0;
}

// Where the game's resident memory goes beyond the reference's, largest first.
void printBreakdown(const MemoryMap& lastGameMap, const MemoryMap& lastReferenceMap) {
    std::vector<std::pair<long, std::string>> extra;
    long total = 0, reference = 0;
    for (const auto& [name, kib] : lastGameMap) {
        const auto found = lastReferenceMap.find(name);
        const long more = kib - (found == lastReferenceMap.end() ? 0 : found->second);
        if (more != 0) extra.emplace_back(more, name);
        total += kib;
    }
    for (const auto& [name, kib] : lastReferenceMap) {
        reference += kib;
        if (!lastGameMap.count(name)) extra.emplace_back(-kib, name);
    }
    std::sort(extra.begin(), extra.end(), std::greater<>());
    std::printf("%-10s resident now: game %.1f MiB, reference %.1f MiB; the game's extra by "
                "mapping:\n",
                "", total / 1024.0, reference / 1024.0);
    long shown = 0;
    for (size_t i = 0; i < extra.size() && i < 16; ++i) {
        std::printf("%-10s %+8.1f MiB  %s\n", "", extra[i].first / 1024.0, extra[i].second.c_str());
        shown += extra[i].first;
    }
    std::printf("%-10s %+8.1f MiB  everything else\n", "", (total - reference - shown) / 1024.0);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

std::string spread(const std::vector<double>& values) {
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    std::ostringstream text;
    text.precision(1);
    text << std::fixed << *lo << ".." << *hi;
    return text.str();
}

// The figures of one measurement, one list of runs per program.
struct Figures {
    std::vector<double> game, features, empty;
};

// The ratio is the median of each round's own ratio, game over the
// same-features reference run next to it: a machine whose load changes during
// the bench moves both runs of a round alike, where the medians of the whole
// lists would each catch a different part of the change.
bool report(const char* figure, const char* unit, const Figures& f, double target) {
    const double g = median(f.game);
    const double r = median(f.features);
    const double e = median(f.empty);
    std::vector<double> rounds;
    for (size_t i = 0; i < f.game.size() && i < f.features.size(); ++i)
        rounds.push_back(f.game[i] / f.features[i]);
    const double ratio = median(rounds);
    const bool met = ratio <= target;
    std::printf("%-10s game %7.1f %-3s   same-features reference %7.1f %-3s   ratio %.2f   "
                "target <= %.2f   %s\n",
                figure, g, unit, r, unit, ratio, target, met ? "met" : "MISSED");
    std::printf("%-10s empty window %.1f %s: the game %.2f times it, the same-features reference "
                "%.2f times (no target)\n",
                "", e, unit, g / e, r / e);
    std::printf("%-10s (medians of %zu runs each; game %s, same-features %s, empty window %s;\n"
                "%-10s  the ratio is the median of the rounds' own, %s; the medians' is %.2f)\n",
                "", f.game.size(), spread(f.game).c_str(), spread(f.features).c_str(),
                spread(f.empty).c_str(), "", spread(rounds).c_str(), g / r);
    return met;
}

// The processor time of the start-up runs, which a busy machine stretches
// far less than their wall-clock time (no target).
void reportProcessorTime(const Program& game, const Program& features, const Program& empty) {
    const auto& g = startupCpuMs[game.path];
    const auto& r = startupCpuMs[features.path];
    const auto& e = startupCpuMs[empty.path];
    if (g.empty() || r.empty() || e.empty()) return;
    std::printf("%-10s processor time to the first frame (medians, no target): game %.1f ms,\n"
                "%-10s same-features reference %.1f ms (the game %.2f times it), empty window "
                "%.1f ms\n",
                "", median(g), "", median(r), median(g) / median(r), median(e));
}

int parseCount(const char* text, int minimum) {
    const int n = std::atoi(text);
    return std::max(n, minimum);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s <game> <features reference> <empty window> [--runs N] "
                     "[--memory-runs M] [--breakdown]\n",
                     argv[0]);
        return 2;
    }
    const HomeFolder gameHome, featuresHome, emptyHome;
    if (gameHome.path().empty() || featuresHome.path().empty() || emptyHome.path().empty()) {
        std::fprintf(stderr, "%s: no home folders under /tmp\n", argv[0]);
        return 2;
    }
    const Program game{argv[1], "MDIFrmMainGame", "FrmMessageBox", gameHome.path(), true};
    const Program features{argv[2], "FeaturesReference", "FeaturesReferenceDialog",
                           featuresHome.path(), true};
    const Program empty{argv[3], "ReferenceWindow", "ReferenceWindow", emptyHome.path(), false};
    int runs = 41;
    int memoryRuns = 5;
    bool breakdown = false; // also when the memory target is met
    for (int i = 4; i < argc; ++i) {
        const bool valueFollows = i + 1 < argc;
        if (std::strcmp(argv[i], "--runs") == 0 && valueFollows)
            runs = parseCount(argv[++i], 10);
        else if (std::strcmp(argv[i], "--memory-runs") == 0 && valueFollows)
            memoryRuns = parseCount(argv[++i], 1);
        else if (std::strcmp(argv[i], "--breakdown") == 0)
            breakdown = true;
    }

    try {
        // One run each to warm the file cache and make the stores; not counted.
        for (const Program* program : {&empty, &features, &game}) startupMs(*program);
        startupCpuMs.clear();

        // Each round runs the three in a turned order, so that none always
        // follows the same one.
        const std::array<const Program*, 3> order = {&game, &features, &empty};
        auto measure = [&](int rounds, auto how) {
            Figures f;
            for (int i = 0; i < rounds; ++i)
                for (int k = 0; k < 3; ++k) {
                    const Program* program = order[size_t((i + k) % 3)];
                    auto& list = program == &game       ? f.game
                                 : program == &features ? f.features
                                                        : f.empty;
                    list.push_back(how(*program));
                }
            return f;
        };
        const Figures startup = measure(runs, startupMs);
        const Figures memory = measure(memoryRuns, peakMiB);

        bool met = report("start-up", "ms", startup, kStartupTarget);
        reportProcessorTime(game, features, empty);
        const bool memoryMet = report("memory", "MiB", memory, kMemoryTarget);
        const int streams = soundStreamsPlaying();
        std::printf("%-10s (the sounds: %s)\n", "",
                    streams < 0 ? "no sound server"
                                : "the game's START and the reference's tone playing through the "
                                  "bench's server");
        if (!memoryMet || breakdown) printBreakdown(lastMaps[game.path], lastMaps[features.path]);
        met = memoryMet && met;
        return met ? 0 : 1;
    } catch (const Failure&) {
        return 2;
    }
}
