#include "Pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitPictureResource() {
    Q_INIT_RESOURCE(pictures);
}

namespace varo {

namespace pictures {

void InitResources() {
    InitPictureResource();
}

static QStringList Numbered(const QString& stem, int count) {
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths << QStringLiteral(":/pictures/%1_%2.png").arg(stem).arg(i);
    }
    return paths;
}

QStringList ConnectToDevice() {
    return Numbered(QStringLiteral("connect_to_device"), 2);
}

QStringList ConnectTwoWay() {
    return Numbered(QStringLiteral("connect_two_way"), 8);
}

QStringList SentenceStates() {
    return Numbered(QStringLiteral("sentence_state"), 3);
}

} // namespace pictures

} // namespace varo
