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
// While a screen reader is the program's voice, the phrases the program would say go the same
// way, in order, and news that a phrase of the same moment already tells is told once.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    // `key` names what the news is about: a later text with the same key replaces it.
    void say(const QString& key, const QString& text);
    // A phrase of the program's voice, said after the ones before it.
    void speak(const QString& phrase);

    void setScreenReaderSpeaks(bool speaks);
    bool screenReaderSpeaks() const { return m_screenReaderSpeaks; }

signals:
    // A phrase is about to be handed over: news of what the window shows should come first, so
    // that the phrase and the news are told together.
    void aboutToSpeak();
    // The text just handed to assistive technology.
    void told(const QString& text);

private:
    struct Item
    {
        QString key; // empty for a phrase
        QString text;
    };

    // The second notification, which takes every other news: a screen reader reads the text of
    // a notification when it comes to the event, and news that follows at once would otherwise
    // replace the text it has not read yet.
    Announcer(QWidget* window, const QString& name);

    void announce();
    void tell(const QString& text);
    void appear(const QString& text);

    QList<Item> m_items;
    QTimer m_moment;
    bool m_screenReaderSpeaks = false;
    Announcer* m_twin = nullptr;
    bool m_twinsTurn = false;
};
