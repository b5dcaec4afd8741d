#include "platform/receivedreply.h"

#include "platform/events.h"
#include "platform/inet.h"
#include "shared/receivedfile.h"

namespace platform {

ReceivedReply receiveReply(Inet& inet, const QString& path,
                           const std::function<bool()>& stillWanted,
                           const std::function<void(qint64 length)>& progressed) {
    using Outcome = ReceivedReply::Outcome;
    bool numeric = false;
    const qint64 length = inet.getHeader(QStringLiteral("Content-length")).toLongLong(&numeric);
    if (!numeric || length <= 0) {
        return {Outcome::Refused, {}};
    }
    ReceivedFile out(path);
    if (!out.isOpen()) {
        return {Outcome::NotSaved, out.errorString()};
    }
    qint64 written = 0;
    QByteArray chunk = inet.getChunk(Inet::kChunkSize);
    doEvents();
    while (!chunk.isEmpty()) {
        if (!stillWanted()) {
            return {Outcome::Stopped, {}};
        }
        if (!out.append(chunk)) {
            return {Outcome::NotSaved, out.errorString()};
        }
        written += chunk.size();
        if (progressed) {
            progressed(length);
        }
        chunk = inet.getChunk(Inet::kChunkSize);
        doEvents();
    }
    if (!stillWanted()) {
        return {Outcome::Stopped, {}};
    }
    // On disk, and all of it as announced.
    if (!out.finish()) {
        return {Outcome::NotSaved, out.errorString()};
    }
    return {written == length ? Outcome::Complete : Outcome::Refused, {}};
}

}  // namespace platform
