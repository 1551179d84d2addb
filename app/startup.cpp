#include "app/frmMath.h"

#include "app/controls/choice_list.h"
#include "app/controls/focus_button.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/tick_timer.h"
#include "app/event_pump.h"
#include "app/phrases.h"
#include "app/window_layout.h"
#include "problems/number_text.h"

#include <QComboBox>

namespace {

// Entries of the range lists that start-up selects: "0" and "12".
constexpr int StartupMinimumEntry = 0;
constexpr int StartupMaximumEntry = 9;

} // namespace

void frmMath::Form_Load()
{
    startupMarker = QStringLiteral("44");
    cmdDummy->move(WindowLayout::toPixels(WindowLayout::FocusButtonLeftTwips),
        WindowLayout::toPixels(WindowLayout::FocusButtonTopTwips));
    lblTimerStatus->setCaption(QString());
    awaitingAnswer = 0;
    mode = QStringLiteral("standard");
    lstTimer->setEnabled(false);
    Timer1->setEnabled(false);
    operation = QStringLiteral("addition");
    minNumber = 0;
    maxNumber = 12;
    // Both selections raise their list's handler, which does nothing while startupMarker
    // is "44"; the maximum list's handler then clears the marker.
    selectRangeEntry(cmbMinNum, StartupMinimumEntry, &frmMath::cmbMinNum_Click);
    selectRangeEntry(cmbMaxNum, StartupMaximumEntry, &frmMath::cmbMaxNum_Click);
    minRangeOk = QStringLiteral("y");
    maxRangeOk = QStringLiteral("y");
    frameChoices->setVisible(false);
    lbln1->setCaption(NumberText::inShownDigits(QStringLiteral("12")));
    lbln2->setCaption(NumberText::inShownDigits(QStringLiteral("12")));
    lbln3->setCaption(NumberText::inShownDigits(QStringLiteral("24")));
    correctAnswer = 24;
    lbln1->setVisible(true);
    lbln2->setVisible(true);
    lbln3->setVisible(true);
    m_pump.processPendingEvents();
    show();
    BusyWait(StartupPause);
    Speak(Phrases::welcome());
}

void frmMath::Form_Click()
{
    Timer1->setEnabled(false);
}

void frmMath::BusyWait(double bound)
{
    // The pause is a count, not a clock: every pass lets the window handle its events, so
    // clicks made during the pause run nested here and may move the shared counter.
    for (delayCounter = 1; delayCounter <= bound; delayCounter += 1) {
        if (m_closed) {
            delayCounter = bound + 1;
            return;
        }
        m_pump.processPendingEvents();
    }
}
