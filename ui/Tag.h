#pragma once

#include <QObject>
#include <QVariant>

namespace varo {

// The small integer that the window's controls and timers carry for their
// handlers (the Connect button's state, an animation frame, a sentence's
// index), kept as the dynamic property "tag"; 0 when never set.
inline int Tag(const QObject* object) {
    return object->property("tag").toInt();
}

inline void SetTag(QObject* object, int tag) {
    object->setProperty("tag", tag);
}

} // namespace varo
