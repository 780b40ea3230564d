#pragma once

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

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

// Disabled controls keep readable text: the disabled text colours are the
// active ones moved only part of the way toward their background, in light
// and dark palettes alike.
inline void MakeDisabledLegible(QPalette& palette) {
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button}};
    for (const auto& [text, background] : pairs) {
        const QColor front = palette.color(QPalette::Active, text);
        const QColor back = palette.color(QPalette::Active, background);
        auto mix = [](int a, int b) { return (a * 3 + b * 2) / 5; };
        palette.setColor(QPalette::Disabled, text,
                         QColor(mix(front.red(), back.red()), mix(front.green(), back.green()),
                                mix(front.blue(), back.blue())));
    }
}

// The window's own surfaces are sky blue in every desktop palette, so their
// text is always dark; edits, lists and buttons keep the desktop's colours.
inline void UseSkyBluePalette(QWidget* widget, const QColor& skyBlue) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, skyBlue);
    palette.setColor(QPalette::WindowText, Qt::black);
    MakeDisabledLegible(palette);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Keeps widgets reaching down to their page's bottom edge (less `margin`)
// as the page grows, never shorter than they were built.
class StretchDown : public QObject {
public:
    StretchDown(QWidget* page, std::vector<QWidget*> widgets, int margin)
        : QObject(page), page(page), widgets(std::move(widgets)), margin(margin) {
        for (QWidget* widget : this->widgets)
            heights.push_back(widget->height());
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == page && event->type() == QEvent::Resize) {
            for (std::size_t i = 0; i < widgets.size(); ++i) {
                QWidget* widget = widgets[i];
                const int height = std::max(heights[i], page->height() - widget->y() - margin);
                widget->resize(widget->width(), height);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* page;
    std::vector<QWidget*> widgets;
    std::vector<int> heights;
    int margin;
};

// Window colours.
inline const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
inline const QColor kMaroon(0x80, 0x00, 0x00);
inline const QColor kTeal(0x00, 0x80, 0x80);
inline const QColor kResultGreen(0x00, 0x80, 0x00);

} // namespace varo
