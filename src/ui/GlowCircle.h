// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

namespace sorvale::ui {

// A soft, blurred disc of light: a circle `diameter` across whose edge fades over `blur` on
// either side. The item is the circle's size plus the blur on every side.
class GlowCircle : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY appearanceChanged)
    Q_PROPERTY(qreal diameter READ diameter WRITE setDiameter NOTIFY appearanceChanged)
    Q_PROPERTY(qreal blur READ blur WRITE setBlur NOTIFY appearanceChanged)

public:
    explicit GlowCircle(QQuickItem* parent = nullptr);

    [[nodiscard]] QColor color() const { return color_; }
    void setColor(const QColor& color);
    [[nodiscard]] qreal diameter() const { return diameter_; }
    void setDiameter(qreal diameter);
    [[nodiscard]] qreal blur() const { return blur_; }
    void setBlur(qreal blur);

    void paint(QPainter* painter) override;

signals:
    void appearanceChanged();

private:
    void resize();

    QColor color_ = Qt::white;
    qreal diameter_ = 100;
    qreal blur_ = 0;
};

} // namespace sorvale::ui
