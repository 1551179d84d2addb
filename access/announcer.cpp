#include "access/announcer.h"

#include <QAccessible>

namespace {

// Long enough for the steps of one click to end, short enough to follow the card at once.
constexpr int MomentMs = 100;

} // namespace

Announcer::Announcer(QWidget* window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
    m_moment.setSingleShot(true);
    m_moment.setInterval(MomentMs);
    connect(&m_moment, &QTimer::timeout, this, &Announcer::announce);
}

void Announcer::say(const QString& key, const QString& text)
{
    const qsizetype at = m_keys.indexOf(key);
    if (at >= 0) {
        m_texts[at] = text;
    } else {
        m_keys << key;
        m_texts << text;
    }
    m_moment.start();
}

void Announcer::announce()
{
    QStringList news;
    for (const QString& text : std::as_const(m_texts)) {
        if (!text.isEmpty() && !news.contains(text))
            news << text;
    }
    m_keys.clear();
    m_texts.clear();
    if (news.isEmpty())
        return;
    const bool first = accessibleName().isEmpty();
    // Hidden and shown again, so the same news twice is heard twice.
    hide();
    setAccessibleName(news.join(QStringLiteral(". ")));
    if (first) {
        QAccessibleEvent joined(this, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&joined);
    }
    show();
}
