// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// sorvale-render-artwork SVG PNG WIDTH: renders the onboarding artwork at build time, so the
// repository holds only the drawings.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: sorvale-render-artwork SVG PNG WIDTH\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    QSvgRenderer drawing{QString::fromLocal8Bit(argv[1])};
    if (!drawing.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const int width = QString::fromLocal8Bit(argv[3]).toInt();
    const QSize size = drawing.defaultSize().scaled(width, width * 4, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
