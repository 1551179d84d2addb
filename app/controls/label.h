#pragma once

#include "app/controls/click_tracker.h"

#include <QLabel>

// A caption on the window. A label is either sized to its text (it then keeps its place by
// its alignment: a right-aligned number grows to the left, a centred caption stays centred)
// or of a fixed size (a text too wide for it is set smaller instead of being clipped). It
// may be transparent or painted in a background colour, and it takes its own clicks, also
// without any text, which makes a caption-less transparent label a click area.
class Label : public QLabel
{
    Q_OBJECT

public:
    enum class Sizing { Fixed, FitText };

    explicit Label(QWidget* parent);

    // The place and size the label was designed with, in pixels of its parent.
    void setDesignBox(const QRect& box);
    void setSizing(Sizing sizing);
    void setDesignFont(const QFont& font);

    void setCaption(const QString& caption);
    QString caption() const;

    // Background colour as a colour number; only opaque labels paint it.
    void setBackColour(int colour);
    int backColour() const;
    void setOpaque(bool opaque);
    void setForeColour(int colour);

    // Does what a click does, for keys and assistive technology.
    void click();

signals:
    void clicked();
    // Each time the background colour is set, also to the colour it has: an answer judged
    // wrong twice is judged twice.
    void backColourSet(int colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void fitToCaption();
    void applyFont(const QFont& font);

    QRect m_designBox;
    QFont m_designFont;
    Sizing m_sizing = Sizing::Fixed;
    int m_backColour = 0;
    ClickTracker m_clicks;
};
