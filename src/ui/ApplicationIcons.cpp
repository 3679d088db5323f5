// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ApplicationIcons.h"

#include "store/ItemFacts.h"

#include <QBuffer>
#include <QImageReader>

namespace sorvale::ui {

ApplicationIcons::ApplicationIcons()
    : QQuickImageProvider(QQuickImageProvider::Image) {}

void ApplicationIcons::install(QQmlEngine& engine) {
    engine.addImageProvider("appicon", new ApplicationIcons);
}

QImage ApplicationIcons::requestImage(const QString& id, QSize* size, const QSize& requestedSize) {
    const QByteArray path = QByteArray::fromHex(id.toLatin1());
    const auto bytes = store::applicationIcon(path.toStdString());
    if (!bytes) {
        return {};
    }
    QByteArray data = QByteArray::fromStdString(*bytes);
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    // An icon file holds several sizes: the smallest that covers the request, else the largest.
    QImage best;
    const int wanted = std::max(requestedSize.width(), 0);
    for (int image = 0; image < std::max(reader.imageCount(), 1); ++image) {
        if (image > 0 && !reader.jumpToImage(image)) {
            break;
        }
        const QImage candidate = reader.read();
        if (candidate.isNull()) {
            continue;
        }
        const bool covers = candidate.width() >= wanted;
        const bool bestCovers = !best.isNull() && best.width() >= wanted;
        if (best.isNull() || (covers && (!bestCovers || candidate.width() < best.width())) ||
            (!covers && !bestCovers && candidate.width() > best.width())) {
            best = candidate;
        }
    }
    // A request may give one side alone.
    if (!best.isNull() && wanted > 0 && requestedSize.height() > 0) {
        best = best.scaled(requestedSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else if (!best.isNull() && wanted > 0) {
        best = best.scaledToWidth(wanted, Qt::SmoothTransformation);
    } else if (!best.isNull() && requestedSize.height() > 0) {
        best = best.scaledToHeight(requestedSize.height(), Qt::SmoothTransformation);
    }
    if (size != nullptr) {
        *size = best.size();
    }
    return best;
}

} // namespace sorvale::ui
