#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

namespace varo {

// Small helpers for building the window's controls at fixed places.

// Names a control (its objectName is how units and tests find it) and places it.
template <class Widget> Widget* Place(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

inline QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& caption,
                          const QRect& geometry) {
    return Place(new QLabel(caption, parent), name, geometry);
}

inline void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

inline void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Window colours.
inline const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
inline const QColor kMaroon(0x80, 0x00, 0x00);
inline const QColor kTeal(0x00, 0x80, 0x80);
inline const QColor kResultGreen(0x00, 0x80, 0x00);

} // namespace varo
