#include "speech/speech_voices.h"

#include "speech/espeak_speech_engine.h"

#include <QDir>
#include <QDirIterator>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

// A stand-in until the voices of every language are in: a language counts as available when
// eSpeak NG has its voice file, and every language is spoken by the program's English voice.

namespace {

QString espeakDataPath()
{
    // Sets eSpeak's data path from ESPEAK_DATA_PATH or its built-in default, without
    // loading any voice.
    espeak_ng_InitializePath(nullptr);
    const char* path = nullptr;
    espeak_Info(&path);
    if (path && *path)
        return QString::fromLocal8Bit(path);
    return QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data");
}

} // namespace

bool speechVoiceAvailable(const QString& language)
{
    if (language == QLatin1String("en"))
        return true;
    // eSpeak names its voices with a hyphen ("pt-BR") under lang/<family>/.
    const QString voice = QString(language).replace(QLatin1Char('_'), QLatin1Char('-'));
    QDirIterator files(espeakDataPath() + QStringLiteral("/lang"), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        if (files.next().section(QLatin1Char('/'), -1).compare(voice, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

std::unique_ptr<SpeechEngine> createSystemSpeechEngine(const QString&)
{
    return createSystemSpeechEngine();
}
