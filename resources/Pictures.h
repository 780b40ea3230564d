#pragma once

#include <QString>
#include <QStringList>

namespace varo {

// The window's pictures, compiled into the program from pictures.qrc. The
// files themselves are drawn by varo-draw-pictures (draw/DrawPictures.cpp).
namespace pictures {

// Registers the compiled pictures; safe to call more than once. Needed
// because the resource sits in a static library that nothing else references.
void InitResources();

inline const QString Logo = QStringLiteral(":/pictures/logo.jpg");
inline const QString Idle = QStringLiteral(":/pictures/idle.png");
inline const QString Product = QStringLiteral(":/pictures/product.png");
inline const QString ConnectIcon = QStringLiteral(":/pictures/connect.png");
inline const QString RecordIcon = QStringLiteral(":/pictures/record.png");
inline const QString RefreshIcon = QStringLiteral(":/pictures/refresh.png");
inline const QString ExitIcon = QStringLiteral(":/pictures/exit.png");

// 120 x 32: 0 not connected, 1 connecting or connected.
QStringList ConnectToDevice();
// 32 x 32: 0 idle, 1 linked, 2 to 7 the frames of the connecting animation.
QStringList ConnectTwoWay();
// 16 x 16 sentence states: 0 off, 1 on, 2 reported as 2 by the gateway.
QStringList SentenceStates();

} // namespace pictures

} // namespace varo
