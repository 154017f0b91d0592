#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace ampera {

// Twips and pixels, by the screen's twips per pixel: every window is laid out in twips.
inline double twipsPerPixel() {
    static const double tpp = [] {
        QScreen* s = QGuiApplication::primaryScreen();
        double dpi = s ? s->logicalDotsPerInchX() : 96.0;
        return dpi > 0 ? 1440.0 / dpi : 15.0;
    }();
    return tpp;
}

inline int px(int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }
inline int twips(int pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixel())); }
inline void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(px(left), px(top), px(width), px(height));
}
inline void placeAt(QWidget* w, int left, int top) { w->move(px(left), px(top)); }

}  // namespace ampera
