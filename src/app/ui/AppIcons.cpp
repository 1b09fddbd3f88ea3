#include "app/ui/AppIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// The resource lives in this static library; the linker keeps it only when it is asked for.
static void initialiseResources()
{
    Q_INIT_RESOURCE(quillon);
}

QIcon ThemedIcon(const char* themeName, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(themeName),
                            QApplication::style()->standardIcon(fallback));
}

namespace {

// A speech bubble with three dots, as the SVG draws it.
QPixmap drawnIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(4, 6, 56, 40), 10, 10);
    QPainterPath tail;
    tail.moveTo(16, 44);
    tail.lineTo(12, 58);
    tail.lineTo(30, 44);
    tail.closeSubpath();
    painter.fillPath(bubble.united(tail), QColor(0x2a, 0x7a, 0xd5));
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    for (const qreal x : {20.0, 32.0, 44.0})
        painter.drawEllipse(QPointF(x, 26), 4, 4);
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    initialiseResources();
    QIcon icon(QStringLiteral(":/quillon/quillon.svg"));
    if (!icon.pixmap(32, 32).isNull())
        return icon;
    QIcon drawn;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        drawn.addPixmap(drawnIcon(size));
    return drawn;
}
