// hoverlet's own catalogue, embedded in the library (:/hoverlet/translations/hoverlet_<lang>.qm)
// and installed for every host as its QCoreApplication starts, so that any program placing the
// control gets hoverlet's texts in its user's language without doing anything.

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// The catalogues' resource registers itself as the library is loaded, but not necessarily before
// the start-up function below runs: in a library loaded into a running program (the Designer
// plugin's, say) that function runs at once, in the middle of loading. Registering twice is
// harmless; Qt keeps one registration. Q_INIT_RESOURCE must not stand inside a namespace.
static void registerCatalogues()
{
    Q_INIT_RESOURCE(hoverlet_translations);
}

namespace hoverlet {

namespace {

// The first of the user's languages that hoverlet speaks, as Qt and KDE programs choose theirs
// (QLocale's uiLanguages: LANGUAGE, then LC_ALL/LC_MESSAGES/LANG). English, hoverlet's own
// language, has an empty catalogue, so that the search stops there.
void installTranslator()
{
    registerCatalogues();
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), QStringLiteral("hoverlet"), QStringLiteral("_"),
                         QStringLiteral(":/hoverlet/translations")) &&
        !translator->isEmpty())
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTranslator)

} // namespace hoverlet
