#pragma once

#include "app/controls/click_tracker.h"

#include <QPixmap>
#include <QWidget>

// A picture from the resources: a picture box (framed, on its own background) or a plain
// image. Both take their own clicks. On a high-density screen the picture is drawn from
// its double-size rendering when one is shipped, so it stays crisp.
class Picture : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { PictureBox, Image };

    Picture(Kind kind, QWidget* parent);

    // A PNG or BMP picture from the resources, read without trying Qt's image plugins.
    static QPixmap load(const QString& resource);

    // `resource` is a ":/..." path; "<name>@2x.png" beside it is used on dense screens.
    void setPicture(const QString& resource);
    void setBackColour(int colour);

    // Does what a click does, for keys and assistive technology.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QPixmap& pictureForScreen();

    Kind m_kind;
    QString m_resource;
    QPixmap m_picture;
    QPixmap m_doubleSize;
    bool m_doubleSizeLoaded = false;
    int m_backColour = 0xFFFFFF;
    ClickTracker m_clicks;
};
