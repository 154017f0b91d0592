#include "ui/form_base.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "ui/platform.h"
#include "ui/session.h"

namespace ampera {

namespace {

constexpr int kPictureWidth = 270;   // twips
constexpr int kPictureHeight = 240;  // twips

void setBackground(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, FormBase::kBackground);
    p.setColor(QPalette::Button, FormBase::kBackground);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

FormBase::FormBase(Session& session, const QString& name, const QString& caption, int widthTwips,
                   int heightTwips)
    : QWidget(nullptr), session_(session) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(px(widthTwips), px(heightTwips));
    Image1 = new ClickLabel(this);
    Image1->setObjectName("Image1");
    Image1->setStyleSheet(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #0a246a, stop:0.6 #3a6ea5, stop:1 #a6caf0);");
    addDragHandle(Image1);
}

FormBase::~FormBase() {
    for (QObject* child : findChildren<QObject*>()) child->blockSignals(true);
}

double FormBase::twipsPerPixel() {
    static double tpp = [] {
        QScreen* s = QGuiApplication::primaryScreen();
        double dpi = s ? s->logicalDotsPerInchX() : 96.0;
        return dpi > 0 ? 1440.0 / dpi : 15.0;
    }();
    return tpp;
}

int FormBase::px(int twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }
int FormBase::twips(int pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixel())); }

void FormBase::place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void FormBase::placeAt(QWidget* w, int left, int top) { w->move(px(left), px(top)); }

void FormBase::showModeless() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void FormBase::removeTitleBar() {
    // The window keeps its caption (the task bar shows it) and its place.
    QRect g = geometry();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setGeometry(g);
    setBackground(this);
    update();
}

ClickLabel* FormBase::makePicture(const char* name, const QString& glyph) {
    auto* p = new ClickLabel(glyph, this);
    p->setObjectName(name);
    p->setAlignment(Qt::AlignCenter);
    p->setStyleSheet(
        "background: #d4d0c8; color: black; font-weight: bold; border: 1px solid white;"
        " border-right-color: #404040; border-bottom-color: #404040;");
    p->resize(px(kPictureWidth), px(kPictureHeight));
    return p;
}

void FormBase::buildTitleStrip(const char* titleLabelName, const QString& title, ClickLabel* closePicture,
                               ClickLabel* minimisePicture) {
    titleLabel_ = new QLabel(title, this);
    titleLabel_->setObjectName(titleLabelName);
    titleLabel_->setStyleSheet("color: white; font-weight: bold; background: transparent;");
    titleLabel_->setGeometry(px(120), px(30), width() - px(900), px(kTitleHeight - 60));
    addDragHandle(titleLabel_);
    closePicture_ = closePicture;
    minimisePicture_ = minimisePicture;
    for (QWidget* w : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(titleLabel_),
                       static_cast<QWidget*>(closePicture_), static_cast<QWidget*>(minimisePicture_)})
        if (w) w->raise();
    QResizeEvent e(size(), size());
    resizeEvent(&e);
}

void FormBase::addDragHandle(QWidget* w) { w->installEventFilter(this); }

bool FormBase::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
            session_.platform().startMove(this);
            return true;
        }
        return true;  // other buttons do nothing
    }
    return QWidget::eventFilter(watched, e);
}

void FormBase::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    setBackground(this);
    Image1->setGeometry(0, 0, width(), px(kTitleHeight));
    if (titleLabel_) titleLabel_->resize(std::max(0, width() - px(900)), titleLabel_->height());
    // The rightmost picture sits 40 twips from the right edge, the next one 20 twips left of it.
    ClickLabel* rightmost = closePicture_ ? closePicture_ : minimisePicture_;
    if (rightmost) rightmost->move(width() - rightmost->width() - px(40), px(30));
    if (closePicture_ && minimisePicture_)
        minimisePicture_->move(closePicture_->x() - minimisePicture_->width() - px(20), px(30));
    update();
}

void FormBase::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(0, 0, 128));
    p.drawRect(0, 0, width() - 1, height() - 1);
    p.setPen(QColor(0, 0, 255));
    p.drawRect(1, 1, width() - 3, height() - 3);
}

void FormBase::colour(std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets)
        if (w) setBackground(w);
}

void FormBase::makeCovering(QGroupBox* frame) {
    frame->setStyleSheet(QString("QGroupBox#%1 { background-color: rgb(%2, %3, %4); background-clip: margin; }")
                             .arg(frame->objectName())
                             .arg(kBackground.red())
                             .arg(kBackground.green())
                             .arg(kBackground.blue()));
}

void FormBase::select(QRadioButton* option) {
    option->setChecked(true);
    if (auto it = clickBehaviour_.find(option); it != clickBehaviour_.end()) (*it)();
}

void FormBase::setValue(QCheckBox* box, bool ticked) {
    if (box->isChecked() == ticked) return;
    box->setChecked(ticked);
    if (auto it = clickBehaviour_.find(box); it != clickBehaviour_.end()) (*it)();
}

void FormBase::setListIndex(QListWidget* list, int index) {
    {
        QSignalBlocker block(list);
        list->setCurrentRow(index);
    }
    if (auto it = clickBehaviour_.find(list); it != clickBehaviour_.end()) (*it)();
}

void FormBase::fillCombo(QComboBox* combo, const QStringList& items, const QString& text) {
    QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

QLineEdit* FormBase::addText(QWidget* parent, const char* name, int l, int t, int w, int h, const QString& text) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    e->setTextMargins(0, 0, 0, 0);
    place(e, l, t, w, h);
    return e;
}

QLabel* FormBase::addLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    place(label, l, t, w, h);
    return label;
}

ClickLabel* FormBase::addClickLabel(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                    int h) {
    auto* label = new ClickLabel(caption, parent);
    label->setObjectName(name);
    place(label, l, t, w, h);
    return label;
}

QGroupBox* FormBase::addFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    place(f, l, t, w, h);
    return f;
}

QPushButton* FormBase::addButton(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                 int h, std::function<void()> onClick) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    place(b, l, t, w, h);
    if (onClick) connect(b, &QPushButton::clicked, this, [onClick] { onClick(); });
    return b;
}

QRadioButton* FormBase::addOption(QWidget* parent, const char* name, const QString& caption, int l, int t, int w,
                                  int h, std::function<void()> onClick) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    place(o, l, t, w, h);
    if (onClick) {
        clickBehaviour_.insert(o, onClick);
        connect(o, &QRadioButton::clicked, this, [onClick] { onClick(); });
    }
    return o;
}

QCheckBox* FormBase::addCheck(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h,
                              bool ticked, std::function<void()> onClick) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setChecked(ticked);
    place(c, l, t, w, h);
    if (onClick) {
        clickBehaviour_.insert(c, onClick);
        connect(c, &QCheckBox::clicked, this, [onClick] { onClick(); });
    }
    return c;
}

QComboBox* FormBase::addCombo(QWidget* parent, const char* name, int l, int t, int w, int h,
                              std::function<void()> onPick) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    // No completion: a typed "3,10" must stay "3,10", and Enter must not count as a pick.
    c->setCompleter(nullptr);
    c->setMaxVisibleItems(16);
    place(c, l, t, w, h);
    if (onPick) connect(c, &QComboBox::activated, this, [onPick](int) { onPick(); });
    return c;
}

QListWidget* FormBase::addList(QWidget* parent, const char* name, int l, int t, int w, int h,
                               std::function<void()> onClick) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    place(list, l, t, w, h);
    if (onClick) {
        clickBehaviour_.insert(list, onClick);
        connect(list, &QListWidget::currentRowChanged, this, [onClick](int row) {
            if (row >= 0) onClick();
        });
    }
    return list;
}

void FormBase::onChange(QLineEdit* field, std::function<void()> reaction) {
    connect(field, &QLineEdit::textChanged, field, [reaction](const QString&) { reaction(); });
}

}  // namespace ampera
