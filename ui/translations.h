#pragma once

class QCoreApplication;

namespace molvera {

// Speaks the user's language: the first of the system's UI languages (LANGUAGE, then
// LC_ALL/LC_MESSAGES/LANG) that molvera has a catalogue for, with Qt's own catalogue in the same
// language; English, the language the program is written in, loads nothing. Numbers and dates
// keep following LC_NUMERIC and LC_TIME. Call once, before any text is shown or the command line
// answered; the translators belong to `app`.
void installTranslations(QCoreApplication &app);

} // namespace molvera
