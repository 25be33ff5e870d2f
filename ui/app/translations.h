#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace molvera {

// Speaks the user's language: the first of `locale`'s UI languages (the system's: LANGUAGE, then
// LC_ALL/LC_MESSAGES/LANG) that molvera has a catalogue for, with Qt's own catalogue in the same
// language; English, the language the program is written in, installs nothing. Numbers and dates
// keep following LC_NUMERIC and LC_TIME. Call once, before any text is shown or the command line
// answered; the translators belong to `app` and are named "molvera-translation". Returns the
// catalogue's language as a locale name ("de_DE", "pt_BR"), or an empty string for English.
QString installTranslations(QCoreApplication &app, const QLocale &locale = QLocale());

} // namespace molvera
