#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The child's language: the first of the desktop's preferred languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) that Numivox has a translation for and this machine has a voice for;
// English, exactly as the program is written, when English comes first or none fits. Text and
// voice always go together: a language without its voice is passed over for both.
namespace Language {

// The translations compiled into the program, named as Qt names languages ("de", "pt_BR").
QString translationResource(const QString& language);

// Installs the translation of the chosen language in the application and returns the
// language for the speech engine ("en" when the program stays English). The preferences are
// as Qt lists them ("de", "de-Latn-DE", "de-DE", "fr", ...).
QString install(QCoreApplication& app, const QStringList& preferences = QLocale::system().uiLanguages());

// The language of the installed translation, whose rules say its numbers in words ("en" before
// any); install() sets it, and so may a test that installs a translation of its own.
QString current();
void setCurrent(const QString& language);

} // namespace Language
