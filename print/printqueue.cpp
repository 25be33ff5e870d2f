#include "printqueue.h"

#include <cstring>
#include <cups/cups.h>
#include <memory>

namespace molvera {

namespace {

struct DestDeleter
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};

bool optionIs(const cups_dest_t &dest, const char *name, const char *value)
{
    const char *option = cupsGetOption(name, dest.num_options, dest.options);
    return option && std::strcmp(option, value) == 0;
}

} // namespace

QueueState queueState(const QString &printerName)
{
    const QByteArray name = printerName.toLocal8Bit();
    const std::unique_ptr<cups_dest_t, DestDeleter> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
    if (!dest)
        return QueueState::Unknown;
    if (optionIs(*dest, "printer-is-accepting-jobs", "false"))
        return QueueState::RejectingJobs;
    // IPP printer-state 5: stopped.
    if (optionIs(*dest, "printer-state", "5"))
        return QueueState::Stopped;
    return QueueState::Ready;
}

} // namespace molvera
