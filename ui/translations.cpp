#include "translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace molvera {

using namespace Qt::StringLiterals;

namespace {

// The compiled catalogues are resources of the program: molvera_de.qm and so on.
constexpr QStringView CatalogueFolder = u":/i18n/";

// The catalogue name ("pt_BR", "de") for a UI language ("pt-BR", "de-DE", "de"): the language
// with its territory if molvera has that, else the language alone; empty for English and for a
// language molvera does not have.
QString catalogueFor(const QString &uiLanguage)
{
    QString name = uiLanguage;
    name.replace(u'-', u'_');
    const QString language = name.section(u'_', 0, 0);
    if (language == "en"_L1 || language == "C"_L1)
        return u"en"_s;
    for (const QString &candidate : {name, language}) {
        if (QFile::exists(CatalogueFolder + u"molvera_"_s + candidate + u".qm"_s))
            return candidate;
    }
    return {};
}

void install(QCoreApplication &app, const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    translator->setObjectName(u"molvera-translation"_s);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

std::string translatedText(const char *context, const char *english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

QString installTranslations(QCoreApplication &app, const QStringList &uiLanguages)
{
    for (const QString &uiLanguage : uiLanguages) {
        const QString catalogue = catalogueFor(uiLanguage);
        if (catalogue.isEmpty())
            continue;
        if (catalogue == "en"_L1)
            return {};
        install(app, u"molvera_"_s + catalogue, CatalogueFolder.toString());
        // Qt's own dialogs and buttons, from the system's Qt translations.
        install(app, u"qtbase_"_s + catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return catalogue;
    }
    return {};
}

} // namespace molvera
