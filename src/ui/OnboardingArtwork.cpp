// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "OnboardingArtwork.h"

#include <QFile>
#include <QImageReader>

namespace sorvale::ui {
namespace {

bool isReadableImage(const QString& path) {
    return QImageReader(path).canRead();
}

} // namespace

QUrl OnboardingArtwork::image(const QString& name) {
    const QString bundled = ":/qt/qml/Sorvale/artwork/" + name + ".png";
    if (isReadableImage(bundled)) {
        return QUrl("qrc" + bundled);
    }
    return {};
}

} // namespace sorvale::ui
