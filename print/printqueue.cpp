#include "printqueue.h"

#include <QLibrary>

#include <cstring>
#include <cups/cups.h>
#include <memory>

namespace molvera {

namespace {

// libcups is loaded when a queue is first asked about rather than with the program: it brings a
// dozen libraries (TLS, Kerberos, Avahi) whose loading took about 3 ms of every start, and only
// printing needs it.
struct Cups
{
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;

    bool isLoaded() const { return getNamedDest && getOption && freeDests; }
};

const Cups &cups()
{
    static const Cups functions = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        Cups loaded;
        loaded.getNamedDest =
            reinterpret_cast<decltype(&cupsGetNamedDest)>(library.resolve("cupsGetNamedDest"));
        loaded.getOption =
            reinterpret_cast<decltype(&cupsGetOption)>(library.resolve("cupsGetOption"));
        loaded.freeDests =
            reinterpret_cast<decltype(&cupsFreeDests)>(library.resolve("cupsFreeDests"));
        return loaded;
    }();
    return functions;
}

struct DestDeleter
{
    void operator()(cups_dest_t *dest) const { cups().freeDests(1, dest); }
};

bool optionIs(const cups_dest_t &dest, const char *name, const char *value)
{
    const char *option = cups().getOption(name, dest.num_options, dest.options);
    return option && std::strcmp(option, value) == 0;
}

} // namespace

QueueState queueState(const QString &printerName)
{
    if (!cups().isLoaded())
        return QueueState::Unknown;
    const QByteArray name = printerName.toLocal8Bit();
    const std::unique_ptr<cups_dest_t, DestDeleter> dest(
        cups().getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
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
