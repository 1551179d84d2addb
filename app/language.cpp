#include "app/language.h"

#include "speech/speech_voices.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

namespace Language {

namespace {

const QString English = QStringLiteral("en");

// The names a preferred language may have a translation under: "pt-BR" tries "pt_BR", then "pt".
QStringList candidates(const QString& uiLanguage)
{
    const QLocale locale(uiLanguage);
    QStringList names;
    if (locale.territory() != QLocale::AnyTerritory)
        names << locale.name();
    names << QLocale::languageToCode(locale.language());
    return names;
}

} // namespace

QString translationResource(const QString& language)
{
    return QStringLiteral(":/i18n/numivox_%1.qm").arg(language);
}

QString install(QCoreApplication& app, const QLocale& preferences)
{
    for (const QString& uiLanguage : preferences.uiLanguages()) {
        const QLocale::Language language = QLocale(uiLanguage).language();
        // English, or a C/POSIX locale: the program as written.
        if (language == QLocale::English || language == QLocale::C)
            return English;
        for (const QString& name : candidates(uiLanguage)) {
            if (!QFile::exists(translationResource(name)))
                continue;
            if (!speechVoiceAvailable(name))
                return English;
            auto* translator = new QTranslator(&app);
            if (!translator->load(translationResource(name))) {
                delete translator;
                return English;
            }
            QCoreApplication::installTranslator(translator);
            return name;
        }
    }
    return English;
}

} // namespace Language
