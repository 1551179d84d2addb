#pragma once

#include <QObject>
#include <QTimer>

// The window's timer. It ticks while it is enabled and its interval is above 0; setting
// the interval of a running timer restarts its countdown. An interval of 0 means no
// ticks at all (a zero-interval QTimer would fire continuously instead).
class TickTimer : public QObject
{
    Q_OBJECT

public:
    explicit TickTimer(QObject* parent);

    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setInterval(int milliseconds);
    int interval() const;

    // True while ticks are actually scheduled.
    bool isRunning() const;

signals:
    void tick();

private:
    void apply();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval = 0;
};
