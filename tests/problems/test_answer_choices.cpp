#include "app/colours.h"
#include "app/controls/frame.h"
#include "app/controls/label.h"
#include "problem_checks.h"
#include "problems/number_text.h"
#include "real_window.h"
#include "support/test_window.h"

#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

void setChoiceCaptions(frmMath& w, const QStringList& captions)
{
    for (int position = 1; position <= 6; ++position)
        choice(w, position)->setCaption(captions[position - 1]);
}

double answerOf(const QString& operation, double a, double b)
{
    if (operation == QLatin1String("addition"))
        return a + b;
    if (operation == QLatin1String("subtraction"))
        return a - b;
    if (operation == QLatin1String("multiplication"))
        return a * b;
    return a / b;
}

// The largest distractor drawn before the choices are made distinct.
double distractorBound(const QString& operation, double maxNumber)
{
    if (operation == QLatin1String("addition"))
        return 2 * maxNumber;
    if (operation == QLatin1String("subtraction"))
        return maxNumber;
    if (operation == QLatin1String("multiplication"))
        return maxNumber * maxNumber;
    return maxNumber / 2;
}

QString wordOf(const QString& operation)
{
    const QStringList words = { "plus", "minus", "times", "divided by" };
    return words[AllOperations.indexOf(operation)];
}

// Fractions that make the generator of the answer choices produce exactly these values.
double fractionForPosition(int position)
{
    return (position - 0.5) / 6;
}

double fractionForDistractor(int value, double bound)
{
    return std::max(0.0, value - 0.25) / bound;
}

} // namespace

// The six possible answers: the rules every set of choices keeps with real random
// numbers, and the exact steps of a build with scripted numbers.
class AnswerChoicesTest : public QObject
{
    Q_OBJECT

private slots:
    void buildsKeepTheirRules_data();
    void buildsKeepTheirRules();
    void scriptedBuildsPlaceTheirChoices_data();
    void scriptedBuildsPlaceTheirChoices();
    void drawnPositionGetsTheCorrectAnswer_data();
    void drawnPositionGetsTheCorrectAnswer();
    void duplicatesAreRaisedFromTheLeft_data();
    void duplicatesAreRaisedFromTheLeft();
    void clearAndResetTouchOnlyTheirOwnPart();
};

void AnswerChoicesTest::buildsKeepTheirRules_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("high");
    for (const QString& operation : AllOperations) {
        for (int high : { 3, 4, 7, 12, 13, 100 })
            QTest::addRow("%s up to %d", qPrintable(operation), high) << operation << high;
    }
}

void AnswerChoicesTest::buildsKeepTheirRules()
{
    QFETCH(QString, operation);
    QFETCH(int, high);
    RealWindow t;
    frmMath& w = t.w;
    w.mode = QStringLiteral("interactive");
    w.operation = operation;
    w.maxNumber = high;
    // Colours are the caller's business: a build leaves them as they are.
    const QList<int> colours = { Colours::White, Colours::Red, Colours::White, Colours::Green, Colours::White, 42 };
    for (int position = 1; position <= 6; ++position)
        choice(w, position)->setBackColour(colours[position - 1]);
    const double largestDistractor = std::floor(distractorBound(operation, high));

    for (int build = 0; build < 300; ++build) {
        w.frameChoices->setVisible(false);
        // The one pass of GenerateNumbers falls between drawing the numbers and the build.
        long long drawsBeforeBuild = -1;
        t.pump.reset();
        t.pump.at(1, [&] { drawsBeforeBuild = t.random.draws; });
        QVERIFY(t.deal());
        QCOMPARE(t.random.draws - drawsBeforeBuild, 6LL);

        const float correct = static_cast<float>(answerOf(operation, valueOf(w.lbln1), valueOf(w.lbln2)));
        QCOMPARE(w.correctAnswer, correct);
        QCOMPARE(w.operationWord, wordOf(operation));
        QVERIFY(!w.frameChoices->isHidden());
        const QStringList captions = choiceCaptions(w);
        const QByteArray shown = (w.lbln1->caption() + " " + w.lbln2->caption() + ": " + captions.join(' ')).toUtf8();
        QVERIFY2(QSet<QString>(captions.begin(), captions.end()).size() == 6, shown.constData());
        int right = 0;
        for (int position = 1; position <= 6; ++position) {
            const QString& caption = captions[position - 1];
            QVERIFY2(isPlainWholeNumber(caption), shown.constData());
            QVERIFY2(NumberText::parseLeading(caption) <= std::max<double>(largestDistractor, correct) + 5,
                shown.constData());
            if (static_cast<float>(NumberText::parseLeading(caption)) == correct)
                ++right;
            QCOMPARE(choice(w, position)->backColour(), colours[position - 1]);
        }
        QVERIFY2(right == 1, shown.constData());
    }
}

void AnswerChoicesTest::scriptedBuildsPlaceTheirChoices_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<double>("high");
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("distractors");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("right");

    QTest::newRow("division up to 3: 0 and 1 spread out in five passes")
        << "division" << 3.0 << "3"
        << "1" << 2 << QList<int> { 1, 0, 1, 1, 0 } << QStringList { "1", "3", "0", "2", "4", "5" } << 2;
    QTest::newRow("subtraction: an earlier distractor takes the correct value")
        << "subtraction" << 8.0 << "8"
        << "2" << 4 << QList<int> { 6, 2, 8, 6, 1 } << QStringList { "6", "2", "8", "7", "9", "1" } << 1;
    QTest::newRow("addition: a later distractor with the correct value is raised")
        << "addition" << 12.0 << "5"
        << "3" << 2 << QList<int> { 1, 8, 3, 4, 5 } << QStringList { "1", "8", "9", "3", "4", "5" } << 2;
    QTest::newRow("multiplication up to 100 reaches 10005")
        << "multiplication" << 100.0 << "100"
        << "100" << 1 << QList<int> { 10000, 10000, 10000, 10000, 10000 }
        << QStringList { "10000", "10001", "10002", "10003", "10004", "10005" } << 1;
    // Distractors across the whole bound of each operation, which depends on the maximum only.
    QTest::newRow("addition bound 2M") << "addition" << 12.0 << "7"
                                       << "4" << 6 << QList<int> { 0, 6, 12, 18, 24 }
                                       << QStringList { "0", "6", "12", "18", "24", "11" } << 6;
    QTest::newRow("subtraction bound M") << "subtraction" << 12.0 << "8"
                                         << "1" << 3 << QList<int> { 0, 3, 9, 12, 6 }
                                         << QStringList { "0", "3", "7", "9", "12", "6" } << 3;
    QTest::newRow("multiplication bound M squared")
        << "multiplication" << 12.0 << "7"
        << "4" << 5 << QList<int> { 144, 0, 36, 72, 108 } << QStringList { "144", "0", "36", "72", "28", "108" } << 5;
    QTest::newRow("division bound M / 2: 12 / 1 above every distractor")
        << "division" << 12.0 << "12"
        << "1" << 1 << QList<int> { 6, 6, 6, 6, 6 } << QStringList { "12", "6", "7", "8", "9", "10" } << 1;
    QTest::newRow("subtraction to zero, distractor 0 raised")
        << "subtraction" << 5.0 << "4"
        << "4" << 1 << QList<int> { 0, 5, 1, 2, 3 } << QStringList { "0", "1", "5", "2", "3", "4" } << 1;
}

void AnswerChoicesTest::scriptedBuildsPlaceTheirChoices()
{
    QFETCH(QString, operation);
    QFETCH(double, high);
    QFETCH(QString, n1);
    QFETCH(QString, n2);
    QFETCH(int, position);
    QFETCH(QList<int>, distractors);
    QFETCH(QStringList, captions);
    QFETCH(int, right);
    TestWindow t;
    frmMath& w = t.w();
    w.mode = QStringLiteral("interactive");
    w.awaitingAnswer = 1;
    w.maxNumber = high;
    w.minNumber = 1234; // the choices never look at the minimum
    w.lbln1->setCaption(n1);
    w.lbln2->setCaption(n2);
    QList<double> script { fractionForPosition(position) };
    for (int d : distractors)
        script << fractionForDistractor(d, distractorBound(operation, high));
    t.random.script(script);
    using Procedure = void (frmMath::*)();
    const Procedure builds[] = { &frmMath::BuildChoicesAddition, &frmMath::BuildChoicesSubtraction,
        &frmMath::BuildChoicesMultiplication, &frmMath::BuildChoicesDivision };

    (w.*builds[AllOperations.indexOf(operation)])();

    QCOMPARE(choiceCaptions(w), captions);
    QCOMPARE(t.random.draws, 6);
    QCOMPARE(t.random.reseeds, 0);
    QCOMPARE(w.delayCounter, double(position));
    QCOMPARE(w.operationWord, wordOf(operation));
    const Procedure clicks[] = { &frmMath::lbl1_Click, &frmMath::lbl2_Click, &frmMath::lbl3_Click, &frmMath::lbl4_Click,
        &frmMath::lbl5_Click, &frmMath::lbl6_Click };
    (w.*clicks[right - 1])();
    QCOMPARE(choice(w, right)->backColour(), Colours::Green);
    QCOMPARE(w.awaitingAnswer, 0);
    QCOMPARE(t.speech.phrases, QStringList { captions[right - 1] });
}

void AnswerChoicesTest::drawnPositionGetsTheCorrectAnswer_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("position");
    QTest::newRow("0") << 0.0 << 1;
    QTest::newRow("0.2") << 0.2 << 2;
    QTest::newRow("0.4") << 0.4 << 3;
    QTest::newRow("0.5") << 0.5 << 4;
    QTest::newRow("0.7") << 0.7 << 5;
    QTest::newRow("0.9") << 0.9 << 6;
    // Narrowed to single precision this fraction would round up to 1 and name no label.
    QTest::newRow("just below 1") << 0.99999999 << 6;
}

void AnswerChoicesTest::drawnPositionGetsTheCorrectAnswer()
{
    QFETCH(double, fraction);
    QFETCH(int, position);
    TestWindow t;
    frmMath& w = t.w();
    setChoiceCaptions(w, QStringList(6, QStringLiteral("x")));
    w.correctAnswer = 24;
    t.random.script({ fraction });

    w.DrawCorrectPosition();
    w.PlaceCorrectAnswer();

    QCOMPARE(w.delayCounter, double(position));
    QStringList expected(6, QStringLiteral("x"));
    expected[position - 1] = QStringLiteral("24");
    QCOMPARE(choiceCaptions(w), expected);
}

void AnswerChoicesTest::duplicatesAreRaisedFromTheLeft_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("duplicateFound");

    const QStringList sixThrees(6, QStringLiteral("3"));
    QTest::newRow("six equal, one pass") << sixThrees << 1 << QStringList { "3", "4", "4", "4", "4", "4" } << "y";
    QTest::newRow("six equal, four passes") << sixThrees << 4 << QStringList { "3", "4", "5", "6", "7", "7" } << "y";
    QTest::newRow("six equal, five passes") << sixThrees << 5 << QStringList { "3", "4", "5", "6", "7", "8" } << "n";
    QTest::newRow("a raised label compares with its new text")
        << QStringList { "1", "1", "2", "7", "8", "9" } << 1 << QStringList { "1", "2", "3", "7", "8", "9" } << "n";
    QTest::newRow("a label is raised once a pass")
        << QStringList { "1", "2", "1", "7", "8", "9" } << 1 << QStringList { "1", "2", "2", "7", "8", "9" } << "y";
    QTest::newRow("nine raised to ten") << QStringList { "9", "9", "10", "0", "8", "1" } << 1
                                        << QStringList { "9", "10", "11", "0", "8", "1" } << "n";
    QTest::newRow("check alone: the last pair")
        << QStringList { "1", "2", "3", "4", "9", "9" } << 0 << QStringList { "1", "2", "3", "4", "9", "9" } << "y";
    QTest::newRow("check alone: the first and the last")
        << QStringList { "5", "2", "3", "4", "9", "5" } << 0 << QStringList { "5", "2", "3", "4", "9", "5" } << "y";
    QTest::newRow("check alone: all different")
        << QStringList { "1", "2", "3", "4", "5", "6" } << 0 << QStringList { "1", "2", "3", "4", "5", "6" } << "n";
}

void AnswerChoicesTest::duplicatesAreRaisedFromTheLeft()
{
    QFETCH(QStringList, before);
    QFETCH(int, passes);
    QFETCH(QStringList, after);
    QFETCH(QString, duplicateFound);
    TestWindow t;
    frmMath& w = t.w();
    setChoiceCaptions(w, before);
    w.duplicateFound = duplicateFound == QLatin1String("y") ? QStringLiteral("n") : QStringLiteral("y");

    for (int pass = 0; pass < passes; ++pass)
        w.BumpDuplicateChoices();
    w.CheckDuplicateChoices();

    QCOMPARE(choiceCaptions(w), after);
    QCOMPARE(w.duplicateFound, duplicateFound);
}

void AnswerChoicesTest::clearAndResetTouchOnlyTheirOwnPart()
{
    TestWindow t;
    frmMath& w = t.w();
    w.frameChoices->setVisible(true);
    setChoiceCaptions(w, { "1", "2", "3", "4", "5", "6" });
    w.lbl2->setBackColour(Colours::Red);
    w.lbl6->setBackColour(Colours::Green);
    w.lbl4->setVisible(false);

    w.ClearChoices();
    QCOMPARE(choiceCaptions(w), QStringList(6, QString()));
    QCOMPARE(w.lbl2->backColour(), Colours::Red);
    QCOMPARE(w.lbl6->backColour(), Colours::Green);
    QVERIFY(!w.frameChoices->isHidden());
    QVERIFY(w.lbl4->isHidden());
    QVERIFY(!w.lbl5->isHidden());

    setChoiceCaptions(w, { "1", "2", "3", "4", "5", "6" });
    w.ResetChoiceColours();
    for (int position = 1; position <= 6; ++position)
        QCOMPARE(choice(w, position)->backColour(), Colours::White);
    QCOMPARE(choiceCaptions(w), (QStringList { "1", "2", "3", "4", "5", "6" }));
}

QTEST_MAIN(AnswerChoicesTest)
#include "test_answer_choices.moc"
