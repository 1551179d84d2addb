#include "monkey.h"

#include "app/controls/choice_list.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "app/controls/picture.h"
#include "app/controls/shape.h"
#include "app/controls/tick_timer.h"
#include "app/frmMath.h"
#include "problems/number_text.h"
#include "problems/operations.h"
#include "support/phrase_table.h"
#include "support/recording_speech_engine.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int MaxNesting = 4;

const QRegularExpression PlainWhole(QStringLiteral("^(0|[1-9]\\d*)$"));

bool isPlainWhole(const QString& text, double max)
{
    return PlainWhole.match(text).hasMatch() && text.toDouble() <= max;
}

} // namespace

Monkey::Monkey(frmMath& window, RecordingSpeechEngine& speech, HookedPump& pump, std::uint64_t seed)
    : m_window(window)
    , m_speech(speech)
    , m_pump(pump)
    , m_rng(seed)
    , m_clickTargets { "lblClickMe", "lblClickMe", "lblClickMe", "lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6",
        "lblStandard", "lblInteractive", "lblTimer", "picPlus", "picMinus", "picX", "picDivide", "Picture1", "Picture2",
        "img123", "lblTavikaWrites", "Label2", "lstTimer", "frameTimer", "frameChoices" }
{
    m_pump.hook = [this] { onPass(); };
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_link, "open");
}

Monkey::~Monkey()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    m_pump.hook = nullptr;
}

std::uint64_t Monkey::below(std::uint64_t n)
{
    return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(m_rng);
}

QString Monkey::play(long long count)
{
    for (long long i = 0; i < count; ++i) {
        ++topLevelEvents;
        maybeScheduleNested();
        playOne();
        const QString broken = check();
        if (!broken.isEmpty())
            return QStringLiteral("after event %1: %2").arg(i).arg(broken);
    }
    return QString();
}

void Monkey::maybeScheduleNested()
{
    // Now and then an event arrives in the middle of whatever pause comes next.
    if (m_nestedAt < 0 && below(3) == 0)
        scheduleNestedWithin(160000);
}

void Monkey::scheduleNestedWithin(long long passes)
{
    m_nestedAt = m_pump.passes + 1 + static_cast<long long>(below(static_cast<std::uint64_t>(passes)));
}

void Monkey::onPass()
{
    if (m_nestedAt < 0 || m_pump.passes < m_nestedAt || m_depth >= MaxNesting)
        return;
    m_nestedAt = -1;
    ++m_depth;
    deepestNesting = std::max(deepestNesting, m_depth);
    ++nestedEvents;
    maybeScheduleNested();
    playOne();
    --m_depth;
}

void Monkey::playOne()
{
    const auto roll = below(100);
    if (roll < 55)
        clickSomewhere();
    else if (roll < 75)
        chooseInRangeList();
    else if (roll < 85)
        chooseTime();
    else
        tick();
}

void Monkey::clickSomewhere()
{
    QPoint point;
    if (below(4) == 0) {
        point = QPoint(static_cast<int>(below(m_window.width())), static_cast<int>(below(m_window.height())));
    } else {
        const QString name = m_clickTargets[static_cast<int>(below(m_clickTargets.size()))];
        QWidget* control = m_window.findChild<QWidget*>(name);
        if (!control || control->isHidden() || control->width() == 0 || control->height() == 0)
            return;
        const QPoint local(static_cast<int>(below(control->width())), static_cast<int>(below(control->height())));
        point = control->mapTo(&m_window, local);
    }
    QWidget* target = m_window.childAt(point);
    if (!target)
        target = &m_window;
    // The range lists open a popup on a click; they are played by chooseInRangeList.
    for (QWidget* w = target; w; w = w->parentWidget()) {
        if (qobject_cast<QComboBox*>(w))
            return chooseInRangeList();
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&m_window, point));
}

void Monkey::chooseInRangeList()
{
    QComboBox* list = below(2) == 0 ? m_window.cmbMinNum : m_window.cmbMaxNum;
    if (!list->isEnabled())
        return; // a disabled list takes no choice
    const int index = static_cast<int>(below(list->count()));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void Monkey::chooseTime()
{
    ChoiceList* list = m_window.lstTimer;
    if (!list->isEnabled())
        return;
    QListWidgetItem* item = list->item(static_cast<int>(below(list->count())));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
}

void Monkey::tick()
{
    // The timer only ticks while it runs.
    if (m_window.Timer1->isRunning())
        m_window.Timer1_Timer();
}

QString Monkey::check()
{
    const frmMath& w = m_window;
    const RecordingSpeechEngine& speech = m_speech;
    Q_UNUSED(speech);
    const auto oneOf = [](const QString& value, const QStringList& allowed) { return allowed.contains(value); };

    if (!Operations::find(w.operation))
        return "operation " + w.operation;
    if (!oneOf(w.mode, { "standard", "interactive", "timer" }))
        return "mode " + w.mode;
    if (w.awaitingAnswer != 0 && w.awaitingAnswer != 1)
        return QStringLiteral("awaitingAnswer %1").arg(w.awaitingAnswer);
    if (!oneOf(w.muteFlag, { "", "x", " " }))
        return "muteFlag '" + w.muteFlag + "'";
    if (!w.startupMarker.isEmpty())
        return "startupMarker " + w.startupMarker;
    if (!oneOf(w.minRangeOk, { "y", "n" }) || w.minRangeOk != w.maxRangeOk)
        return "range flags " + w.minRangeOk + "/" + w.maxRangeOk;
    if (!oneOf(w.duplicateFound, { "", "n" }))
        return "duplicateFound " + w.duplicateFound;
    if (!oneOf(w.revealHintSpoken, { "", "y" }) || !oneOf(w.continueHintSpoken, { "", "y" })
        || (w.answerHintSpoken != 0 && w.answerHintSpoken != 1))
        return QStringLiteral("hint flags");
    if (!(0 <= w.minNumber && w.minNumber <= w.maxNumber && w.maxNumber <= 100))
        return QStringLiteral("range %1..%2").arg(w.minNumber).arg(w.maxNumber);

    // Exactly the markers of the current mode and operation.
    const QList<const Shape*> modeMarkers = { w.ShapeStandard, w.shapeInteractive, w.ShapeTimer };
    const QStringList modes = { "standard", "interactive", "timer" };
    for (int i = 0; i < 3; ++i) {
        if (modeMarkers[i]->isHidden() == (modes[i] == w.mode))
            return "mode marker " + modes[i];
    }
    const QList<const Shape*> operationMarkers
        = { w.shpAddition, w.shpSubtraction, w.shpMultiplication, w.shpDivision };
    const QStringList operations = { "addition", "subtraction", "multiplication", "division" };
    for (int i = 0; i < 4; ++i) {
        if (operationMarkers[i]->isHidden() == (operations[i] == w.operation))
            return "operation marker " + operations[i];
    }
    if (w.lblOperation->caption() != Operations::find(w.operation)->sign)
        return "sign " + w.lblOperation->caption();

    // The card: plain whole numbers of the range, following the rule of the operation.
    const QString c1 = w.lbln1->caption();
    const QString c2 = w.lbln2->caption();
    const QString c3 = w.lbln3->caption();
    if (!isPlainWhole(c1, w.maxNumber) || !isPlainWhole(c2, w.maxNumber))
        return "card numbers " + c1 + ", " + c2;
    if (!c3.isEmpty() && !isPlainWhole(c3, 10000))
        return "card answer " + c3;
    const double n1 = c1.toDouble();
    const double n2 = c2.toDouble();
    if (w.operation == QLatin1String("subtraction") && n1 < n2)
        return "negative subtraction " + c1 + " - " + c2;
    if (w.operation == QLatin1String("division") && (n2 < 1 || n1 < 1 || std::floor(n1 / n2) != n1 / n2))
        return "division " + c1 + " / " + c2;

    // Interactive mode: six different choices, exactly one right, and right for this card.
    if (w.mode == QLatin1String("interactive")) {
        if (w.frameChoices->isHidden())
            return QStringLiteral("choices hidden in interactive mode");
        QStringList captions;
        int right = 0;
        for (const Label* choice : { w.lbl1, w.lbl2, w.lbl3, w.lbl4, w.lbl5, w.lbl6 }) {
            const QString text = choice->caption();
            if (!isPlainWhole(text, 10005))
                return "choice '" + text + "'";
            if (captions.contains(text))
                return "repeated choice " + text;
            captions << text;
            if (static_cast<float>(NumberText::parseLeading(text)) == w.correctAnswer)
                ++right;
        }
        if (right != 1)
            return QStringLiteral("%1 right choices among %2").arg(right).arg(captions.join(','));
        const double answer = *Operations::apply(w.operation, n1, n2);
        if (static_cast<float>(answer) != w.correctAnswer)
            return QStringLiteral("correctAnswer %1 for the card %2 %3 %4")
                .arg(w.correctAnswer)
                .arg(c1, w.operation, c2);
    }

    for (; m_checkedPhrases < m_speech.phrases.size(); ++m_checkedPhrases) {
        const QString& phrase = m_speech.phrases[m_checkedPhrases];
        if (!PhraseTable::isProgramPhrase(phrase))
            return "unknown phrase '" + phrase + "'";
    }
    return QString();
}
