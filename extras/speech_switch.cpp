#include "app/controls/picture.h"
#include "app/frmMath.h"
#include "speech/speech_engine.h"

void frmMath::Picture1_Click()
{
    Picture1->setVisible(false);
    Picture2->setVisible(true);
    muteFlag = QStringLiteral("x");
    // What is still waiting to be said is dropped; the phrase being spoken ends by itself.
    m_speech.dropWaiting();
}

void frmMath::Picture2_Click()
{
    Picture1->setVisible(true);
    Picture2->setVisible(false);
    muteFlag = QStringLiteral(" ");
}
