#pragma once

#include "storage/HallsRequest.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

// The work of the shared Halls' writer, apart from how it starts: one
// request read whole, checked, and carried out against the store in one
// transaction, or refused with nothing changed.
namespace HallsWriter {

// How long the writer waits for another copy that holds the store: long
// enough for another writer's change, short enough for the game, which
// waits for the answer, to go on.
inline constexpr int kBusyTimeoutMs = 250;

struct Result {
    HallsRequest::Answer answer = HallsRequest::Answer::Refused;
    QString why;
};

// Carries out `input` against the store in `folder`. `privileged`: the
// program runs with a right the player lacks, so it makes no file (the
// store and its journal must be there, as regular files). `gainRights` is
// called just before the store is opened and `dropRights` once it is
// closed; a false from gainRights gives CannotWrite.
Result handle(
    QByteArrayView input, const QString& folder, bool privileged,
    const std::function<bool()>& gainRights = [] { return true; },
    const std::function<void()>& dropRights = [] {});

} // namespace HallsWriter
