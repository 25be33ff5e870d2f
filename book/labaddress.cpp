#include "labaddress.h"

#include <QByteArray>
#include <QStringList>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// The settings the driver takes on their own, quoted whole; everything else goes through its
// connect options.
bool takenOnItsOwn(QStringView key)
{
    return key == u"dbname" || key == u"user" || key == u"password" || key == u"host";
}

// The longest a connection may wait for the server: a window must never wait longer for a lab
// book that is not there (libpq itself would wait for ever, or for the system's TCP timeout).
constexpr int MostSecondsToConnect = 5;

struct Reading
{
    QList<std::pair<QString, QString>> settings;
    QList<std::pair<qsizetype, qsizetype>> secrets; // where each password stands in the text
    qsizetype stopped = -1;                         // where reading failed; -1 when it did not
};

// key = value pairs, as libpq reads them: a value in single quotes may hold blanks, a backslash
// takes the next character as it is.
Reading readKeywords(const QString &text)
{
    Reading reading;
    const qsizetype size = text.size();
    qsizetype at = 0;
    const auto skipBlanks = [&] {
        while (at < size && text[at].isSpace())
            ++at;
    };
    for (;;) {
        skipBlanks();
        if (at == size)
            return reading;
        const qsizetype keyAt = at;
        while (at < size && !text[at].isSpace() && text[at] != u'=')
            ++at;
        const QString key = text.sliced(keyAt, at - keyAt);
        skipBlanks();
        if (key.isEmpty() || at == size || text[at] != u'=') {
            reading.stopped = keyAt;
            return reading;
        }
        ++at;
        skipBlanks();
        const qsizetype valueAt = at;
        const bool quoted = at < size && text[at] == u'\'';
        QString value;
        for (at += quoted ? 1 : 0; at < size; ++at) {
            if (quoted ? text[at] == u'\'' : text[at].isSpace())
                break;
            if (text[at] == u'\\' && at + 1 < size)
                ++at;
            value += text[at];
        }
        if (quoted && at == size) {
            reading.stopped = valueAt;
            return reading;
        }
        at += quoted ? 1 : 0;
        if (key == u"password")
            reading.secrets.append({valueAt, at});
        reading.settings.append({key, value});
    }
}

QString decoded(QStringView part)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(part.toUtf8()));
}

// postgresql://[user[:password]@][host][:port][,...][/dbname][?name=value&...], as libpq reads it.
Reading readUri(const QString &text, qsizetype at)
{
    Reading reading;
    const QStringView all(text);
    const qsizetype size = text.size();
    const auto until = [&](QStringView stops) {
        qsizetype end = at;
        while (end < size && !stops.contains(text[end]))
            ++end;
        return end;
    };

    if (const qsizetype end = until(u"@/"); end < size && text[end] == u'@') {
        const QStringView userinfo = all.sliced(at, end - at);
        const qsizetype colon = userinfo.indexOf(u':');
        if (const QStringView user = colon < 0 ? userinfo : userinfo.first(colon); !user.isEmpty())
            reading.settings.append({u"user"_s, decoded(user)});
        if (colon >= 0) {
            reading.settings.append({u"password"_s, decoded(userinfo.sliced(colon + 1))});
            reading.secrets.append({at + colon + 1, end});
        }
        at = end + 1;
    }

    const qsizetype hostsEnd = until(u"/?");
    QStringList hosts, ports;
    for (const QStringView hostPort : all.sliced(at, hostsEnd - at).split(u',')) {
        // An IPv6 address stands in brackets, because of its colons.
        const qsizetype close = hostPort.startsWith(u'[') ? hostPort.indexOf(u']') : 0;
        const qsizetype colon = hostPort.indexOf(u':', close);
        if (close < 0 || (close > 0 && close + 1 < hostPort.size() && colon != close + 1)) {
            reading.stopped = at;
            return reading;
        }
        const QStringView host = colon < 0 ? hostPort : hostPort.first(colon);
        hosts << decoded(close > 0 ? host.sliced(1, close - 1) : host);
        ports << (colon < 0 ? QString() : decoded(hostPort.sliced(colon + 1)));
    }
    if (!hosts.join(QString()).isEmpty())
        reading.settings.append({u"host"_s, hosts.join(u',')});
    if (!ports.join(QString()).isEmpty())
        reading.settings.append({u"port"_s, ports.join(u',')});
    at = hostsEnd;

    if (at < size && text[at] == u'/') {
        ++at;
        const qsizetype end = until(u"?");
        if (end > at)
            reading.settings.append({u"dbname"_s, decoded(all.sliced(at, end - at))});
        at = end;
    }
    for (++at; at < size;) {
        const qsizetype end = until(u"&");
        const qsizetype equals = all.sliced(at, end - at).indexOf(u'=');
        if (equals < 0) {
            reading.stopped = at;
            return reading;
        }
        QString key = decoded(all.sliced(at, equals));
        QString value = decoded(all.sliced(at + equals + 1, end - at - equals - 1));
        if (key == u"password")
            reading.secrets.append({at + equals + 1, end});
        // libpq's one translated parameter.
        if (key == u"ssl" && value == u"true")
            key = u"sslmode"_s, value = u"require"_s;
        reading.settings.append({key, value});
        at = end + 1;
    }
    return reading;
}

Reading readText(const QString &text)
{
    for (const QStringView prefix : {u"postgresql://", u"postgres://"}) {
        if (text.startsWith(prefix))
            return readUri(text, prefix.size());
    }
    return readKeywords(text);
}

QString masked(const QString &text, const Reading &reading)
{
    QString shown = reading.stopped < 0 ? text : text.first(reading.stopped) + u'…';
    for (auto secret = reading.secrets.crbegin(); secret != reading.secrets.crend(); ++secret)
        shown.replace(secret->first, secret->second - secret->first, u"***"_s);
    return shown;
}

} // namespace

std::optional<LabAddress> LabAddress::read(const QString &text)
{
    const Reading reading = readText(text);
    if (reading.stopped >= 0 || text.trimmed().isEmpty())
        return std::nullopt;
    for (const auto &[key, value] : reading.settings) {
        if (!takenOnItsOwn(key) && value.contains(u';'))
            return std::nullopt;
    }
    LabAddress address;
    address.m_settings = reading.settings;
    address.m_shown = masked(text, reading);
    return address;
}

QString LabAddress::value(QStringView key) const
{
    for (auto setting = m_settings.crbegin(); setting != m_settings.crend(); ++setting) {
        if (setting->first == key)
            return setting->second;
    }
    return {};
}

QString LabAddress::connectOptions() const
{
    QStringList options;
    for (const auto &[key, value] : m_settings) {
        if (takenOnItsOwn(key) || key == u"connect_timeout")
            continue;
        QString quoted = value;
        quoted.replace(u'\\', u"\\\\"_s).replace(u'\'', u"\\'"_s);
        options << u"%1='%2'"_s.arg(key, quoted);
    }
    bool given = false;
    const int seconds = value(u"connect_timeout").toInt(&given);
    options << u"connect_timeout=%1"_s.arg(
        given && seconds > 0 && seconds < MostSecondsToConnect ? seconds : MostSecondsToConnect);
    // Bounds the wait for a server that went away without a word while a statement was sent.
    if (value(u"tcp_user_timeout").isEmpty())
        options << u"tcp_user_timeout=%1"_s.arg(MostSecondsToConnect * 1000);
    return options.join(u';');
}

QString LabAddress::where() const
{
    QString host = value(u"host");
    if (host.isEmpty())
        host = value(u"hostaddr");
    if (host.isEmpty())
        return m_shown;
    const QString port = value(u"port");
    return port.isEmpty() || host.contains(u',') ? host : host + u':' + port;
}

QString maskedConnection(const QString &text)
{
    return masked(text, readText(text));
}

} // namespace molvera
