#pragma once

// Records what a sound server's sink plays, from its monitor source, as
// 16-bit mono at 22050 samples per second, on a thread of its own, and when
// each piece of it arrived.

#include <pulse/error.h>
#include <pulse/simple.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MonitorRecorder {
public:
    static constexpr int kRate = 22050;

    MonitorRecorder() = default;
    ~MonitorRecorder() { stop(); }
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Starts recording the monitor of `sink` on the server at `address`.
    // Returns an empty text, or why it could not.
    std::string start(const std::string& address, const std::string& sink) {
        const pa_sample_spec format{PA_SAMPLE_S16LE, kRate, 1};
        // Small fragments, so that samples arrive soon after they are played.
        pa_buffer_attr buffer{uint32_t(-1), uint32_t(-1), uint32_t(-1), uint32_t(-1),
                              uint32_t(kRate * 2 * 5 / 1000)};
        int error = 0;
        const std::string source = sink + ".monitor";
        simple_ = pa_simple_new(address.c_str(), "Vorka bench", PA_STREAM_RECORD, source.c_str(),
                                "monitor", &format, nullptr, &buffer, &error);
        if (!simple_) return std::string("cannot record the sink: ") + pa_strerror(error);
        running_ = true;
        thread_ = std::thread([this] { run(); });
        // A null sink that nobody listened to may first sleep for up to two
        // seconds before it runs at the recording's pace.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (mark() == 0) {
            if (!running_ || std::chrono::steady_clock::now() > deadline) {
                stop();
                return "the sink's monitor gives no samples";
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return {};
    }

    void stop() {
        running_ = false;
        if (thread_.joinable()) thread_.join();
        if (simple_) pa_simple_free(simple_);
        simple_ = nullptr;
    }

    // How many samples have been recorded so far.
    size_t mark() {
        std::lock_guard lock(mutex_);
        return samples_.size();
    }

    // The samples recorded from `from` on.
    std::vector<int16_t> since(size_t from) {
        std::lock_guard lock(mutex_);
        if (from >= samples_.size()) return {};
        return {samples_.begin() + std::ptrdiff_t(from), samples_.end()};
    }

    // When the sample at `index` arrived here, or nothing if it has not.
    std::chrono::steady_clock::time_point arrival(size_t index) {
        std::lock_guard lock(mutex_);
        for (const auto& [end, when] : arrivals_)
            if (index < end) return when;
        return {};
    }

private:
    void run() {
        std::vector<int16_t> fragment(kRate / 200); // 5 ms
        while (running_) {
            int error = 0;
            if (pa_simple_read(simple_, fragment.data(), fragment.size() * 2, &error) < 0) break;
            const auto now = std::chrono::steady_clock::now();
            std::lock_guard lock(mutex_);
            samples_.insert(samples_.end(), fragment.begin(), fragment.end());
            arrivals_.emplace_back(samples_.size(), now);
        }
        running_ = false;
    }

    pa_simple* simple_ = nullptr;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::mutex mutex_;
    std::vector<int16_t> samples_;
    std::vector<std::pair<size_t, std::chrono::steady_clock::time_point>> arrivals_;
};
