#include "switch_keys.h"

#include <QKeySequence>

namespace twindle {

namespace {

bool maySend(int key)
{
    switch (key) {
    case 0:
    case Qt::Key_unknown:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: return false;
    default: return true;
    }
}

} // namespace

int switchKeyCode(const QString& name)
{
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return 0;
    const int key = sequence[0].key();
    return maySend(key) ? key : 0;
}

QString switchKeyName(int key)
{
    if (!maySend(key) || (key & Qt::KeyboardModifierMask) != 0)
        return {};
    const QString name = QKeySequence(key).toString(QKeySequence::PortableText);
    return switchKeyCode(name) == key ? name : QString();
}

} // namespace twindle
