#include "workspace/toolbar_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>
#include <functional>

namespace orvant {

namespace {

constexpr int kSize = 20;

QIcon Draw(const std::function<void(QPainter&)>& paint, int size = kSize) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return QIcon(pixmap);
}

const QColor kInk(0x20, 0x28, 0x40);
const QColor kPaper(0xFA, 0xFA, 0xF4);
const QColor kBlue(0x2A, 0x5D, 0xB0);

void Page(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    for (double y = r.top() + 3; y < r.bottom() - 1; y += 3)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void Window(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setBrush(kBlue);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 3));
}

} // namespace

QIcon ToolGlyph(const QString& name) {
    if (name == "OpenBtn")
        return Draw([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xE8, 0xB8, 0x40));
            p.drawPolygon(QPolygonF({{2, 5}, {7, 5}, {9, 7}, {17, 7}, {17, 16}, {2, 16}}));
            p.setBrush(QColor(0xF6, 0xD0, 0x60));
            p.drawPolygon(QPolygonF({{4, 9}, {19, 9}, {17, 16}, {2, 16}}));
        });
    if (name == "SaveBtn")
        return Draw([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(kBlue);
            p.drawRect(QRectF(2.5, 2.5, 15, 15));
            p.setBrush(kPaper);
            p.drawRect(QRectF(5.5, 2.5, 9, 6));
            p.setBrush(QColor(0xC0, 0xC8, 0xD8));
            p.drawRect(QRectF(5.5, 11.5, 9, 6));
        });
    if (name == "PrintBtn")
        return Draw([](QPainter& p) {
            Page(p, QRectF(5.5, 1.5, 9, 8));
            p.setBrush(QColor(0x90, 0x98, 0xA8));
            p.drawRoundedRect(QRectF(1.5, 8.5, 17, 7), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(5.5, 13.5, 9, 5));
        });
    if (name == "CutBtn")
        return Draw([](QPainter& p) {
            p.setPen(QPen(kInk, 1.5));
            p.drawLine(QPointF(6, 2), QPointF(13, 13));
            p.drawLine(QPointF(14, 2), QPointF(7, 13));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(5.5, 15.5), 2.5, 2.5);
            p.drawEllipse(QPointF(14.5, 15.5), 2.5, 2.5);
        });
    if (name == "CopyBtn")
        return Draw([](QPainter& p) {
            Page(p, QRectF(2.5, 2.5, 10, 12));
            Page(p, QRectF(7.5, 5.5, 10, 12));
        });
    if (name == "PasteBtn")
        return Draw([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xB0, 0x80, 0x50));
            p.drawRoundedRect(QRectF(2.5, 3.5, 12, 15), 1.5, 1.5);
            p.setBrush(QColor(0xC0, 0xC8, 0xD8));
            p.drawRect(QRectF(5.5, 1.5, 6, 4));
            Page(p, QRectF(9.5, 8.5, 9, 10));
        });
    if (name == "TilleBtn")
        return Draw([](QPainter& p) {
            Window(p, QRectF(1.5, 2.5, 8, 15));
            Window(p, QRectF(10.5, 2.5, 8, 15));
        });
    if (name == "CascadeBtn")
        return Draw([](QPainter& p) {
            Window(p, QRectF(1.5, 1.5, 11, 10));
            Window(p, QRectF(4.5, 4.5, 11, 10));
            Window(p, QRectF(7.5, 7.5, 11, 10));
        });
    if (name == "MaximizeBtn")
        return Draw([](QPainter& p) { Window(p, QRectF(1.5, 1.5, 17, 17)); });
    if (name == "RunBtn")
        return Draw([](QPainter& p) {
            p.setPen(QPen(QColor(0x1E, 0x6B, 0x2A), 1));
            p.setBrush(QColor(0x3C, 0xB0, 0x4A));
            p.drawPolygon(QPolygonF({{5, 2}, {17, 10}, {5, 18}}));
        });
    if (name == "SpeedButton1")
        return Draw([](QPainter& p) {
            // A nine-pin serial connector.
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xB8, 0xBE, 0xC8));
            p.drawPolygon(QPolygonF({{1.5, 5.5}, {18.5, 5.5}, {16.5, 14.5}, {3.5, 14.5}}));
            p.setBrush(kInk);
            for (int i = 0; i < 5; ++i)
                p.drawEllipse(QPointF(4.5 + i * 2.75, 8.5), 0.9, 0.9);
            for (int i = 0; i < 4; ++i)
                p.drawEllipse(QPointF(5.9 + i * 2.75, 11.5), 0.9, 0.9);
        });
    if (name == "ExitBtn")
        return Draw([](QPainter& p) {
            p.setPen(QPen(kInk, 1));
            p.setBrush(QColor(0xA0, 0x70, 0x40));
            p.drawRect(QRectF(3.5, 1.5, 9, 17));
            p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
            p.drawLine(QPointF(9, 10), QPointF(18, 10));
            p.drawLine(QPointF(15, 7), QPointF(18, 10));
            p.drawLine(QPointF(15, 13), QPointF(18, 10));
        });
    return {};
}

void PaintApplicationIcon(QPainter& p, int side) {
    // Designed on a 32-unit square and scaled to the side asked for.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(0x50, 0x58, 0x70));
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    p.setBrush(QColor(0xB8, 0xBE, 0xC8));
    p.drawEllipse(QPointF(16, 16), 9, 9);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 16), 3, 3);
    for (int i = 0; i < 4; ++i) {
        const double a = M_PI / 4 + i * M_PI / 2;
        p.drawEllipse(QPointF(16 + std::cos(a) * 12, 16 + std::sin(a) * 12), 1.5, 1.5);
    }
    p.restore();
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int side : kApplicationIconSizes) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        PaintApplicationIcon(p, side);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace orvant
