#include "access/screen_reader_watch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {

const QString Service = QStringLiteral("org.a11y.Bus");
const QString Path = QStringLiteral("/org/a11y/bus");
const QString Status = QStringLiteral("org.a11y.Status");
const QString Properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString Property = QStringLiteral("ScreenReaderEnabled");

// The launcher answers within milliseconds; a bus that takes longer is not waited for.
constexpr int FirstAnswerMs = 300;

QDBusMessage question()
{
    QDBusMessage get = QDBusMessage::createMethodCall(Service, Path, Properties, QStringLiteral("Get"));
    get << Status << Property;
    return get;
}

} // namespace

ScreenReaderWatch::ScreenReaderWatch(QObject* parent)
    : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // QtDBus takes the receiving slot only by its name.
    bus.connect(Service, Path, Properties, QStringLiteral("PropertiesChanged"), this,
        SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    // The launcher may start after the program, or again after it ended.
    auto* launcher = new QDBusServiceWatcher(Service, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(launcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString&, const QString&, const QString& owner) {
            if (owner.isEmpty())
                setRunning(false);
            else
                ask();
        });
    // The first answer is awaited, briefly, so that the welcome already goes the right way.
    const QDBusReply<QDBusVariant> reply = bus.call(question(), QDBus::Block, FirstAnswerMs);
    if (reply.isValid())
        m_running = reply.value().variant().toBool();
}

void ScreenReaderWatch::ask()
{
    // Asked without waiting: a session bus that is slow to answer never holds up the window.
    auto* answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(question()), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isValid())
            setRunning(reply.value().variant().toBool());
        call->deleteLater();
    });
}

void ScreenReaderWatch::propertiesChanged(
    const QString& interface, const QVariantMap& changed, const QStringList& invalidated)
{
    if (interface != Status)
        return;
    const auto value = changed.constFind(Property);
    if (value != changed.constEnd())
        setRunning(value->toBool());
    else if (invalidated.contains(Property))
        ask();
}

void ScreenReaderWatch::setRunning(bool running)
{
    if (running == m_running)
        return;
    m_running = running;
    emit runningChanged(running);
}
