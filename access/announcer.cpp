#include "access/announcer.h"

#include <QAccessible>

namespace {

// Long enough for the steps of one click to end, short enough to follow the card at once.
constexpr int MomentMs = 100;

// True when the news says what the phrase says: the same words, or the whole card of which the
// phrase is the answer ("7 plus 5 equals 12" and "12").
bool tells(const QString& news, const QString& phrase)
{
    return news == phrase || news.endsWith(QLatin1Char(' ') + phrase);
}

} // namespace

Announcer::Announcer(QWidget* window)
    : Announcer(window, QStringLiteral("announcer"))
{
    m_twin = new Announcer(window, QStringLiteral("announcerTwin"));
}

Announcer::Announcer(QWidget* window, const QString& name)
    : QWidget(window)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
    m_moment.setSingleShot(true);
    connect(&m_moment, &QTimer::timeout, this, &Announcer::announce);
}

void Announcer::say(const QString& key, const QString& text)
{
    auto same = std::find_if(m_items.begin(), m_items.end(), [&key](const Item& item) { return item.key == key; });
    if (same != m_items.end())
        same->text = text;
    else
        m_items.append({ key, text });
    // A phrase waiting is told as soon as the event loop turns; news alone waits a moment.
    if (!m_moment.isActive() || m_moment.interval() != 0) {
        m_moment.setInterval(MomentMs);
        m_moment.start();
    }
}

void Announcer::speak(const QString& phrase)
{
    emit aboutToSpeak();
    m_items.append({ QString(), phrase });
    m_moment.setInterval(0);
    m_moment.start();
}

void Announcer::setScreenReaderSpeaks(bool speaks)
{
    m_screenReaderSpeaks = speaks;
}

void Announcer::announce()
{
    // News takes the place of the first phrase it tells, and that phrase is not said again.
    QList<Item> items = m_items;
    m_items.clear();
    for (qsizetype n = 0; n < items.size(); ++n) {
        if (items[n].key.isEmpty())
            continue;
        for (qsizetype p = 0; p < n; ++p) {
            if (items[p].key.isEmpty() && tells(items[n].text, items[p].text)) {
                items[p] = items[n];
                items.removeAt(n);
                --n;
                break;
            }
        }
    }
    QStringList said;
    for (const Item& item : std::as_const(items)) {
        if (item.text.isEmpty() || said.contains(item.text))
            continue;
        // A phrase is also dropped when later news of the moment tells it.
        const bool toldLater = item.key.isEmpty()
            && std::any_of(items.cbegin(), items.cend(),
                [&item](const Item& news) { return !news.key.isEmpty() && tells(news.text, item.text); });
        if (!toldLater)
            said << item.text;
    }
    if (!said.isEmpty())
        tell(said.join(QStringLiteral(". ")));
}

void Announcer::tell(const QString& text)
{
    emit told(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Screen readers speak an announcement as it is, without the words of a notification.
    if (m_screenReaderSpeaks) {
        QAccessibleAnnouncementEvent announcement(window(), text);
        QAccessible::updateAccessibility(&announcement);
        return;
    }
#endif
    Announcer* notification = m_twinsTurn ? m_twin : this;
    m_twinsTurn = !m_twinsTurn;
    notification->appear(text);
}

void Announcer::appear(const QString& text)
{
    const bool first = accessibleName().isEmpty();
    // Hidden and shown again, so the same news twice is heard twice.
    hide();
    setAccessibleName(text);
    if (first) {
        QAccessibleEvent joined(this, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&joined);
    }
    QWidget::show();
}
