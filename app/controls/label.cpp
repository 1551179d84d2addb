#include "app/controls/label.h"

#include "app/colours.h"
#include "app/controls/focus_mark.h"

#include <QFontMetrics>
#include <QStyle>

#include <algorithm>
#include <cmath>

Label::Label(QWidget* parent)
    : QLabel(parent)
{
    setAutoFillBackground(false);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
}

void Label::setDesignBox(const QRect& box)
{
    m_designBox = box;
    fitToCaption();
}

void Label::setSizing(Sizing sizing)
{
    m_sizing = sizing;
    fitToCaption();
}

void Label::setDesignFont(const QFont& font)
{
    m_designFont = font;
    fitToCaption();
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitToCaption();
}

QString Label::caption() const
{
    return text();
}

void Label::setBackColour(int colour)
{
    m_backColour = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Colours::toQColor(colour));
    setPalette(pal);
    emit backColourSet(colour);
}

int Label::backColour() const
{
    return m_backColour;
}

void Label::setOpaque(bool opaque)
{
    setAutoFillBackground(opaque);
}

void Label::setForeColour(int colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Colours::toQColor(colour));
    setPalette(pal);
}

void Label::click()
{
    emit clicked();
}

void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    FocusMark::paint(this);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    m_clicks.press(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_clicks.doubleClick(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clicks.release(this, event))
        emit clicked();
}

void Label::applyFont(const QFont& font)
{
    // Captions change on every draw of a number; setting an equal font again is not free.
    if (font != this->font())
        setFont(font);
}

void Label::fitToCaption()
{
    if (m_designBox.isNull())
        return;
    QFont font = m_designFont;
    const int textWidth = QFontMetrics(font).horizontalAdvance(text());

    if (m_sizing == Sizing::Fixed) {
        // A fixed box keeps its size; a caption wider than the box (a five-digit answer)
        // is set in a smaller size so it is never clipped.
        if (textWidth > m_designBox.width() && font.pixelSize() > 0) {
            const int size
                = std::max(6, static_cast<int>(std::floor(font.pixelSize() * m_designBox.width() / double(textWidth))));
            font.setPixelSize(size);
        }
        applyFont(font);
        setGeometry(m_designBox);
        return;
    }

    applyFont(font);
    const QFontMetrics metrics(font);
    const int width = text().isEmpty() ? 0 : metrics.horizontalAdvance(text()) + 2;
    const int height = metrics.height();
    int left = m_designBox.left();
    // Where the caption is drawn: a left-aligned caption keeps to the right in a right-to-left window.
    const Qt::Alignment drawn = QStyle::visualAlignment(layoutDirection(), alignment());
    if (drawn & Qt::AlignRight)
        left = m_designBox.left() + m_designBox.width() - width;
    else if (drawn & Qt::AlignHCenter)
        left = m_designBox.left() + (m_designBox.width() - width) / 2;
    setGeometry(left, m_designBox.top(), width, height);
}
