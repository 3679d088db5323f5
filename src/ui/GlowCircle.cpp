// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "GlowCircle.h"

#include <QPainter>
#include <QRadialGradient>

namespace sorvale::ui {

GlowCircle::GlowCircle(QQuickItem* parent)
    : QQuickPaintedItem(parent) {
    setAntialiasing(true);
    resize();
}

void GlowCircle::setColor(const QColor& color) {
    if (color != color_) {
        color_ = color;
        update();
        emit appearanceChanged();
    }
}

void GlowCircle::setDiameter(qreal diameter) {
    if (diameter != diameter_) {
        diameter_ = diameter;
        resize();
        emit appearanceChanged();
    }
}

void GlowCircle::setBlur(qreal blur) {
    if (blur != blur_) {
        blur_ = blur;
        resize();
        emit appearanceChanged();
    }
}

void GlowCircle::resize() {
    setImplicitSize(diameter_ + 2 * blur_, diameter_ + 2 * blur_);
    update();
}

void GlowCircle::paint(QPainter* painter) {
    // A blur of radius r spreads the circle's edge from r inside to r outside of it; a radial
    // gradient over that band looks the same and costs nothing.
    const qreal outer = diameter_ / 2 + blur_;
    const qreal inner = std::max<qreal>(0, diameter_ / 2 - blur_);
    QRadialGradient gradient(QPointF(width() / 2, height() / 2), outer);
    QColor transparent = color_;
    transparent.setAlphaF(0);
    gradient.setColorAt(0, color_);
    gradient.setColorAt(inner / outer, color_);
    gradient.setColorAt(1, transparent);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawEllipse(QPointF(width() / 2, height() / 2), outer, outer);
}

} // namespace sorvale::ui
