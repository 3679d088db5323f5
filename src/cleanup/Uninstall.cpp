// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Uninstall.h"

#include "Trash.h"
#include "model/Translatable.h"

#include <cerrno>

namespace sorvale::cleanup {

ItemResult uninstall(const model::CleanupItem& item, const std::filesystem::path& home,
                     bool& needsAppManagementPermission, std::vector<model::Location>* placed) {
    std::vector<std::string> moved;
    const auto failure = [&](const platform::FileOperationError& error) {
        model::Message message;
        // Only macOS guards applications with a permission of its own.
        if (platform::isPermissionError(error) &&
            item.operation.kind() != model::CleanupOperation::Kind::uninstallAppImage) {
            needsAppManagementPermission = true;
            message =
                moved.empty()
                    ? model::Message{SORVALE_TRANSLATABLE(
                          "Messages", "App Management permission is required to uninstall "
                                      "apps from Applications. Open Permission Settings "
                                      "and enable Sorvale.")}
                    : model::Message{SORVALE_TRANSLATABLE(
                                         "Messages",
                                         "App Management permission is required to uninstall apps "
                                         "from Applications. Open Permission Settings and enable "
                                         "Sorvale. Already moved to the Trash: %1."),
                                     {},
                                     {quotedNames(moved)}};
        } else {
            // %2 is the reason, and %3 what moved already: sentences of their own.
            message =
                moved.empty()
                    ? model::Message{SORVALE_TRANSLATABLE("Messages",
                                                          "Could not completely uninstall %1: %2"),
                                     {item.name},
                                     {error.message}}
                    : model::Message{SORVALE_TRANSLATABLE("Messages",
                                                          "Could not completely uninstall %1: %2 "
                                                          "Already moved to the Trash: %3."),
                                     {item.name},
                                     {error.message, quotedNames(moved)}};
        }
        return error.code == ESTALE || error.code == ENOENT ? ItemResult::skipped(message)
                                                            : ItemResult::failed(message);
    };

    struct Move {
        ReachedEntry entry;
        const model::Location* location;
    };
    std::vector<Move> moves;
    platform::FileOperationError error;
    for (const model::Location& file : item.relatedFiles) {
        if (auto entry = reach(file, error)) {
            moves.push_back({std::move(*entry), &file});
        } else if (error.code != ENOENT) {
            return failure(error);
        }
    }
    auto bundle = reach(item.url, error);
    if (!bundle) {
        return failure(error);
    }
    moves.push_back({std::move(*bundle), &item.url});

    for (const Move& move : moves) {
        model::Location inTrash;
        if (const auto moveError = moveToTrash(move.entry, *move.location, home, &inTrash)) {
            return failure(*moveError);
        }
        moved.emplace_back(move.location->name());
        if (placed != nullptr) {
            placed->push_back(std::move(inTrash));
        }
    }
    if (item.operation.kind() != model::CleanupOperation::Kind::uninstallAppImage) {
        needsAppManagementPermission = false;
    }
    return ItemResult::removed();
}

} // namespace sorvale::cleanup
