#include "ui/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "model/calculation_file.h"
#include "ui/qt_text.h"

namespace ampera {

namespace {

// The first calculation file among the dropped ones; empty when there is none.
QString calculationIn(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(q(model::kFileSuffix), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

}  // namespace

CalculationDrop::CalculationDrop(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), window_(window), open_(std::move(open)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->acceptDrops()) w->installEventFilter(this);
}

bool CalculationDrop::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, e);
    auto* drop = static_cast<QDropEvent*>(e);
    const QString path = calculationIn(drop->mimeData());
    if (path.isEmpty()) return QObject::eventFilter(watched, e);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The file is opened after the file manager's drag has ended, as a question may be asked first.
    if (type == QEvent::Drop) QTimer::singleShot(0, window_, [open = open_, path] { open(path); });
    return true;
}

}  // namespace ampera
