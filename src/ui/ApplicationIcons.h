// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QQmlEngine>
#include <QQuickImageProvider>

namespace sorvale::ui {

// "image://appicon/<the application's path in hexadecimal>": the icon file the application's
// bundle declares, read through Qt's image plugins (ICNS where its plugin is installed). When
// there is none, or it cannot be read, the image is null and the view shows a symbol instead.
// Safe to call from the image loading threads.
class ApplicationIcons : public QQuickImageProvider {
public:
    ApplicationIcons();

    // Gives `engine` the provider (it takes ownership).
    static void install(QQmlEngine& engine);

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};

} // namespace sorvale::ui
