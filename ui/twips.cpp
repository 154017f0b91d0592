#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace ampera {

double twipsPerPixel() {
    static double tpp = [] {
        QScreen* s = QGuiApplication::primaryScreen();
        double dpi = s ? s->logicalDotsPerInchX() : 96.0;
        return dpi > 0 ? 1440.0 / dpi : 15.0;
    }();
    return tpp;
}

int px(int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }
int twips(int pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixel())); }

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void placeAt(QWidget* w, int left, int top) { w->move(px(left), px(top)); }

}  // namespace ampera
