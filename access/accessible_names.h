#pragma once

#include <QObject>

class frmMath;
class QWidget;

// Names and descriptions for screen readers, and tooltips that name each control's keys.
// They describe what the window shows, so they are brought up to date whenever the window
// is about to repaint: every change the child can see leads there, also in the middle of a
// pause, and the game's own code needs to know nothing about them.
class AccessibleNames : public QObject
{
    Q_OBJECT

public:
    explicit AccessibleNames(frmMath& window);

    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString cardName() const;

    frmMath& m_window;
};
