// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ReachedEntry.h"

#include "model/Translatable.h"

#include <cerrno>
#include <cstring>

namespace sorvale::cleanup {

model::Message quotedNames(const std::vector<std::string>& names) {
    // The last name alone; each name before it followed by the rest of the list, a sentence.
    model::Message list{SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D"), {names.back()}};
    for (auto name = names.rbegin() + 1; name < names.rend(); ++name) {
        list = model::Message{
            SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D, %2"), {*name}, {std::move(list)}};
    }
    return list;
}

platform::FileOperationError changedAfterScan(const model::Location& location) {
    return {ESTALE,
            {SORVALE_TRANSLATABLE("Messages",
                                  "\u201C%1\u201D changed after the scan \u2014 scan again."),
             {std::string(location.name())}}};
}

namespace {

std::optional<ReachedEntry> reachEntry(const model::Location& location, bool sameEntry,
                                       platform::FileOperationError& error) {
    const auto fail = [&](int code) -> std::optional<ReachedEntry> {
        switch (code) {
        case ENOENT:
            error = {ENOENT,
                     {SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D is no longer where the scan "
                                                       "found it \u2014 scan again."),
                      {std::string(location.name())}}};
            break;
        case ESTALE:
            error = changedAfterScan(location);
            break;
        default:
            error = {
                code,
                {SORVALE_TRANSLATABLE("Messages", "\u201C%1\u201D couldn\u2019t be reached: %2."),
                 {std::string(location.name()), std::strerror(code)}}};
        }
        return std::nullopt;
    };
    const auto sighting = location.sighting();
    if (!sighting || sighting->folder.rootLength >= location.bytes().size()) {
        // Nothing that no scan has seen is ever changed.
        return fail(ESTALE);
    }
    const std::string_view bytes = location.bytes();
    int code = 0;
    const std::uint32_t rootLength = sighting->folder.rootLength;
    auto folder = platform::openEntryFolder(std::string(bytes.substr(0, rootLength)),
                                            bytes.substr(rootLength), code);
    if (!folder) {
        // A link where a folder was is a change, not an absence.
        return fail(code == ELOOP || code == ENOTDIR ? ESTALE : code);
    }
    if (folder->rootIdentity != sighting->folder.root ||
        folder->folderIdentity != sighting->folder.folder) {
        return fail(ESTALE);
    }
    auto values = platform::readEntryValues(folder->folder.get(), folder->name.c_str());
    if (!values) {
        return fail(errno);
    }
    if (sameEntry && values->identity != sighting->entry) {
        return fail(ESTALE);
    }
    return ReachedEntry{std::move(folder->folder), folder->folderIdentity, std::move(folder->name),
                        *values};
}

} // namespace

std::optional<ReachedEntry> reach(const model::Location& location,
                                  platform::FileOperationError& error) {
    return reachEntry(location, /*sameEntry=*/true, error);
}

std::optional<ReachedEntry> reachInFolder(const model::Location& location,
                                          platform::FileOperationError& error) {
    return reachEntry(location, /*sameEntry=*/false, error);
}

bool isStill(const ReachedEntry& entry, int folder, const std::string& name) {
    const auto values = platform::readEntryValues(folder, name.c_str());
    return values && values->identity == entry.values.identity;
}

} // namespace sorvale::cleanup
