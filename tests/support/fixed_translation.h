#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

// A translation of a few entries, given as context and source text, installed for the lifetime
// of a test: a window built meanwhile reads them as it reads a language's real translation
// ("QGuiApplication", "QT_LAYOUT_DIRECTION" -> "RTL"), with every other text still English.
class FixedTranslation : public QTranslator
{
public:
    explicit FixedTranslation(const QHash<QString, QString>& entries)
        : m_entries(entries)
    {
        QCoreApplication::installTranslator(this);
    }
    ~FixedTranslation() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return m_entries.value(QString::fromUtf8(context) + QLatin1Char('/') + QString::fromUtf8(source));
    }

private:
    QHash<QString, QString> m_entries;
};

// The mirrored window of a right-to-left language whose teachers write the sign to the right of
// the numbers, with English texts.
inline QHash<QString, QString> rightToLeftReading()
{
    return { { QStringLiteral("QGuiApplication/QT_LAYOUT_DIRECTION"), QStringLiteral("RTL") },
        { QStringLiteral("WindowLayout/left"), QStringLiteral("right") } };
}
