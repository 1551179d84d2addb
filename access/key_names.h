#pragma once

#include <QCoreApplication>
#include <QString>

// The window's keys in the child's language. The mode and speech keys are letters each
// translation chooses, the initials of its own captions where it can: English keeps S, I, T
// and M, German plays "Normal / Auswählen / Mit Uhr" with N, A and U. The names a tooltip
// shows and a screen reader reads come from the translation too, as Qt's own names of keys
// ("Space") are not translated in this program.
class KeyNames
{
    Q_DECLARE_TR_FUNCTIONS(KeyNames)

public:
    // The key that does in the child's language what the English key does: S, I, T and M
    // become the translation's letters, every other key stays itself.
    static Qt::Key inLanguage(Qt::Key english);

    // The name of a key as the keyboard shows it ("Space", "Leertaste", "5", "Ü").
    static QString name(Qt::Key key);
};
