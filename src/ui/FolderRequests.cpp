// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "FolderRequests.h"

#include "store/StoreValues.h"

#include <QFile>

namespace sorvale::ui {

FolderRequests::FolderRequests(store::CleanupStore& store) {
    store.setFolderChooser([this](const store::CleanupStore::FolderRequest& request, auto choose) {
        answer_ = std::move(choose);
        emit requested(request.title, request.message, request.prompt,
                       QUrl::fromLocalFile(QFile::decodeName(request.startFolder.c_str())));
    });
}

void FolderRequests::choose(const QUrl& folder) {
    if (auto answer = std::exchange(answer_, nullptr); answer && folder.isLocalFile()) {
        answer(store::pathOfLocalFile(folder));
    }
}

void FolderRequests::cancel() {
    if (auto answer = std::exchange(answer_, nullptr)) {
        answer(std::nullopt);
    }
}

} // namespace sorvale::ui
