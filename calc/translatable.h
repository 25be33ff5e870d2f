#pragma once

#include <functional>
#include <string>

namespace molvera {

// A text marked for translation, with the context the translators' tools file it under: the shape
// of KDE's lazy localized strings. It is translated where it is shown, by the caller's
// TextTranslator (the core knows no catalogues).
struct LocalizedText
{
    const char *context;
    const char *english;
};

// Gives a marked English text in the user's language; an empty one keeps the English texts.
using TextTranslator = std::function<std::string(const char *context, const char *english)>;

// The text in the user's language, or the English text itself without a translator.
inline std::string translated(const TextTranslator &translator, const LocalizedText &text)
{
    return translator ? translator(text.context, text.english) : std::string(text.english);
}

} // namespace molvera

// Qt-free markers that lupdate reads through its aliases: a class that marks texts names its
// context once, MOLVERA_TR_CONTEXT(molvera::MolarCalculation), as Q_DECLARE_TR_FUNCTIONS does, and
// each text in it is MOLVERA_TR_NOOP("..."), as QT_TR_NOOP, which makes it a LocalizedText of that
// context.
#define MOLVERA_TR_CONTEXT(context) static constexpr const char *TranslationContext = #context;
#define MOLVERA_TR_NOOP(text)                                                                      \
    ::molvera::LocalizedText                                                                       \
    {                                                                                              \
        TranslationContext, text                                                                   \
    }
