// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreFixture.h"

#include <cstdlib>

namespace sorvale::store::test {

namespace fs = std::filesystem;

StoreFixture::StoreFixture()
    : home(tree / "home")
    , trash(tree / "home/.local/share/Trash") {
    fs::create_directories(home);
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");
    store =
        std::make_unique<CleanupStore>(engine::ScanEngine(tree / "root", model::HomeLayout::macos),
                                       [this](const fs::path&, std::function<void(bool)> answer) {
                                           if (automaticAnswer) {
                                               answer(*automaticAnswer);
                                           } else {
                                               heldChecks.push_back(std::move(answer));
                                           }
                                       });
    store->setUrlOpener([this](const QUrl& url) {
        openedUrls.push_back(url);
        return true;
    });
}

StoreFixture::~StoreFixture() {
    store.reset();
}

void StoreFixture::answerChecks(bool granted) {
    while (!heldChecks.empty()) {
        heldChecks.front()(granted);
        heldChecks.pop_front();
    }
}

std::vector<std::string> StoreFixture::selectedNames() const {
    std::vector<std::string> names;
    for (const auto& item : store->selectedItemsOfDisplayedList()) {
        names.push_back(item.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace sorvale::store::test
