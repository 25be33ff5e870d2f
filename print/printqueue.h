#pragma once

#include <QString>

namespace molvera {

// What the print spooler says of a queue before a job is sent to it. The platform's printer
// interface does not tell a queue that turns jobs away from one that takes them, and a job sent
// to it would be reported as printed.
enum class QueueState {
    Ready,         // takes jobs and prints them
    Stopped,       // takes jobs but holds them until someone starts it again
    RejectingJobs, // turns every job away
    Unknown,       // the spooler could not be asked
};

QueueState queueState(const QString &printerName);

} // namespace molvera
