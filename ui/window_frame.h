#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include "ui/click_label.h"

namespace ampera {

class Platform;

// The window frame every window of the program shares: no platform title
// bar, an own title strip whose image and title label drag the window, the
// two-line blue border and the background colour. The title the desktop
// shows (task bar, window list) is the title strip's text.
class WindowFrame : public QWidget {
    Q_OBJECT
public:
    static inline const QColor kBackground{236, 233, 216};
    static constexpr int kTitleHeight = 330;  // twips

    WindowFrame(Platform& platform, const QString& name, const QString& caption, int widthTwips, int heightTwips);

    // Shows the window modeless and in front; a minimised one comes back as it was left.
    void showModeless();
    // The window's caption property, as the program set it.
    const QString& caption() const { return caption_; }

protected:
    // The title strip: Image1 over the full width, the title label on it,
    // and the picture buttons (close, if any, then minimise) at the right.
    void buildTitleStrip(const char* titleLabelName, const QString& title, ClickLabel* closePicture,
                         ClickLabel* minimisePicture);
    ClickLabel* makePicture(const char* name, const QString& glyph);
    void addDragHandle(QWidget* w);

    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

    ClickLabel* Image1 = nullptr;

private:
    Platform& platform_;
    QString caption_;
    QLabel* titleLabel_ = nullptr;
    ClickLabel* closePicture_ = nullptr;
    ClickLabel* minimisePicture_ = nullptr;
};

}  // namespace ampera
