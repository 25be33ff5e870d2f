#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace molvera {

using namespace Qt::StringLiterals;

QString installTranslations(QCoreApplication &app, const QLocale &locale)
{
    // The catalogues are resources of the program (molvera_de.qm ...). English, the program's own
    // language, has an empty one, so that the search stops there.
    auto *translator = new QTranslator(&app);
    translator->setObjectName(u"molvera-translation"_s);
    if (!translator->load(locale, u"molvera"_s, u"_"_s, u":/i18n"_s) || translator->isEmpty()) {
        delete translator;
        return {};
    }
    QCoreApplication::installTranslator(translator);
    const QString language = translator->language();

    // Qt's own dialogs and buttons in the same language, from the system's Qt translations.
    auto *qtTranslator = new QTranslator(&app);
    qtTranslator->setObjectName(u"molvera-translation"_s);
    if (qtTranslator->load(QLocale(language), u"qtbase"_s, u"_"_s,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    else
        delete qtTranslator;
    return language;
}

} // namespace molvera
