#include "app/controls/choice_list.h"
#include "app/controls/label.h"
#include "app/controls/tick_timer.h"
#include "app/frmMath.h"
#include "app/phrases.h"
#include "problems/number_text.h"

#include <QComboBox>

#include <cmath>

namespace {

constexpr int FirstTickDelay = 3000; // from a choice in the list to the first tick
constexpr int AnswerShownFor = 2000; // how long a revealed answer stays before the next card

// The row of the selected entry, or -1 when none is selected.
int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

} // namespace

void frmMath::lstTimer_Click()
{
    cmbMinNum->setEnabled(false);
    cmbMaxNum->setEnabled(false);
    if (mode != QLatin1String("timer"))
        return;
    Timer1->setEnabled(false);
    Speak(Phrases::timerMode());
    const int row = selectedRow(lstTimer);
    if (row != -1) {
        const QString seconds = lstTimer->item(row)->text();
        Speak(Phrases::seconds(seconds));
        timerInterval = NumberText::parseLeading(seconds) * 1000;
        Timer1->setInterval(FirstTickDelay);
        Timer1->setEnabled(true);
    } else {
        Timer1->setEnabled(false);
    }
}

void frmMath::Timer1_Timer()
{
    Timer1->setInterval(static_cast<int>(std::lround(timerInterval)));
    if (!lbln3->isHidden()) {
        HideCardNumbers();
        BusyWait(DealPause);
        NextCard();
        timerInterval = Timer1->interval();
    } else {
        SpeakAnswer();
        Timer1->setInterval(AnswerShownFor);
    }
}

void frmMath::ClearTimerSelection()
{
    // Deselecting from the program raises no choice of the list: only the user chooses.
    for (int row = 0; row < lstTimer->count(); ++row)
        lstTimer->item(row)->setSelected(false);
}
