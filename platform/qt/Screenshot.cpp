#include "platform/qt/Screenshot.h"

#include "platform/io/AtomicWrite.h"
#include "platform/io/InputLog.h"
#include "platform/qt/Desktop.h"
#include "platform/qt/PersonInput.h"
#include "platform/qt/TopLevelView.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPixmap>

namespace qtview {

namespace {

constexpr int kCaptionHeight = 26;
constexpr int kBorder = 1;

} // namespace

QImage Screenshot::of(CWnd& topLevel) {
    Desktop* desktop = Desktop::instance();
    if (desktop == nullptr || !PersonInput::isAlive(&topLevel)) {
        return {};
    }
    desktop->syncNow();
    TopLevelView* view = desktop->viewOf(topLevel);
    QApplication::processEvents();
    desktop->syncNow();
    const QPixmap client = view->grab();
    QImage picture(client.width() + 2 * kBorder, client.height() + kCaptionHeight + kBorder,
                   QImage::Format_RGB32);
    picture.fill(QColor(0x70, 0x70, 0x70));
    QPainter painter(&picture);
    const QRect caption(kBorder, kBorder, client.width(), kCaptionHeight - kBorder);
    painter.fillRect(caption, QColor(0xFF, 0xFF, 0xFF));
    painter.setPen(QColor(0xD0, 0xD0, 0xD0));
    painter.drawLine(caption.bottomLeft(), caption.bottomRight());
    QFont font = view->font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(caption.adjusted(8, 0, -30, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     view->windowTitle());
    // The close box, as every dialog has one.
    const QRect close(caption.right() - 26, caption.top() + 5, 14, 14);
    painter.drawLine(close.topLeft() + QPoint(3, 3), close.bottomRight() - QPoint(3, 3));
    painter.drawLine(close.topRight() + QPoint(-3, 3), close.bottomLeft() + QPoint(3, -3));
    painter.drawPixmap(kBorder, kCaptionHeight, client);
    painter.end();
    return picture;
}

bool Screenshot::save(CWnd& topLevel, const QString& path) {
    const QImage picture = of(topLevel);
    const std::filesystem::path target(path.toStdString());
    // A picture is an output only: it never replaces a file this run has read.
    if (picture.isNull() || io::InputLog::find(io::writeTargetOf(target)))
        return false;
    // Encoded in memory, then written like every other file: a full disk or a device named as
    // the picture fails the save instead of leaving half a picture (or replacing the device).
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return false;
    return io::writeFileAtomically(
               target, std::string_view(png.constData(), static_cast<std::size_t>(png.size())))
        .ok();
}

} // namespace qtview
