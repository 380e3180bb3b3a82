#include "storage/SeatMark.h"

#include <algorithm>

namespace {

constexpr char kTag[] = {'V', 'k', 'C', 'S'};
constexpr char kVersion = 1;
constexpr qsizetype kHead = sizeof(kTag) + 2; // tag, version, count

enum SeatByte : uint8_t { kPerson = 0, kPerfect = 1, kCasual = 2 };

uint16_t checksumOf(QByteArrayView bytes) {
    return qChecksum(bytes, Qt::ChecksumIso3309);
}

} // namespace

QByteArray seatMark(const SeatStrengths& seats) {
    const int n = std::min<int>(int(seats.size()), kMarkedSeats);
    const auto computer = [](const std::optional<Strength>& s) { return s.has_value(); };
    if (std::none_of(seats.begin(), seats.begin() + n, computer)) return {};

    QByteArray mark(kTag, sizeof(kTag));
    mark += kVersion;
    mark += char(n);
    for (int i = 0; i < n; ++i) {
        const std::optional<Strength>& seat = seats[size_t(i)];
        mark += char(!seat ? kPerson : *seat == Strength::Perfect ? kPerfect : kCasual);
    }
    const uint16_t sum = checksumOf(mark);
    mark += char(sum & 0xff);
    mark += char(sum >> 8);
    return mark;
}

SeatStrengths readSeatMark(QByteArrayView filler, int players) {
    if (filler.size() < kHead || filler.first(sizeof(kTag)) != QByteArrayView(kTag, sizeof(kTag)))
        return {};
    if (filler[sizeof(kTag)] != kVersion) return {};
    const int n = uint8_t(filler[sizeof(kTag) + 1]);
    if (n > kMarkedSeats || n > players || filler.size() < kHead + n + 2) return {};
    const uint16_t sum = uint16_t(uint8_t(filler[kHead + n]) | uint8_t(filler[kHead + n + 1]) << 8);
    if (sum != checksumOf(filler.first(kHead + n))) return {};

    SeatStrengths seats(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        switch (uint8_t(filler[kHead + i])) {
        case kPerson:
            break;
        case kPerfect:
            seats[size_t(i)] = Strength::Perfect;
            break;
        case kCasual:
            seats[size_t(i)] = Strength::Casual;
            break;
        default:
            return {};
        }
    }
    return seats;
}
