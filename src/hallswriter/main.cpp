// vorka-halls: enters a game's final scores in the shared Halls of Fame and
// Shame. Installed set-group-id games, it is the one program that writes the
// shared store, so that players need not be in the group: the group gives
// write access to every game's files, this program to one store, through one
// small request it checks field by field (HallsWriter, HallsRequest).
//
// It takes no arguments and no settings from its environment (but for a
// folder named by VORKA_STORE_DIR when it runs with no right of its own),
// reads the whole request with the player's rights alone, takes the group
// only to open and change the store, and gives it up for good before it
// answers.

#include "hallswriter/HallsWriter.h"
#include "storage/StorePaths.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/auxv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using HallsRequest::Answer;

int answer(Answer a, const QString& why = {}) {
    const QByteArray line = HallsRequest::answerLine(a, why);
    [[maybe_unused]] const ssize_t written = ::write(STDOUT_FILENO, line.constData(), line.size());
    return HallsRequest::exitStatus(a);
}

// Standard input, output and error are open (on /dev/null if need be), so
// that no file this program opens takes their place; nothing else is.
void tidyDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
        if (::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) != fd) std::_Exit(70);
    }
    ::close_range(3, ~0U, 0);
}

// At most `limit` + 1 bytes: one more than allowed is enough to refuse.
QByteArray readInput(qsizetype limit) {
    QByteArray input;
    char buffer[4096];
    while (input.size() <= limit) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        input.append(buffer, n);
    }
    return input;
}

} // namespace

int main(int argc, char* argv[]) {
    tidyDescriptors();
    const gid_t player = ::getgid();
    const gid_t group = ::getegid();
    const bool privileged = ::getauxval(AT_SECURE) != 0 || group != player;
    // Only a writer without rights of its own may be sent elsewhere (the
    // tests do); secure_getenv gives nothing to a set-group-id program.
    const char* chosen = ::secure_getenv(StorePaths::kStoreFolderVariable);
    const QByteArray folder = chosen && *chosen && !privileged
                                  ? QByteArray(chosen)
                                  : QFile::encodeName(StorePaths::kSharedFolder);
    ::clearenv();
    ::setenv("PATH", "/usr/bin:/bin", 1);
    ::umask(S_IWOTH);
    // The player's rights alone until the store is opened; the group stays
    // saved for that moment.
    if (::setresgid(player, player, group) != 0) return answer(Answer::CannotWrite, "setresgid");
    if (argc != 1 || !argv[0])
        return answer(Answer::Refused, QStringLiteral("vorka-halls takes no arguments; it reads "
                                                      "a request on its standard input"));

    const QByteArray input = readInput(HallsRequest::kMaxBytes);
    int fakeArgc = 1;
    char name[] = "vorka-halls";
    char* fakeArgv[] = {name, nullptr};
    QCoreApplication app(fakeArgc, fakeArgv);

    const HallsWriter::Result result = HallsWriter::handle(
        input, QFile::decodeName(folder), privileged,
        [&] { return ::setresgid(player, group, group) == 0; },
        [&] {
            if (::setresgid(player, player, player) != 0) std::_Exit(70);
        });
    // Gone for good whatever happened above.
    if (::setresgid(player, player, player) != 0) return 70;
    return answer(result.answer, result.why);
}
