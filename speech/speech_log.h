#pragma once

#include <QLoggingCategory>

// Every phrase that reaches the speech engine is logged here at debug level, so the
// end-to-end tests can follow what the program says. Off unless
// QT_LOGGING_RULES="numivox.speech.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)

// The voice that speaks, logged on the speech worker when it first speaks and whenever another
// takes over: numivox.speech.voice: "festival cmu_us_slt_arctic_hts". Off unless
// QT_LOGGING_RULES="numivox.speech.voice.debug=true".
const QLoggingCategory& lcSpeechVoice();
