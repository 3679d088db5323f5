// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "FileManager.h"

#include "store/StoreValues.h"

#include <QDesktopServices>

#if defined(Q_OS_MACOS)
#include <QFile>
#include <QProcess>
#else
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#endif

namespace sorvale::ui {

QUrl FileManager::fileUrl(const std::filesystem::path& path) {
    return QUrl::fromEncoded("file://" + store::itemKey(path).toLatin1());
}

void FileManager::reveal(const QString& itemKey) {
    const std::filesystem::path path = store::bytesOfItemKey(itemKey);
#if defined(Q_OS_MACOS)
    QProcess::startDetached("/usr/bin/open", {"-R", QFile::decodeName(path.c_str())});
#else
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1",
                                                       "/org/freedesktop/FileManager1",
                                                       "org.freedesktop.FileManager1", "ShowItems");
    call << QStringList{QString::fromLatin1(fileUrl(path).toEncoded())} << QString();
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [folder = fileUrl(path.parent_path())](QDBusPendingCallWatcher* finished) {
                if (finished->isError()) {
                    QDesktopServices::openUrl(folder);
                }
                finished->deleteLater();
            });
#endif
}

} // namespace sorvale::ui
