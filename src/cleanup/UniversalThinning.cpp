// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UniversalThinning.h"

#include "ReachedEntry.h"
#include "model/Translatable.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using platform::Descriptor;

constexpr std::string_view kCodesign = "/usr/bin/codesign";

// A new random (version 4) UUID in its usual upper-case text form.
std::string newUuidString() {
    std::random_device source;
    std::array<unsigned char, 16> bytes{};
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(source() & 0xFF);
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text += '-';
        }
        std::array<char, 3> hex{};
        std::snprintf(hex.data(), hex.size(), "%02X", bytes[i]);
        text += hex.data();
    }
    return text;
}

// Removed however the optimisation ends, unless it holds an original that could not be put back.
class WorkingFolder {
public:
    explicit WorkingFolder(fs::path path)
        : path_(std::move(path)) {}
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder() {
        if (!kept_) {
            std::error_code ignored;
            fs::remove_all(path_, ignored);
        }
    }
    [[nodiscard]] fs::path operator/(const std::string& name) const { return path_ / name; }
    void keep() { kept_ = true; }

private:
    fs::path path_;
    bool kept_ = false;
};

// Copies the open file `from` into the new file `name` of `folder`, with `mode`; 0 or the error.
int copyInto(int from, int folder, const std::string& name, mode_t mode) {
    const Descriptor to(
        ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!to) {
        return errno;
    }
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t count = ::read(from, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            const int error = count < 0 ? errno : 0;
            if (error == 0 && ::fchmod(to.get(), mode) == 0 && ::fsync(to.get()) == 0) {
                return 0;
            }
            ::unlinkat(folder, name.c_str(), 0);
            return error != 0 ? error : errno;
        }
        for (ssize_t written = 0; written < count;) {
            const ssize_t step = ::write(to.get(), buffer.data() + written,
                                         static_cast<std::size_t>(count - written));
            if (step < 0 && errno != EINTR) {
                const int error = errno;
                ::unlinkat(folder, name.c_str(), 0);
                return error;
            }
            written += std::max<ssize_t>(step, 0);
        }
    }
}

// Puts a copy of `source` (a file of ours) in place of the entry `name` of `folder`, which must
// be `replaced`: written next to it under a name of its own first, then swapped in. The identity
// of the new entry, or none with `error` set (ESTALE when something else took the entry's place).
std::optional<model::FileIdentity> swapIn(int folder, const std::string& name,
                                          const fs::path& source, mode_t mode,
                                          const model::FileIdentity& replaced, int& error) {
    const Descriptor from(::open(source.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!from) {
        error = errno;
        return std::nullopt;
    }
    const std::string temporary = "." + name + ".sorvale-" + newUuidString();
    if ((error = copyInto(from.get(), folder, temporary, mode)) != 0) {
        return std::nullopt;
    }
    const auto placed = platform::readEntryValues(folder, temporary.c_str());
    const auto current = platform::readEntryValues(folder, name.c_str());
    if (!placed || !current || current->identity != replaced) {
        error = placed ? ESTALE : errno;
        ::unlinkat(folder, temporary.c_str(), 0);
        return std::nullopt;
    }
#ifdef RENAME_EXCHANGE
    if (::renameat2(folder, temporary.c_str(), folder, name.c_str(), RENAME_EXCHANGE) == 0) {
        // The temporary name now holds what was swapped out: the replaced entry, unless
        // something took its place since it was checked, which is then put back.
        const auto swappedOut = platform::readEntryValues(folder, temporary.c_str());
        if (!swappedOut || swappedOut->identity != replaced) {
            ::renameat2(folder, temporary.c_str(), folder, name.c_str(), RENAME_EXCHANGE);
            ::unlinkat(folder, temporary.c_str(), 0);
            error = ESTALE;
            return std::nullopt;
        }
        ::unlinkat(folder, temporary.c_str(), 0);
        return placed->identity;
    }
    if (errno != EINVAL) {
        error = errno;
        ::unlinkat(folder, temporary.c_str(), 0);
        return std::nullopt;
    }
#endif
    if (::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
        error = errno;
        ::unlinkat(folder, temporary.c_str(), 0);
        return std::nullopt;
    }
    return placed->identity;
}

// An executable that was replaced by its thinned copy.
struct Replacement {
    const model::Location* executable;
    fs::path backup;
    mode_t mode;
    model::FileIdentity thinned;
};

// What could not be put back: the executables' names and where their originals are kept.
struct Unrestored {
    std::vector<std::string> names;
    std::string kept;
};

// Puts back every replaced executable, the last replaced first, and names those that could not
// be put back.
std::optional<Unrestored> restore(const std::vector<Replacement>& replaced,
                                  const fs::path& working) {
    Unrestored unrestored;
    for (auto replacement = replaced.rbegin(); replacement != replaced.rend(); ++replacement) {
        platform::FileOperationError reachError;
        int error = 0;
        const auto entry = reachInFolder(*replacement->executable, reachError);
        if (!entry || !swapIn(entry->folder.get(), entry->name, replacement->backup,
                              replacement->mode, replacement->thinned, error)) {
            unrestored.kept =
                unrestored.names.empty() ? replacement->backup.native() : working.native();
            unrestored.names.emplace_back(replacement->executable->name());
        }
    }
    if (unrestored.names.empty()) {
        return std::nullopt;
    }
    return unrestored;
}

// After the signature changed: what was put back, or what could not be and where it is kept.
model::Message signatureChanged(const std::optional<Unrestored>& unrestored) {
    if (!unrestored) {
        return {SORVALE_TRANSLATABLE(
            "Messages", "The app signature changed, so Sorvale restored the original files.")};
    }
    // %2 is the quoted names, a list of its own.
    return {unrestored->names.size() == 1
                ? SORVALE_TRANSLATABLE("Messages",
                                       "The app signature changed, and Sorvale could not restore "
                                       "%2 (its original is kept at %1).")
                : SORVALE_TRANSLATABLE("Messages",
                                       "The app signature changed, and Sorvale could not restore "
                                       "%2 (their originals are kept in %1)."),
            {unrestored->kept},
            {quotedNames(unrestored->names)}};
}

} // namespace

std::optional<model::Message> optimizeUniversalApplication(const engine::ScanEngine& tools,
                                                           const model::CleanupItem& item) {
    if (item.category != model::CleanupCategory::universalBinaries || item.relatedFiles.empty()) {
        return model::Message{
            SORVALE_TRANSLATABLE("Messages", "No universal executables were found.")};
    }
    const fs::path workingPath = fs::temp_directory_path() / ("Sorvale-" + newUuidString());
    std::error_code creation;
    if (!fs::create_directories(workingPath, creation) || creation) {
        return model::Message{
            SORVALE_TRANSLATABLE("Messages", "Could not create a safe working directory.")};
    }
    WorkingFolder working(workingPath);
    const Descriptor workingFolder(::open(workingPath.c_str(), platform::realFolderFlags()));

    const std::vector<std::string> verify{"--verify", "--deep", "--strict",
                                          std::string(item.url.bytes())};
    const int statusBefore = tools.runTool(kCodesign, verify).status;

    std::vector<Replacement> replaced;
    // Backs the executable up, thins the backup and swaps the thinned copy in; the message of
    // what went wrong, if anything did.
    const auto thin = [&](const model::Location& executable,
                          std::size_t index) -> std::optional<model::Message> {
        const model::Message failure{
            SORVALE_TRANSLATABLE("Messages", "Could not safely optimize %1."),
            {std::string(executable.name())}};
        platform::FileOperationError error;
        const auto entry = reach(executable, error);
        if (!entry) {
            return error.code == ESTALE || error.code == ENOENT ? error.message : failure;
        }
        const Descriptor file(::openat(entry->folder.get(), entry->name.c_str(),
                                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        const auto opened = file ? platform::readOpenEntryValues(file.get()) : std::nullopt;
        if (!opened || opened->type != platform::EntryType::regular ||
            opened->identity != entry->values.identity) {
            return changedAfterScan(executable).message;
        }
        const std::string backupName = "backup-" + std::to_string(index);
        const fs::path thinned = working / ("thin-" + std::to_string(index));
        const auto mode = static_cast<mode_t>(opened->permissions);
        if (!workingFolder || copyInto(file.get(), workingFolder.get(), backupName, 0600) != 0) {
            return failure;
        }
        // The tool reads the verified copy, never a path that could lead elsewhere.
        const std::string nativeArchitecture(engine::ScanEngine::kNativeArchitecture);
        if (tools
                .runTool(engine::ScanEngine::kLipo,
                         {(working / backupName).native(), "-thin", nativeArchitecture, "-output",
                          thinned.native()})
                .status != 0) {
            return failure;
        }
        int swapError = 0;
        const auto placed = swapIn(entry->folder.get(), entry->name, thinned, mode,
                                   entry->values.identity, swapError);
        if (!placed) {
            return swapError == ESTALE ? changedAfterScan(executable).message : failure;
        }
        replaced.push_back({&executable, working / backupName, mode, *placed});
        return std::nullopt;
    };
    // A failure's message, with what could not be put back.
    const auto failedAfterRestoring = [&](model::Message message) {
        if (const auto unrestored = restore(replaced, workingPath)) {
            working.keep();
            // %2 is what went wrong, a sentence of its own, and %3 the quoted names.
            return model::Message{
                unrestored->names.size() == 1
                    ? SORVALE_TRANSLATABLE("Messages", "%2 Sorvale also could not restore %3 (its "
                                                       "original is kept at %1).")
                    : SORVALE_TRANSLATABLE("Messages", "%2 Sorvale also could not restore %3 "
                                                       "(their originals are kept in %1)."),
                {unrestored->kept},
                {std::move(message), quotedNames(unrestored->names)}};
        }
        return message;
    };

    for (std::size_t index = 0; index < item.relatedFiles.size(); ++index) {
        if (auto failure = thin(item.relatedFiles[index], index)) {
            return failedAfterRestoring(std::move(*failure));
        }
    }
    if (statusBefore == 0 && tools.runTool(kCodesign, verify).status != 0) {
        const auto unrestored = restore(replaced, workingPath);
        if (unrestored) {
            working.keep();
        }
        return signatureChanged(unrestored);
    }
    return std::nullopt;
}

} // namespace sorvale::cleanup
