#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class Announcer;
class frmMath;
class QWidget;

// Names and descriptions for screen readers, and tooltips that name each control's keys.
// They describe what the window shows, so they are brought up to date whenever the window
// is about to repaint: every change the child can see leads there, also in the middle of a
// pause, and the game's own code needs to know nothing about them. A new card, a revealed
// answer and a judged answer are also announced, and a chosen operation or mode, or speech
// switched, is told as a change of state.
class AccessibleNames : public QObject
{
    Q_OBJECT

public:
    explicit AccessibleNames(frmMath& window);

    void refresh();

    // A caption as it is read out: without leading or doubled blanks, and without a trailing
    // run of signs drawn as a picture ("=====>", "...").
    static QString spoken(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString cardName() const;
    QString cardPrompt() const;
    void announceCard(const QString& card);
    void answerJudged(int colour);
    // Tells assistive technology when a button's checked or pressed state has changed.
    void followStates();

    frmMath& m_window;
    Announcer* m_announcer;
    QString m_shownCard;
    bool m_cardSeen = false;
    QHash<QWidget*, bool> m_marked;
};
