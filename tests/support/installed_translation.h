#pragma once

#include "app/language.h"

#include <QCoreApplication>
#include <QTranslator>

// The translation of one language, installed for the lifetime of a test.
class InstalledTranslation
{
public:
    explicit InstalledTranslation(const QString& language)
    {
        m_loaded = m_translator.load(Language::translationResource(language));
        if (m_loaded) {
            QCoreApplication::installTranslator(&m_translator);
            Language::setCurrent(language);
        }
    }
    ~InstalledTranslation()
    {
        QCoreApplication::removeTranslator(&m_translator);
        Language::setCurrent(QStringLiteral("en"));
    }
    bool loaded() const { return m_loaded; }
    QString language() const { return m_translator.language(); }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};
