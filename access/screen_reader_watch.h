#pragma once

#include <QObject>

// Follows whether a screen reader runs on the desktop. Desktops say so on the session bus, where
// the accessibility bus's launcher holds the screen-reader setting (GNOME's, which Orca and other
// desktops follow) as the property ScreenReaderEnabled of org.a11y.Status. It is read once at
// start and then followed as it changes, so a screen reader started or stopped in the middle of
// a round is seen at once. Without a session bus, or without the launcher, no screen reader runs.
class ScreenReaderWatch : public QObject
{
    Q_OBJECT

public:
    explicit ScreenReaderWatch(QObject* parent = nullptr);

    bool running() const { return m_running; }

signals:
    void runningChanged(bool running);

private slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    void ask();
    void setRunning(bool running);

    bool m_running = false;
};
