#include "app/controls/picture.h"

#include "app/colours.h"

#include <QFileInfo>
#include <QPainter>

Picture::Picture(Kind kind, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
{
}

void Picture::setPicture(const QString& resource)
{
    m_picture = QPixmap(resource);
    const QFileInfo info(resource);
    const QString doubleName = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.png");
    m_doubleSize = QPixmap(doubleName);
    if (!m_doubleSize.isNull())
        m_doubleSize.setDevicePixelRatio(2.0);
    update();
}

void Picture::setBackColour(int colour)
{
    m_backColour = colour;
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& picture = (devicePixelRatioF() > 1.0 && !m_doubleSize.isNull()) ? m_doubleSize : m_picture;
    if (m_kind == Kind::Image) {
        painter.drawPixmap(QPointF(0, 0), picture);
        return;
    }
    // A picture box: its own background, the picture centred, a thin sunken frame.
    painter.fillRect(rect(), Colours::toQColor(m_backColour));
    const QSizeF size = picture.deviceIndependentSize();
    painter.drawPixmap(QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0), picture);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(Qt::white);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}

void Picture::mousePressEvent(QMouseEvent* event)
{
    m_clicks.press(event);
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_clicks.doubleClick(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_clicks.release(this, event))
        emit clicked();
}
