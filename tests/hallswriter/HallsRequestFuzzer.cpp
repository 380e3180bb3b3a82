// libFuzzer's entry to the shared Halls' writer (make stress, built with
// clang, AddressSanitizer and UndefinedBehaviorSanitizer): every input is
// refused with the store's bytes untouched, or entered whole as the request
// format reads it. Anything else, or a crash, stops the run.

#include "hallswriter/HallsWriter.h"
#include "storage/HallsRequest.h"
#include "storage/StorePaths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray fileHash(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

[[noreturn]] void stop(const char* what, const QByteArray& input) {
    std::fprintf(stderr, "%s: %s\n", what, input.toPercentEncoding(" ").left(400).constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "HallsRequestFuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    const QString store = QDir(dir.path()).filePath(StorePaths::kStoreFileName);

    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray before = fileHash(store);
    QString why;
    const std::optional<HallsRequest::Request> request = HallsRequest::parse(input, why);
    const bool wellFormed = request.has_value();
    // What is taken is what a player could have, by a check of its own: no
    // control bytes, 1 to 64 characters, 0 to 353.
    if (request) {
        for (const WaitingGame& game : request->games) {
            for (const PlayerScore& p : game.players) {
                const QByteArray bytes = p.name.toUtf8();
                if (p.name.isEmpty() || p.name.size() > 64 || p.score < 0 || p.score > 353 ||
                    std::any_of(bytes.begin(), bytes.end(),
                                [](char c) { return uchar(c) < 0x20 || c == 0x7f; }))
                    stop("a score no player could have taken", input);
            }
        }
    }
    const HallsWriter::Result result = HallsWriter::handle(input, dir.path(), false);
    if (result.answer == HallsRequest::Answer::Refused) {
        if (wellFormed) stop("a well-formed request refused", input);
        if (fileHash(store) != before) stop("a refused request changed the store", input);
    } else if (result.answer != HallsRequest::Answer::Entered || !wellFormed) {
        stop("taken, but not entered as read", input);
    }
    return 0;
}
