// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UnpackSafety.h"

#include "UpdateError.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace sorvale::updater {
namespace {

namespace fs = std::filesystem;
using Components = std::vector<std::string>;

// Beyond this many links on one way, a target counts as leaving (the system gives up at 40).
constexpr int kMaxLinkHops = 32;

QString shown(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString outsideEntry(std::string_view name) {
    return UpdaterTexts::tr(
               "the archive entry \"%1\" would be written outside the update's folder.")
        .arg(shown(name));
}

QString outsideLink(std::string_view name) {
    return UpdaterTexts::tr("the archive link \"%1\" points outside the update's folder.")
        .arg(shown(name));
}

QString specialEntry(std::string_view name) {
    return UpdaterTexts::tr("the archive entry \"%1\" is not a file, folder or link.")
        .arg(shown(name));
}

QString bundleIsLink(std::string_view bundleName) {
    return UpdaterTexts::tr("%1 in the downloaded archive is a link.").arg(shown(bundleName));
}

// A name as a file system that ignores case and Unicode normalization (the default on macOS)
// sees it, so that "Link/x" is known to be written through the link "link".
std::string folded(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
        .normalized(QString::NormalizationForm_D)
        .toCaseFolded()
        .toStdString();
}

std::string joined(const Components& components, std::size_t count) {
    std::string path;
    for (std::size_t index = 0; index < count; ++index) {
        path += (index == 0 ? "" : "/") + components[index];
    }
    return path;
}

// Whether a name is absolute or climbs with "..", also for an unpacking tool that takes "\" for
// a separator, as some do for archives made on Windows.
bool leavesTop(std::string_view name) {
    if (name.starts_with('/') || name.starts_with('\\')) {
        return true;
    }
    while (!name.empty()) {
        const std::size_t end = std::min(name.find_first_of("/\\"), name.size());
        if (name.substr(0, end) == "..") {
            return true;
        }
        name.remove_prefix(std::min(end + 1, name.size()));
    }
    return false;
}

// The folded components of a name relative to the top, "." and empty ones left out; none for a
// name that leaves the top.
std::optional<Components> relativeComponents(std::string_view name) {
    if (leavesTop(name)) {
        return std::nullopt;
    }
    Components components;
    while (!name.empty()) {
        const std::size_t end = std::min(name.find('/'), name.size());
        const std::string_view component = name.substr(0, end);
        name.remove_prefix(std::min(end + 1, name.size()));
        if (!component.empty() && component != ".") {
            components.push_back(folded(component));
        }
    }
    return components;
}

// The archive's entries by their folded names relative to the top.
struct Entry {
    enum class Type { file, folder, link };
    Type type = Type::file;
    std::string linkTarget;
    std::string name; // as written in the archive
    Components components;
};
using Tree = std::map<std::string, Entry>;

// Where `target` leads when followed from the folder `from` through the archive's own links;
// none when the way leaves the top or goes round too many links.
std::optional<Components> resolve(const Tree& tree, Components from, std::string_view target,
                                  int& hops) {
    if (target.starts_with('/')) {
        return std::nullopt;
    }
    while (!target.empty()) {
        const std::size_t end = std::min(target.find('/'), target.size());
        const std::string component(target.substr(0, end));
        target.remove_prefix(std::min(end + 1, target.size()));
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            if (from.empty()) {
                return std::nullopt;
            }
            from.pop_back();
            continue;
        }
        from.push_back(folded(component));
        const auto found = tree.find(joined(from, from.size()));
        if (found != tree.end() && found->second.type == Entry::Type::link) {
            if (++hops > kMaxLinkHops) {
                return std::nullopt;
            }
            from.pop_back();
            auto resolved = resolve(tree, std::move(from), found->second.linkTarget, hops);
            if (!resolved) {
                return std::nullopt;
            }
            from = std::move(*resolved);
        }
    }
    return from;
}

// Why an entry at `components` cannot be written where it is named: a link or a file in the
// archive stands on its way.
std::optional<QString> blockedWay(const Tree& tree, const Components& components,
                                  std::string_view name) {
    for (std::size_t count = 1; count < components.size(); ++count) {
        const auto found = tree.find(joined(components, count));
        if (found == tree.end() || found->second.type == Entry::Type::folder) {
            continue;
        }
        if (found->second.type == Entry::Type::link) {
            return UpdaterTexts::tr("the archive entry \"%1\" would be written through a link.")
                .arg(shown(name));
        }
        return UpdaterTexts::tr("the archive entry \"%1\" lies inside a file.").arg(shown(name));
    }
    return std::nullopt;
}

using ArchiveReader = std::unique_ptr<archive, decltype(&archive_read_free)>;

std::uint64_t littleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t index = size; index-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + index]);
    }
    return value;
}

// A central directory larger than this is no application's.
constexpr std::uint64_t kMaxDirectorySize = 64 * 1024 * 1024;

// The names the archive's central directory lists, as written. libarchive names each entry after
// its local header, while another unpacking tool may go by the central directory: where the two
// disagree, what was inspected is not what is unpacked. None when the directory cannot be read.
std::optional<std::vector<std::string>> centralDirectoryNames(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const auto read = [&](std::uint64_t offset, std::uint64_t size) -> std::optional<std::string> {
        std::string bytes(size, '\0');
        file.clear();
        file.seekg(static_cast<std::streamoff>(offset));
        if (!file.read(bytes.data(), static_cast<std::streamsize>(size))) {
            return std::nullopt;
        }
        return bytes;
    };
    file.seekg(0, std::ios::end);
    const auto fileSize = static_cast<std::uint64_t>(std::max<std::streamoff>(file.tellg(), 0));
    // The end record (22 bytes and a comment of up to 65,535) and a ZIP64 locator before it.
    const std::uint64_t tailSize = std::min<std::uint64_t>(fileSize, 22 + 65535 + 20);
    const auto tail = read(fileSize - tailSize, tailSize);
    if (!tail || tail->size() < 22) {
        return std::nullopt;
    }
    const std::size_t end = tail->rfind(std::string_view("PK\x05\x06", 4), tail->size() - 22);
    if (end == std::string::npos) {
        return std::nullopt;
    }
    std::uint64_t count = littleEndian(*tail, end + 10, 2);
    std::uint64_t size = littleEndian(*tail, end + 12, 4);
    std::uint64_t offset = littleEndian(*tail, end + 16, 4);
    if (count == 0xffff || size == 0xffffffff || offset == 0xffffffff) {
        if (end < 20 || tail->compare(end - 20, 4, "PK\x06\x07") != 0) {
            return std::nullopt;
        }
        const auto record = read(littleEndian(*tail, end - 20 + 8, 8), 56);
        if (!record || record->compare(0, 4, "PK\x06\x06") != 0) {
            return std::nullopt;
        }
        count = littleEndian(*record, 32, 8);
        size = littleEndian(*record, 40, 8);
        offset = littleEndian(*record, 48, 8);
    }
    if (size > kMaxDirectorySize || offset > fileSize || size > fileSize - offset) {
        return std::nullopt;
    }
    const auto directory = read(offset, size);
    if (!directory) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    std::size_t at = 0;
    while (names.size() < count) {
        if (at + 46 > directory->size() || directory->compare(at, 4, "PK\x01\x02") != 0) {
            return std::nullopt;
        }
        const std::size_t nameSize = littleEndian(*directory, at + 28, 2);
        const std::size_t next = at + 46 + nameSize + littleEndian(*directory, at + 30, 2) +
                                 littleEndian(*directory, at + 32, 2);
        if (next > directory->size()) {
            return std::nullopt;
        }
        names.push_back(directory->substr(at + 46, nameSize));
        at = next;
    }
    return names;
}

} // namespace

std::optional<QString> inspectArchive(const fs::path& archivePath, std::string_view bundleName) {
    const ArchiveReader reader(archive_read_new(), &archive_read_free);
    archive_read_support_format_zip(reader.get());
    const auto unreadable = [&] {
        const char* error = archive_error_string(reader.get());
        return UpdaterTexts::tr("the archive could not be read (%1).")
            .arg(error != nullptr ? QString::fromUtf8(error) : UpdaterTexts::tr("unknown error"));
    };
    if (archive_read_open_filename(reader.get(), archivePath.c_str(), 64 * 1024) != ARCHIVE_OK) {
        return unreadable();
    }
    Tree tree;
    std::vector<std::pair<Components, std::string>> hardLinks;
    archive_entry* header = nullptr;
    for (;;) {
        const int status = archive_read_next_header(reader.get(), &header);
        if (status == ARCHIVE_EOF) {
            break;
        }
        // A warning is about a name's character set; the name's bytes are still read.
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            return unreadable();
        }
        const char* rawName = archive_entry_pathname(header);
        const std::string name = rawName != nullptr ? rawName : "";
        const auto components = relativeComponents(name);
        if (!components) {
            return outsideEntry(name);
        }
        Entry entry{Entry::Type::file, {}, name, *components};
        if (const char* hardLinkTarget = archive_entry_hardlink(header)) {
            const auto target = relativeComponents(hardLinkTarget);
            if (!target || target->empty()) {
                return outsideLink(name);
            }
            hardLinks.emplace_back(*target, name);
        } else {
            switch (archive_entry_filetype(header)) {
            case AE_IFREG:
                break;
            case AE_IFDIR:
                entry.type = Entry::Type::folder;
                break;
            case AE_IFLNK: {
                entry.type = Entry::Type::link;
                const char* target = archive_entry_symlink(header);
                entry.linkTarget = target != nullptr ? target : "";
                break;
            }
            default:
                return specialEntry(name);
            }
        }
        if (components->empty()) {
            // The top itself: only a folder can stand for it.
            if (entry.type != Entry::Type::folder) {
                return outsideEntry(name);
            }
            continue;
        }
        const auto [existing, inserted] =
            tree.emplace(joined(*components, components->size()), entry);
        if (!inserted &&
            (existing->second.type != Entry::Type::folder || entry.type != Entry::Type::folder)) {
            return UpdaterTexts::tr("the archive holds \"%1\" more than once.").arg(shown(name));
        }
    }

    const auto listed = centralDirectoryNames(archivePath);
    if (!listed) {
        return UpdaterTexts::tr("the archive's central directory could not be read.");
    }
    for (const std::string& name : *listed) {
        const auto components = relativeComponents(name);
        if (!components) {
            return outsideEntry(name);
        }
        if (!components->empty() && !tree.contains(joined(*components, components->size()))) {
            return UpdaterTexts::tr(
                       "the archive's central directory names \"%1\", which none of its entries "
                       "is.")
                .arg(shown(name));
        }
    }

    if (const auto bundle = tree.find(folded(bundleName));
        bundle != tree.end() && bundle->second.type == Entry::Type::link) {
        return bundleIsLink(bundleName);
    }
    for (const auto& [key, entry] : tree) {
        const Components& components = entry.components;
        if (auto blocked = blockedWay(tree, components, entry.name)) {
            return blocked;
        }
        if (entry.type == Entry::Type::link) {
            int hops = 0;
            const Components folder(components.begin(), components.end() - 1);
            if (!resolve(tree, folder, entry.linkTarget, hops)) {
                return outsideLink(entry.name);
            }
        }
    }
    for (const auto& [target, name] : hardLinks) {
        if (blockedWay(tree, target, name)) {
            return outsideLink(name);
        }
    }
    return std::nullopt;
}

namespace {

bool isInside(const fs::path& path, const fs::path& top) {
    auto component = path.begin();
    for (const auto& topComponent : top) {
        if (component == path.end() || *component != topComponent) {
            return false;
        }
        ++component;
    }
    return true;
}

} // namespace

std::optional<QString> inspectUnpackedFolder(const fs::path& folder, std::string_view bundleName) {
    std::error_code error;
    const fs::path top = fs::canonical(folder, error);
    const auto unreadable = [&] {
        return UpdaterTexts::tr("the unpacked archive could not be read (%1).")
            .arg(QString::fromStdString(error.message()));
    };
    if (error) {
        return unreadable();
    }
    // Files with more than one name: how many of their names lie inside, against how many exist.
    struct SharedData {
        nlink_t links = 0;
        nlink_t namesInside = 0;
        std::string name;
    };
    std::map<std::pair<dev_t, ino_t>, SharedData> sharedData;
    for (auto entry = fs::recursive_directory_iterator(top, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        const fs::path& path = entry->path();
        const std::string name = path.lexically_relative(top).native();
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            error = std::error_code(errno, std::generic_category());
            break;
        }
        if (S_ISREG(status.st_mode)) {
            if (status.st_nlink > 1) {
                SharedData& shared = sharedData[{status.st_dev, status.st_ino}];
                shared.links = status.st_nlink;
                ++shared.namesInside;
                shared.name = name;
            }
        } else if (S_ISLNK(status.st_mode)) {
            const fs::path target = fs::read_symlink(path, error);
            const fs::path resolved = fs::weakly_canonical(
                target.is_absolute() ? target : path.parent_path() / target, error);
            if (error || !isInside(resolved, top)) {
                return outsideLink(name);
            }
        } else if (!S_ISDIR(status.st_mode)) {
            return specialEntry(name);
        }
    }
    if (error) {
        return unreadable();
    }
    for (const auto& [identity, shared] : sharedData) {
        if (shared.namesInside < shared.links) {
            return outsideLink(shared.name);
        }
    }
    struct stat bundle {};
    if (::lstat((top / bundleName).c_str(), &bundle) == 0 && S_ISLNK(bundle.st_mode)) {
        return bundleIsLink(bundleName);
    }
    return std::nullopt;
}

} // namespace sorvale::updater
