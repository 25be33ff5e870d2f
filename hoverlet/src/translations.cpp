// hoverlet's own catalogue, embedded in the library (:/hoverlet/translations/hoverlet_<lang>.qm)
// and installed for every host as its QCoreApplication starts, so that any program placing the
// control gets hoverlet's texts in its user's language without doing anything.

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>

// The catalogues' resource registers itself as the library is loaded, but not necessarily before
// the start-up function below runs: in a library loaded into a running program (the Designer
// plugin's, say) that function runs at once, in the middle of loading. Registering twice is
// harmless; Qt keeps one registration. Q_INIT_RESOURCE must not stand inside a namespace.
static void registerCatalogues()
{
    Q_INIT_RESOURCE(hoverlet_catalogues);
}

namespace hoverlet {

namespace {

// The catalogue for one of the user's languages ("pt-BR", "de-DE", "de"), else an empty name:
// first the language with its country, then the language alone.
QString catalogueFor(const QString &uiLanguage)
{
    QString name = uiLanguage;
    name.replace(u'-', u'_');
    const QString prefix = QStringLiteral(":/hoverlet/translations/hoverlet_");
    while (!name.isEmpty()) {
        const QString path = prefix + name + QStringLiteral(".qm");
        if (QFile::exists(path))
            return path;
        const qsizetype cut = name.lastIndexOf(u'_');
        name = cut > 0 ? name.left(cut) : QString();
    }
    return QString();
}

// The first of the user's languages that hoverlet speaks, as Qt and KDE programs choose theirs.
// English, hoverlet's own language, installs nothing.
void installTranslator()
{
    registerCatalogues();
    QCoreApplication *app = QCoreApplication::instance();
    for (const QString &language : QLocale::system().uiLanguages()) {
        if (language == u"C" || language.startsWith(u"en"))
            return;
        const QString catalogue = catalogueFor(language);
        if (catalogue.isEmpty())
            continue;
        auto *translator = new QTranslator(app);
        if (translator->load(catalogue))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
        return;
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTranslator)

} // namespace hoverlet
