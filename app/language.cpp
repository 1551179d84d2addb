#include "app/language.h"

#include "speech/speech_voices.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace Language {

namespace {

const QString English = QStringLiteral("en");

QString& currentLanguage()
{
    static QString language = English;
    return language;
}

// The names a preferred language may have a translation under: "pt-BR" tries "pt_BR", then
// "pt"; "zh" tries "zh", then "zh_CN". A bare "pt" tries only "pt": Qt fills in Brazil as its likely country, but a
// desktop that says "pt" means Portugal's Portuguese, as "pt" does in gettext.
QStringList candidates(const QString& uiLanguage)
{
    const QLocale locale(uiLanguage);
    QStringList names;
    const bool namesTerritory = uiLanguage.contains(QLatin1Char('-')) || uiLanguage.contains(QLatin1Char('_'));
    if (namesTerritory && locale.territory() != QLocale::AnyTerritory)
        names << locale.name();
    names << QLocale::languageToCode(locale.language());
    // Chinese is written two ways; "zh", "zh-Hans" or "zh-SG" can read the simplified
    // characters of the mainland, the one written Chinese Numivox has.
    if (locale.language() == QLocale::Chinese && locale.script() != QLocale::TraditionalHanScript)
        names << QStringLiteral("zh_CN");
    return names;
}

// Installs the translation if this machine can also speak it.
bool installTranslation(QCoreApplication& app, const QString& name)
{
    if (!QFile::exists(translationResource(name)) || !speechVoiceAvailable(name))
        return false;
    auto* translator = new QTranslator(&app);
    if (!translator->load(translationResource(name))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

QString translationResource(const QString& language)
{
    return QStringLiteral(":/i18n/numivox_%1.qm").arg(language);
}

QString current()
{
    return currentLanguage();
}

void setCurrent(const QString& language)
{
    currentLanguage() = language;
}

QString install(QCoreApplication& app, const QStringList& preferences)
{
    // Every preference in its order: one we cannot show and say lets the next one try.
    for (const QString& uiLanguage : preferences) {
        const QLocale::Language language = QLocale(uiLanguage).language();
        if (language == QLocale::English) {
            setCurrent(English);
            return English;
        }
        // A C or POSIX locale, and a code Qt does not know ("xx"), name no language to try;
        // when nothing else is preferred the program stays English.
        if (language == QLocale::C)
            continue;
        for (const QString& name : candidates(uiLanguage)) {
            if (installTranslation(app, name)) {
                setCurrent(name);
                return name;
            }
        }
    }
    setCurrent(English);
    return English;
}

} // namespace Language
