#pragma once

#include <functional>
#include <string>

// Marks an English text for the translators' tools, which read the context and the text where
// they stand; the program itself sees only the text. The context given here must be the one the
// code hands to its TextTranslator with that text.
#define MOLVERA_TRANSLATABLE(context, text) text

namespace molvera {

// Gives a marked English text in the user's language. The caller supplies it (the core knows no
// catalogues); an empty one keeps the English texts.
using TextTranslator = std::function<std::string(const char *context, const char *english)>;

// The text in the user's language, or the English text itself without a translator.
inline std::string translated(const TextTranslator &translator, const char *context,
                              const char *english)
{
    return translator ? translator(context, english) : std::string(english);
}

} // namespace molvera
