// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "PermanentDeletion.h"

#include "engine/DirectoryWalker.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using platform::FileOperationError;

// Removes `name` from `folder`. A folder of the user's that lacks write permission (a module
// cache keeps its files read-only, for one) is given it, as removing from it needs it.
int removeFrom(int folder, const char* name, int flags) {
    if (::unlinkat(folder, name, flags) == 0) {
        return 0;
    }
    const int error = errno;
    struct stat status {};
    if (error != EACCES || ::fstat(folder, &status) != 0 || (status.st_mode & S_IWUSR) != 0 ||
        ::fchmod(folder, (status.st_mode & 07777) | S_IWUSR) != 0) {
        return error;
    }
    return ::unlinkat(folder, name, flags) == 0 ? 0 : errno;
}

// What could not be deleted: how many entries, and the first of them with its reason.
struct Remains {
    std::size_t count = 0;
    fs::path first;
    int firstError = 0;

    void add(const fs::path& path, int error) {
        if (count++ == 0) {
            first = path;
            firstError = error;
        }
    }
};

} // namespace

std::optional<FileOperationError> deletePermanently(const ReachedEntry& entry,
                                                    const model::Location& location) {
    const std::string name(location.name());
    if (entry.values.type != platform::EntryType::directory) {
        if (const int error = removeFrom(entry.folder.get(), entry.name.c_str(), 0); error != 0) {
            return FileOperationError{
                error,
                {SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D couldn\u2019t be deleted: %2."),
                 {name, std::strerror(error)}}};
        }
        return std::nullopt;
    }

    const platform::Descriptor folder(
        ::openat(entry.folder.get(), entry.name.c_str(), platform::realFolderFlags()));
    if (!folder || platform::identityOf(folder.get()) != std::optional(entry.values.identity)) {
        return changedAfterScan(location);
    }
    // Paths in messages start at the entry's own name.
    const fs::path shown(entry.name);
    Remains remains;
    engine::walkOpenFolder(
        folder.get(), shown, engine::WalkOptions{.stayOnDevice = true},
        engine::WalkWorker{
            .visit =
                [&](const engine::WalkEntry& inside) {
                    if (inside.type() != platform::EntryType::directory) {
                        const std::string child(inside.name());
                        if (const int error =
                                removeFrom(inside.folderDescriptor(), child.c_str(), 0)) {
                            remains.add(inside.path(), error);
                        }
                    }
                    return engine::WalkAction::descend;
                },
            .onError = [&](const fs::path& path, int error) { remains.add(path, error); },
            .leave =
                [&](const engine::WalkEntry& emptied) {
                    const std::string child(emptied.name());
                    if (const int error =
                            removeFrom(emptied.folderDescriptor(), child.c_str(), AT_REMOVEDIR)) {
                        // A folder something was left in says no more than that.
                        if (error != ENOTEMPTY || remains.count == 0) {
                            remains.add(emptied.path(), error);
                        }
                    }
                },
        });
    if (remains.count == 0) {
        if (const int error = removeFrom(entry.folder.get(), entry.name.c_str(), AT_REMOVEDIR)) {
            remains.add(shown, error);
        }
    }
    if (remains.count == 0) {
        return std::nullopt;
    }
    // %1 the item, %2 what remains first, %3 how many others remain, %4 the system's words.
    static constexpr std::string_view kPartly[2][3] = {
        {SORVALE_TRANSLATABLE(
             "Messages", "\u201C%1\u201D was only partly deleted: \u201C%2\u201D remains (%4)."),
         SORVALE_TRANSLATABLE("Messages",
                              "\u201C%1\u201D was only partly deleted: \u201C%2\u201D (%4) "
                              "and 1 other item remain."),
         SORVALE_TRANSLATABLE("Messages",
                              "\u201C%1\u201D was only partly deleted: \u201C%2\u201D (%4) "
                              "and %3 other items remain.")},
        {SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D was only partly deleted: \u201C%2\u201D "
                                          "remains (another file system is mounted there)."),
         SORVALE_TRANSLATABLE(
             "Messages", "\u201C%1\u201D was only partly deleted: \u201C%2\u201D (another file "
                         "system is mounted there) and 1 other item remain."),
         SORVALE_TRANSLATABLE(
             "Messages", "\u201C%1\u201D was only partly deleted: \u201C%2\u201D (another file "
                         "system is mounted there) and %3 other items remain.")}};
    const std::size_t others = remains.count - 1;
    return FileOperationError{
        remains.firstError,
        {kPartly[remains.firstError == EXDEV ? 1 : 0][std::min<std::size_t>(others, 2)],
         {name, remains.first.native(), std::to_string(others),
          std::strerror(remains.firstError)}}};
}

} // namespace sorvale::cleanup
