// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "PutBack.h"

#include "ReachedEntry.h"
#include "Trash.h"
#include "model/Translatable.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using platform::Descriptor;
using platform::FileOperationError;

constexpr std::string_view kNoPlaceToGo = SORVALE_TRANSLATABLE(
    "Messages",
    "\u201C%1\u201D couldn\u2019t be put back: its record names no place it could go back to.");
// %2 is the system's own words.
constexpr std::string_view kSystemRefused =
    SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D couldn\u2019t be put back: %2.");

// A record is a few lines; anything longer is not one.
constexpr std::size_t kLongestRecord = 64 * 1024;

// `pattern` names the entry as %1 and says why it stays, with `more` as %2.
FileOperationError putBackError(const model::Location& inTrash, int code, std::string_view pattern,
                                std::string more = {}) {
    std::vector<std::string> arguments{std::string(inTrash.name())};
    if (!more.empty()) {
        arguments.push_back(std::move(more));
    }
    return {code, {pattern, std::move(arguments)}};
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The bytes a record's percent-encoded path stands for; none when an escape is broken.
std::optional<std::string> percentDecoded(std::string_view encoded) {
    std::string bytes;
    for (std::size_t at = 0; at < encoded.size(); ++at) {
        if (encoded[at] != '%') {
            bytes += encoded[at];
            continue;
        }
        const int high = at + 2 < encoded.size() ? hexValue(encoded[at + 1]) : -1;
        const int low = high >= 0 ? hexValue(encoded[at + 2]) : -1;
        if (low < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(high * 16 + low);
        at += 2;
    }
    return bytes;
}

// The "Path=" of the "[Trash Info]" group of the record `name` in the open info folder.
std::optional<std::string> recordedPath(int info, const std::string& name) {
    const Descriptor record(::openat(info, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!record) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(record.get(), buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
        if (text.size() > kLongestRecord) {
            return std::nullopt;
        }
    }
    bool inGroup = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (line.starts_with('[')) {
            inGroup = line == "[Trash Info]";
        } else if (inGroup && line.starts_with("Path=")) {
            line.remove_prefix(5);
            return line.empty() ? std::nullopt : percentDecoded(line);
        }
    }
    return std::nullopt;
}

bool climbsUp(const fs::path& path) {
    return std::any_of(path.begin(), path.end(),
                       [](const fs::path& component) { return component == ".."; });
}

// The folder whose paths the records of the trash can `can` are relative to: the top of its
// file system, above ".Trash-$uid" or ".Trash/$uid"; none for the home trash, whose records are
// absolute.
std::optional<fs::path> topOfTrashCan(const fs::path& can) {
    if (can.filename().native().starts_with(".Trash-")) {
        return can.parent_path();
    }
    if (can.parent_path().filename() == ".Trash") {
        return can.parent_path().parent_path();
    }
    return std::nullopt;
}

} // namespace

std::optional<FileOperationError> putBack(const model::Location& inTrash, fs::path* restored) {
    FileOperationError error;
    const auto entry = reach(inTrash, error);
    if (!entry) {
        return error;
    }
    // The trash can is the folder above "files"; its records lie in "info" beside it.
    const Descriptor can(::openat(entry->folder.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const Descriptor files(can ? ::openat(can.get(), "files", platform::realFolderFlags()) : -1);
    const Descriptor info(can ? ::openat(can.get(), "info", platform::realFolderFlags()) : -1);
    if (!files || !info ||
        platform::identityOf(files.get()) != std::optional(entry->folderIdentity)) {
        return putBackError(inTrash, ENOENT,
                            SORVALE_TRANSLATABLE("Messages",
                                                 "\u201C%1\u201D couldn\u2019t be put back: "
                                                 "it is not in a trash can\u2019s files."));
    }
    const std::string recordName = entry->name + ".trashinfo";
    const auto recorded = recordedPath(info.get(), recordName);
    if (!recorded) {
        return putBackError(
            inTrash, ENOENT,
            SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D couldn\u2019t be put back: its record "
                                             "in the Trash is missing or unreadable."));
    }
    fs::path original(*recorded);
    if (original.is_relative()) {
        const auto top = topOfTrashCan(inTrash.path().parent_path().parent_path());
        if (!top || climbsUp(original)) {
            return putBackError(inTrash, EINVAL, kNoPlaceToGo);
        }
        original = *top / original;
    }
    original = model::standardized(original);
    if (!original.has_filename() || !original.has_parent_path() || climbsUp(original)) {
        return putBackError(inTrash, EINVAL, kNoPlaceToGo);
    }

    // The folder it came from as that folder now is, reached as its path names it.
    const fs::path folderPath = original.parent_path();
    const Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder) {
        const int code = errno;
        return code == ENOENT || code == ENOTDIR
                   ? putBackError(inTrash, code,
                                  SORVALE_TRANSLATABLE(
                                      "Messages", "\u201C%1\u201D couldn\u2019t be put back: the "
                                                  "folder it came from, %2, no longer exists."),
                                  folderPath.native())
                   : putBackError(inTrash, code, kSystemRefused, std::strerror(code));
    }
    const std::string name = original.filename().native();
    const int moved = renameWithoutReplacing(entry->folder.get(), entry->name.c_str(), folder.get(),
                                             name.c_str());
    if (moved == EEXIST) {
        return putBackError(
            inTrash, EEXIST,
            SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D couldn\u2019t be put back: something "
                                             "else is already at %2."),
            original.native());
    }
    if (moved != 0) {
        return putBackError(inTrash, moved, kSystemRefused, std::strerror(moved));
    }
    // Something may have taken the entry's place in the Trash between the check and the move:
    // what moved goes back unless it is the entry itself.
    if (!isStill(*entry, folder.get(), name)) {
        (void)renameWithoutReplacing(folder.get(), name.c_str(), entry->folder.get(),
                                     entry->name.c_str());
        return changedAfterScan(inTrash);
    }
    ::unlinkat(info.get(), recordName.c_str(), 0);
    if (restored != nullptr) {
        *restored = original;
    }
    return std::nullopt;
}

} // namespace sorvale::cleanup
