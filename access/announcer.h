#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

// Tells assistive technology what just changed where the focus is not: a card dealt, an answer
// revealed or judged. It is a notification that shows for a moment with the news as its name;
// screen readers speak a notification when it shows (Qt 6.4 has no announcement event, and a
// change of name is spoken only for the focused control). It paints nothing and takes no input.
// What is said within a moment is said together, so a card that changes twice in a row (a
// sample card, then the drawn one) is announced once, as it ends up.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    // `key` names what the news is about: a later text with the same key replaces it.
    void say(const QString& key, const QString& text);

private:
    void announce();

    QStringList m_keys;
    QStringList m_texts;
    QTimer m_moment;
};
