#pragma once

#include "app/controls/click_tracker.h"

#include <QGroupBox>

// A captioned box holding other controls at places measured from its own top left corner.
// It takes its own clicks, so a click on it never counts as a click on the window.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    explicit Frame(QWidget* parent);

    void setBackColour(int colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ClickTracker m_clicks;
};
