#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

// A translation of a few entries ("context/source" to text), installed while it lives; every other
// text stays English.
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

// A right-to-left language that writes the sign right of the numbers, with English texts.
inline QHash<QString, QString> rightToLeftReading()
{
    return { { QStringLiteral("QGuiApplication/QT_LAYOUT_DIRECTION"), QStringLiteral("RTL") },
        { QStringLiteral("WindowLayout/left"), QStringLiteral("right") } };
}
