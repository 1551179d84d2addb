#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The child's language: the first of the desktop's preferred languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) that Numivox has a translation for, as long as this machine also has a
// voice for it; otherwise English, exactly as the program is written. Text and voice always
// go together: a language without its voice falls back to English for both.
namespace Language {

// The translations compiled into the program, named as Qt names languages ("de", "pt_BR").
QString translationResource(const QString& language);

// Installs the translation of the chosen language in the application and returns the
// language for the speech engine ("en" when the program stays English).
QString install(QCoreApplication& app, const QLocale& preferences = QLocale::system());

} // namespace Language
