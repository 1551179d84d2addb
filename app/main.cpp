#include "app/event_pump.h"
#include "app/frmMath.h"
#include "app/language.h"
#include "problems/random_source.h"
#include "speech/speech_engine.h"
#include "speech/speech_voices.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numivox"));
    QApplication::setDesktopFileName(QStringLiteral("org.numivox.Numivox"));
    // The same look on every desktop: the window is laid out to the pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    const QString language = Language::install(app);
    const std::unique_ptr<SpeechEngine> speech = createSystemSpeechEngine(language);
    ClockRandomSource random;
    ApplicationEventPump pump;
    frmMath window(*speech, random, pump);
    window.Form_Load();
    // Closing the window during the start-up pause ends the program before the event
    // loop was ever entered.
    if (window.isClosed())
        return 0;
    return app.exec();
}
