#include "access/key_names.h"

#include <QKeySequence>

namespace {

// A letter as the key that types it: letter keys are named by their capital, in every script.
Qt::Key letterKey(const QString& letter, Qt::Key english)
{
    const QList<uint> characters = letter.trimmed().toUcs4();
    if (characters.size() != 1 || !QChar::isLetter(characters.first()))
        return english;
    return static_cast<Qt::Key>(QChar::toUpper(characters.first()));
}

} // namespace

Qt::Key KeyNames::inLanguage(Qt::Key english)
{
    switch (english) {
    case Qt::Key_S:
        //: The one letter the child presses for the Standard button, best the initial of its
        //: caption. The four letters of the buttons and the loudspeaker must differ from each
        //: other and from X (multiplication), and be keys of the language's keyboard.
        return letterKey(tr("S", "key of the Standard button"), english);
    case Qt::Key_I:
        //: The one letter the child presses for the Interactive button (see the Standard key).
        return letterKey(tr("I", "key of the Interactive button"), english);
    case Qt::Key_T:
        //: The one letter the child presses for the Timer button (see the Standard key).
        return letterKey(tr("T", "key of the Timer button"), english);
    case Qt::Key_M:
        //: The one letter the child presses to switch speech off and on at the loudspeaker (see
        //: the Standard key).
        return letterKey(tr("M", "key of the loudspeaker"), english);
    default:
        return english;
    }
}

QString KeyNames::name(Qt::Key key)
{
    switch (key) {
    case Qt::Key_Space:
        return tr("Space");
    case Qt::Key_Return:
        //: The main Enter key; the same name as the keypad's Enter is fine.
        return tr("Return");
    case Qt::Key_Enter:
        //: The Enter key of the keypad.
        return tr("Enter");
    default:
        return QKeySequence(key).toString(QKeySequence::NativeText);
    }
}
