#pragma once

class QWidget;

namespace ampera {

// Twips and pixels, by the screen's twips per pixel: every window is laid out in twips.
double twipsPerPixel();
int px(int twips);
int twips(int pixels);
void place(QWidget* w, int left, int top, int width, int height);
void placeAt(QWidget* w, int left, int top);

}  // namespace ampera
