#pragma once
// The body of a completed transfer, into the file it is received in: the length its header
// announced, every chunk written and checked, events processed between chunks, the file flushed,
// and the size compared with the announced length at the end.
#include <functional>

#include <QString>

namespace platform {

class Inet;

struct ReceivedReply {
    enum class Outcome {
        Complete,  // on disk, all of it as announced
        Refused,   // no length announced, or a body of another length
        NotSaved,  // the file could not be written: `error` says why
        Stopped,   // no longer wanted midway
    };
    Outcome outcome = Outcome::Refused;
    QString error;
};

// Writes the body of `inet`'s completed request into the received file at `path` (which starts
// empty). `stillWanted` is asked, with events processed just before, ahead of each chunk and once
// after the last; `progressed` is told of each chunk written, with the announced length.
ReceivedReply receiveReply(Inet& inet, const QString& path,
                           const std::function<bool()>& stillWanted,
                           const std::function<void(qint64 length)>& progressed = {});

}  // namespace platform
