#pragma once

#include "speech/speech_engine.h"

#include <functional>

// The program's voice with a second way out, chosen while the program runs: while another
// way is set (a screen reader that speaks for the program), every phrase goes there, in
// order, and the own voice stays silent; without one, everything goes to the own voice as
// before.
class SwitchedSpeechEngine : public SpeechEngine
{
public:
    using OtherWay = std::function<void(const QString& phrase)>;

    explicit SwitchedSpeechEngine(SpeechEngine& own);

    // An empty way gives the phrases back to the own voice. The own voice keeps the phrase it
    // is speaking and drops the ones still waiting, so two voices never go on together.
    void setOtherWay(OtherWay way);
    bool ownVoice() const { return !m_other; }

    void prepare() override;
    void speak(const QString& phrase) override;
    void dropWaiting() noexcept override;

private:
    SpeechEngine& m_own;
    OtherWay m_other;
};
