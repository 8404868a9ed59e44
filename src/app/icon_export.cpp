// orvant-icon-export: writes the program icon as hicolor theme files, for the desktop entry.
//   orvant-icon-export DIR   ->  DIR/<N>x<N>/apps/orvant.png for every window-icon size,
//                                and DIR/scalable/apps/orvant.svg where Qt's SVG module is
//                                available
// It draws with the same code as the window icon, so the menu and the window agree.

#include "workspace/toolbar_glyphs.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#ifdef ORVANT_HAVE_SVG
#include <QSvgGenerator>
#endif

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvant-icon-export DIR\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    auto prepare = [&root](const QString& sub) {
        const QString dir = root + "/" + sub + "/apps";
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "orvant-icon-export: cannot create %s\n", qPrintable(dir));
            return QString();
        }
        return dir + "/orvant";
    };
    for (const int side : orvant::kApplicationIconSizes) {
        const QString base = prepare(QString("%1x%1").arg(side));
        if (base.isEmpty())
            return 1;
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        orvant::PaintApplicationIcon(p, side);
        p.end();
        if (!image.save(base + ".png")) {
            std::fprintf(stderr, "orvant-icon-export: cannot write %s.png\n", qPrintable(base));
            return 1;
        }
    }
#ifdef ORVANT_HAVE_SVG
    const QString base = prepare("scalable");
    if (base.isEmpty())
        return 1;
    QSvgGenerator svg;
    svg.setFileName(base + ".svg");
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle("ORVANT PC Utilities");
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "orvant-icon-export: cannot write %s.svg\n", qPrintable(base));
        return 1;
    }
    orvant::PaintApplicationIcon(p, 32);
    p.end();
#endif
    return 0;
}
