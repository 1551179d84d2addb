#pragma once

#include "app/controls/click_tracker.h"
#include "app/play_state.h"

#include <QWidget>

class ChoiceList;
class EventPump;
class FocusButton;
class Frame;
class Label;
class LineControl;
class Picture;
class QComboBox;
class RandomSource;
class Shape;
class SpeechEngine;
class TickTimer;
namespace WindowLayout {
struct Reading;
}

// The program's one window. It owns every control and the whole play state; its member
// functions are the event handlers and procedures of the game, defined in the folder of
// the subsystem they belong to. Handlers and procedures take no arguments and talk to each
// other only through the play state and the controls, so any of them may run nested inside
// another one that is waiting.
class frmMath : public QWidget, public PlayState
{
    Q_OBJECT

public:
    frmMath(SpeechEngine& speech, RandomSource& random, EventPump& pump, QWidget* parent = nullptr);
    ~frmMath() override;

    // Lengths of the busy waits, in passes: the start-up pause and the pause before a card is dealt.
    static constexpr double StartupPause = 1000000;
    static constexpr double DealPause = 150000;

    // True once the window was closed; waits stop and the program ends.
    bool isClosed() const;

    // --- start-up and background (app/startup.cpp)
    void Form_Load();
    void Form_Click();
    // Counts delayCounter from 1 to `bound`, letting the window process its events once a pass.
    void BusyWait(double bound);

    // --- mode selection (app/mode_selection.cpp)
    void lblStandard_Click();
    void lblInteractive_Click();
    void lblTimer_Click();
    void HideModeMarkers();
    void ShowSampleCard();

    // --- speech (speech/frm_math_speak.cpp)
    void Speak(const QString& text);

    // --- problem generator (problems/problem_generator.cpp)
    void NewProblem();
    void GenerateNumbers();
    void ComputeAnswer();
    void HideCardNumbers();
    void SpeakAnswer();

    // --- answer choices (problems/answer_choices.cpp)
    void BuildChoicesAddition();
    void BuildChoicesSubtraction();
    void BuildChoicesMultiplication();
    void BuildChoicesDivision();
    void ClearChoices();
    void ResetChoiceColours();
    void DrawCorrectPosition();
    void PlaceCorrectAnswer();
    void FillDistractorsAddition();
    void FillDistractorsSubtraction();
    void FillDistractorsMultiplication();
    void FillDistractorsDivision();
    void BumpDuplicateChoices();
    void CheckDuplicateChoices();

    // --- flash-card flow (play/card_flow.cpp)
    void lblClickMe_Click();
    void RevealOrNextCard();
    void DealInteractiveCard();
    void NextCard();

    // --- answer clicks (play/answer_clicks.cpp)
    void lbl1_Click();
    void lbl2_Click();
    void lbl3_Click();
    void lbl4_Click();
    void lbl5_Click();
    void lbl6_Click();
    void AcceptAnswer();
    void RejectAnswer();

    // --- timer mode (play/timer_mode.cpp)
    void lstTimer_Click();
    void Timer1_Timer();
    void ClearTimerSelection();

    // --- operation selection (settings/operation_selection.cpp)
    void picPlus_Click();
    void picMinus_Click();
    void picX_Click();
    void picDivide_Click();
    void HideOperationMarkers();

    // --- number range (settings/number_range.cpp)
    void cmbMinNum_Click();
    void cmbMaxNum_Click();
    void CheckRange();
    void ApplyRange();

    // --- extras (extras/)
    void Picture1_Click();
    void Picture2_Click();
    void img123_Click();
    void lblTavikaWrites_Click();
    void Label2_Click();

    // --- the controls, named as the program's handlers know them
    // left column
    Label* Label1 = nullptr;
    Label* lblInteractive = nullptr;
    Label* Label10 = nullptr;
    Shape* shapeInteractive = nullptr;
    Picture* Image2 = nullptr;
    Label* lblStandard = nullptr;
    Label* Label6 = nullptr;
    Shape* ShapeStandard = nullptr;
    Picture* Image4 = nullptr;
    Label* lblTimer = nullptr;
    Label* Label7 = nullptr;
    Shape* ShapeTimer = nullptr;
    Picture* Image1 = nullptr;
    Frame* frameTimer = nullptr;
    ChoiceList* lstTimer = nullptr;
    Shape* Shape2 = nullptr;
    Picture* Picture1 = nullptr;
    Picture* Picture2 = nullptr;
    Shape* Shape1 = nullptr;
    // title and card
    Label* lblTitle = nullptr;
    Shape* shpFlash = nullptr;
    Label* lbln1 = nullptr;
    Label* lblOperation = nullptr;
    Label* lbln2 = nullptr;
    LineControl* Line1 = nullptr;
    Label* lbln3 = nullptr;
    Label* lblClickMe = nullptr;
    Label* lblPress = nullptr;
    Label* lblTimerStatus = nullptr;
    // right
    Picture* picPlus = nullptr;
    Picture* picMinus = nullptr;
    Picture* picX = nullptr;
    Picture* picDivide = nullptr;
    Shape* shpAddition = nullptr;
    Shape* shpSubtraction = nullptr;
    Shape* shpMultiplication = nullptr;
    Shape* shpDivision = nullptr;
    Label* lblAddition = nullptr;
    Frame* frmSet = nullptr;
    QComboBox* cmbMinNum = nullptr;
    QComboBox* cmbMaxNum = nullptr;
    Picture* img123 = nullptr;
    Label* lblTavikaWrites = nullptr;
    Frame* frameChoices = nullptr;
    Label* Label4 = nullptr;
    Label* lbl1 = nullptr;
    Label* lbl2 = nullptr;
    Label* lbl3 = nullptr;
    Label* lbl4 = nullptr;
    Label* lbl5 = nullptr;
    Label* lbl6 = nullptr;
    Label* Label2 = nullptr;
    // others
    FocusButton* cmdDummy = nullptr;
    TickTimer* Timer1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls(const WindowLayout::Reading& reading);
    void bindControls();
    void connectHandlers();
    void applyStacking();

    // The six possible answers by position 1 to 6.
    Label* choiceAt(int position) const;
    // The shared body of the six answer clicks.
    void JudgeChoice(Label* clicked);
    // The shared body of the four distractor procedures; only the bound K, a function of
    // maxNumber, differs.
    void FillDistractors(double (*bound)(double maxNumber));
    // The shared body of the four build procedures.
    void BuildChoices(const QString& operationName, void (frmMath::*fill)());
    // The build procedure of the current operation, the one NewProblem uses.
    void BuildChoicesForOperation();
    // True when the loops of GenerateNumbers can find numbers for the current range.
    bool RangeCanBeDrawn() const;
    // The marker circle of an operation.
    Shape* OperationMarker(const QString& name) const;
    // Steps 2 to 9 of every operation picture.
    void ShowOperation(const QString& name);
    // The shared first steps of the three mode buttons.
    void BeginModeChange(Shape* marker, bool enableMaxList, bool showPicture, bool hideChoices);
    // Division forces the minimum to 1 and locks its list; other operations unlock it.
    void ApplyDivisionRule();
    // The shared body of the two range lists after their start-up test.
    void RangeChosen(QString PlayState::* rangeOk, QComboBox* list, QString (*confirmation)(const QString&));
    // Selects an entry of a range list from the program and raises the list's handler once.
    void selectRangeEntry(QComboBox* list, int index, void (frmMath::*handler)());
    // One draw written into a number caption: floor((maxNumber + 1) * r + k).
    void DrawInto(Label* caption, double k);

    SpeechEngine& m_speech;
    RandomSource& m_random;
    EventPump& m_pump;
    bool m_closed = false;
    ClickTracker m_backgroundClicks;
};
