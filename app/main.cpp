#include "access/screen_reader_voice.h"
#include "app/event_pump.h"
#include "app/frmMath.h"
#include "app/language.h"
#include "problems/random_source.h"
#include "speech/speech_actions.h"
#include "speech/speech_engine.h"
#include "speech/speech_voices.h"
#include "speech/switched_speech_engine.h"

#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>

namespace {

// The window from start to close; returns the program's exit status.
int play(QApplication& app, const QString& language)
{
    const std::unique_ptr<SpeechEngine> ownVoice = createSystemSpeechEngine(language);
    SwitchedSpeechEngine speech(*ownVoice);
    ClockRandomSource random;
    ApplicationEventPump pump;
    frmMath window(speech, random, pump);
    (new ScreenReaderVoice(window, speech))->followDesktop();
    window.Form_Load();
    // Closing the window during the start-up pause ends the program before the event
    // loop was ever entered.
    if (window.isClosed())
        return 0;
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    ActionApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numivox"));
    QApplication::setDesktopFileName(QStringLiteral("org.numivox.Numivox"));
    // The same look on every desktop: the window is laid out to the pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const QString language = Language::install(app);
    const int status = play(app, language);
    // Closing ends the program at once, even when the speech worker is still inside a synthesiser
    // that cannot be interrupted (a voice loading from a slow disk). The static objects of that
    // synthesiser's library must not be destroyed under it, so the process then ends without
    // destroying anything; nothing is saved anyway.
    if (speechWorkerStillRunning()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
