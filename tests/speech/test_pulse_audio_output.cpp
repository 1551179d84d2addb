#include "speech/pulse_audio_output.h"

#include <QByteArray>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <vector>

namespace {

std::vector<int16_t> tone(int sampleRate, double seconds)
{
    std::vector<int16_t> samples(static_cast<std::size_t>(sampleRate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440 * static_cast<double>(i) / sampleRate));
    return samples;
}

} // namespace

// The PulseAudio output on its own: quiet failure without a server, and real playback when
// one is reachable (the end-to-end setup starts one with a null sink).
class TestPulseAudioOutput : public QObject
{
    Q_OBJECT

private slots:
    void missingServerFailsQuietly();
    void playsThroughReachableServer();
};

void TestPulseAudioOutput::missingServerFailsQuietly()
{
    // libpulse reads PULSE_SERVER on every connect.
    const QByteArray oldServer = qgetenv("PULSE_SERVER");
    const bool hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
    const auto restore = qScopeGuard([&] {
        if (hadServer)
            qputenv("PULSE_SERVER", oldServer);
        else
            qunsetenv("PULSE_SERVER");
    });
    qputenv("PULSE_SERVER", "unix:/nonexistent/numivox-test/native");
    PulseAudioOutput output;
    QVERIFY(!output.open(22050));
    QVERIFY(!output.isOpen());

    const std::vector<int16_t> audio = tone(22050, 0.1);
    QVERIFY(!output.write(audio.data(), audio.size()));
    // Neither may crash on a closed output.
    output.drain();
    output.close();
    QVERIFY(!output.isOpen());
}

void TestPulseAudioOutput::playsThroughReachableServer()
{
    PulseAudioOutput output;
    if (!output.open(22050))
        QSKIP("no sound server");
    QVERIFY(output.isOpen());
    // Opening again keeps the connection.
    QVERIFY(output.open(22050));

    const std::vector<int16_t> audio = tone(22050, 0.3);
    QVERIFY(output.write(audio.data(), audio.size()));

    // The sound server's mixer lists the program by name.
    const QString pactl = QStandardPaths::findExecutable("pactl");
    if (!pactl.isEmpty()) {
        QProcess list;
        list.start(pactl, { "list", "sink-inputs" });
        QVERIFY(list.waitForFinished(10000));
        const QByteArray inputs = list.readAllStandardOutput();
        QVERIFY2(inputs.contains("application.name = \"Numivox\""), inputs.constData());
        QVERIFY2(inputs.contains("media.name = \"Numivox\""), inputs.constData());
    }

    output.drain();
    output.close();
    QVERIFY(!output.isOpen());
    QVERIFY(!output.write(audio.data(), audio.size()));

    // A closed output can be opened again, as after a sound server restart.
    QVERIFY(output.open(22050));
    QVERIFY(output.write(audio.data(), audio.size()));
}

QTEST_GUILESS_MAIN(TestPulseAudioOutput)
#include "test_pulse_audio_output.moc"
