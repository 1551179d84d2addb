#pragma once

#include <QObject>
#include <QStringList>

class frmMath;
class QKeyEvent;

// Keys for every click the child can make, for children who cannot steer a mouse. A key
// raises the handler that a click on its control raises, and only when that click could
// happen now (the control shown and enabled). It listens to every key press in the window,
// wherever the focus is, and keeps the keys it owns from the focused control; an open
// drop-down list is a window of its own and keeps its keys. A held key acts once. Space and
// Enter press the button that has the focus, and the card when no button has it; F1 says the
// keys. A key press in the window shows the focus mark, a mouse press hides it again.
class Keyboard : public QObject
{
    Q_OBJECT

public:
    explicit Keyboard(frmMath& window);

    // The names of the keys that stand for a control ("Space", "1"), in the child's
    // language.
    static QStringList keyNames(const QString& controlName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key is one of the window's keys, whether or not it could act now.
    bool press(const QKeyEvent& event);
    // Shows or hides the mark of the control that has the focus.
    void showFocusMark(bool shown);
    // True when the press only repeats a key that is held down.
    bool isRepeat(const QKeyEvent& event) const;

    frmMath& m_window;
    // The last key let go in the window: the X server repeats a held key as a release and a
    // press with one timestamp.
    quint32 m_releasedScanCode = 0;
    int m_releasedKey = 0;
    quint64 m_releaseTime = 0;
};
