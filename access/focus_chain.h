#pragma once

#include <QObject>
#include <QPointer>

class frmMath;
class QWidget;

// The Tab key walks the controls a child uses in the order a child reads the window; the card
// holds the focus first. The labels and pictures take the focus from the keyboard only, so a
// click with the mouse moves no focus and paints no mark. When the loudspeaker that has the
// focus is pressed, the focus goes on to the one that shows in its place. When any other control
// that has the focus is hidden or disabled, the focus goes back to the card, where the game goes
// on, and not to whatever control happens to come next.
class FocusChain : public QObject
{
    Q_OBJECT

public:
    explicit FocusChain(frmMath& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* twinOf(QObject* control) const;
    void focusMoved(QWidget* old, QWidget* now);

    frmMath& m_window;
    QPointer<QWidget> m_handOver;
};
