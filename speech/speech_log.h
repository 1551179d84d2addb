#pragma once

#include <QLoggingCategory>

// Every phrase that reaches the speech engine is logged here at debug level, so the
// end-to-end tests can follow what the program says. Off unless
// QT_LOGGING_RULES="numivox.speech.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
