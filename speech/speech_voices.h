#pragma once

#include <QString>

#include <memory>

class SpeechEngine;

// Languages are named as Qt names them: "en", "de", "pt_BR".
// True when this machine has a voice for the language. English always has one.
bool speechVoiceAvailable(const QString& language);

// The program's voice for the language, speaking into the user's sound server.
std::unique_ptr<SpeechEngine> createSystemSpeechEngine(const QString& language);

// True while a speech worker is still running after its engine was destroyed: it could not be
// stopped in time (a voice loading from a slow disk, a stuck sound server) and may be inside a
// synthesiser, whose library's static objects must not be destroyed under it.
bool speechWorkerStillRunning();
