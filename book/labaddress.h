#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace molvera {

// Where a lab book is: a PostgreSQL database, given as libpq takes it, as a connection string
// ("host=db.lab.example dbname=reagents") or a URI ("postgresql://db.lab.example/reagents").
// molvera reads it itself because Qt's PostgreSQL driver passes neither form on whole: it quotes
// the database name as a name, and turns every ";" of its connect options into a blank.
class LabAddress
{
public:
    // The settings of the text, or none when it is written in neither form, or when a value that
    // must go through the driver's options holds a ";".
    static std::optional<LabAddress> read(const QString &text);

    // A setting's value; a later one overrides an earlier one, as in libpq. Empty when not given.
    QString value(QStringView key) const;
    // Every setting but dbname, user, password and host (which the driver takes on their own),
    // as the driver's connect options, with the connection's wait bounded: connect_timeout at
    // most 5 s, and tcp_user_timeout 5 s unless given.
    QString connectOptions() const;

    // The host, with the port when one is given, for the user's sentences: "db.lab.example:5433";
    // the shown text when the string names no host.
    QString where() const;
    // The text as given, every password in it replaced by ***.
    QString shown() const { return m_shown; }

private:
    QList<std::pair<QString, QString>> m_settings;
    QString m_shown;
};

// The connection string or URI with every password in it replaced by ***, for showing and
// logging. A text that cannot be read is cut where reading stopped, so that a password it may
// hold after that point is not shown either.
QString maskedConnection(const QString &text);

} // namespace molvera
