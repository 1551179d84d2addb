#include "app/controls/picture.h"

#include "app/colours.h"
#include "app/controls/focus_mark.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

Picture::Picture(Kind kind, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
{
}

QPixmap Picture::load(const QString& resource)
{
    // The format is named and detection is off: otherwise Qt 6 loads every image-format
    // plugin on the first picture to ask each whether it reads the file, which was a tenth of
    // the start-up. The pictures are PNG and BMP, which Qt decodes itself. The three mode
    // buttons share one picture, decoded once.
    QPixmap picture;
    if (QPixmapCache::find(resource, &picture))
        return picture;
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    picture = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(resource, picture);
    return picture;
}

void Picture::setPicture(const QString& resource)
{
    m_picture = load(resource);
    m_resource = resource;
    m_doubleSize = QPixmap();
    m_doubleSizeLoaded = false;
    update();
}

const QPixmap& Picture::pictureForScreen()
{
    if (devicePixelRatioF() <= 1.0)
        return m_picture;
    // Decoded on the first paint on a dense screen only: on an ordinary screen it is never
    // drawn, and decoding every double-size picture cost a fifth of the start-up's work.
    if (!m_doubleSizeLoaded) {
        m_doubleSizeLoaded = true;
        const QFileInfo info(m_resource);
        m_doubleSize = load(info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.png"));
        if (!m_doubleSize.isNull())
            m_doubleSize.setDevicePixelRatio(2.0);
    }
    return m_doubleSize.isNull() ? m_picture : m_doubleSize;
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
    const QPixmap& picture = pictureForScreen();
    if (m_kind == Kind::Image) {
        painter.drawPixmap(QPointF(0, 0), picture);
        painter.end();
        FocusMark::paint(this);
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
    painter.end();
    FocusMark::paint(this);
}

void Picture::click()
{
    emit clicked();
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
