#include "ApplicationBundles.h"
#include "DirectoryWalker.h"
#include "OptimizerError.h"
#include "ScanEngine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

constexpr std::string_view kSystemApplications = "/Applications";
constexpr std::string_view kNativeArchitecture = "arm64";
// The fat header magic numbers, 32- and 64-bit, in both byte orders.
constexpr std::array<std::array<unsigned char, 4>, 4> kUniversalSignatures{{
    {0xCA, 0xFE, 0xBA, 0xBE},
    {0xBE, 0xBA, 0xFE, 0xCA},
    {0xCA, 0xFE, 0xBA, 0xBF},
    {0xBF, 0xBA, 0xFE, 0xCA},
}};
// Thinning an executable that saves less is not worth touching a signed application for.
constexpr std::int64_t kMinimumSaving = 64'001;
constexpr std::string_view kLipo = "/usr/bin/lipo";
constexpr std::string_view kCodesign = "/usr/bin/codesign";

using Replacements = std::vector<std::pair<fs::path, fs::path>>;

// Every application bundle below the roots that exist; bundles inside bundles are not listed.
std::vector<fs::path> findApplications(const std::vector<fs::path>& roots) {
    static constexpr std::array<std::string_view, 1> kApplicationExtension{"app"};
    std::vector<fs::path> applications;
    for (const fs::path& root : roots) {
        if (platform::fileExists(root)) {
            (void)findBundles(root, kApplicationExtension,
                              [&](const fs::path& bundle) { applications.push_back(bundle); });
        }
    }
    return applications;
}

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

// Removes the working folder however the optimisation ends.
class WorkingFolder {
public:
    explicit WorkingFolder(fs::path path)
        : path_(std::move(path)) {}
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    [[nodiscard]] fs::path operator/(const std::string& name) const { return path_ / name; }

private:
    fs::path path_;
};

// A regular file only: a link in its place is refused rather than followed.
void copyRegularFile(const fs::path& from, const fs::path& to) {
    if (fs::symlink_status(from).type() != fs::file_type::regular) {
        throw fs::filesystem_error("not a regular file", from,
                                   std::make_error_code(std::errc::invalid_argument));
    }
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

// A rename, or a copy and a removal where the two lie on different file systems.
void moveFile(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (!error) {
        return;
    }
    if (error != std::errc::cross_device_link) {
        throw fs::filesystem_error("cannot move", from, to, error);
    }
    copyRegularFile(from, to);
    fs::remove(from);
}

} // namespace

std::vector<model::CleanupItem> ScanEngine::scanUniversalApplications(const fs::path& home) const {
    std::vector<model::CleanupItem> items;
    for (const fs::path& application :
         findApplications({systemPath(kSystemApplications), home / "Applications"})) {
        std::vector<fs::path> executables;
        std::int64_t saving = 0;
        (void)walkDirectory(
            application, WalkOptions{.skipHiddenEntries = true},
            [&](const WalkEntry& entry) {
                // Only regular files: frameworks link their executables from several places, and
                // a link must neither count twice nor be replaced by a file.
                const auto& values = entry.values();
                if (!values || values->type != platform::EntryType::regular ||
                    !isUniversalMachO(entry.path()) || ::access(entry.path().c_str(), W_OK) != 0) {
                    return WalkAction::descend;
                }
                const auto nativeSize = nativeSliceSize(entry.path());
                if (!nativeSize) {
                    return WalkAction::descend;
                }
                const std::int64_t fileSaving = values->fileSize.value_or(0) - *nativeSize;
                if (fileSaving >= kMinimumSaving) {
                    executables.push_back(entry.path());
                    saving += fileSaving;
                }
                return WalkAction::descend;
            },
            [](const fs::path&, int) {});
        if (saving >= 1) {
            const auto values = platform::readEntryValues(application);
            items.push_back(model::CleanupItem{
                .id = application,
                .url = application,
                .name = application.stem().native(),
                .size = saving,
                .category = CleanupCategory::universalBinaries,
                .modifiedAt = values ? values->contentModificationDate : std::nullopt,
                .relatedFiles = std::move(executables),
                .operation = model::CleanupOperation::optimizeUniversal(),
                .isSelected = false,
            });
        }
    }
    return items;
}

bool ScanEngine::isUniversalMachO(const fs::path& file) {
    // Non-blocking, so that a named pipe cannot hold the scan.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::array<unsigned char, 4> magic{};
    const ssize_t count = ::read(fd, magic.data(), magic.size());
    ::close(fd);
    return count == static_cast<ssize_t>(magic.size()) &&
           std::find(kUniversalSignatures.begin(), kUniversalSignatures.end(), magic) !=
               kUniversalSignatures.end();
}

std::optional<std::int64_t> ScanEngine::nativeSliceSize(const fs::path& file) const {
    const ToolResult result = runTool(kLipo, {"-detailed_info", file.native()});
    const std::string nativeHeader = "architecture " + std::string(kNativeArchitecture);
    if (result.status != 0 || result.output.find(nativeHeader) == std::string::npos) {
        return std::nullopt;
    }
    bool inNativeSlice = false;
    std::string_view rest = result.output;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        const std::size_t first = line.find_first_not_of(" \t");
        line = first == std::string_view::npos ? std::string_view{} : line.substr(first);
        line = line.substr(0, line.find_last_not_of(" \t") + 1);

        if (line.starts_with("architecture ")) {
            inNativeSlice = line == nativeHeader;
        } else if (inNativeSlice && line.starts_with("size ")) {
            std::string_view number = line.substr(5);
            number.remove_prefix(std::min(number.find_first_not_of(' '), number.size()));
            number = number.substr(0, number.find(' '));
            std::int64_t size = 0;
            const auto [parsedTo, error] =
                std::from_chars(number.data(), number.data() + number.size(), size);
            if (error == std::errc{} && parsedTo == number.data() + number.size()) {
                return size;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string>
ScanEngine::optimizeUniversalApplication(const model::CleanupItem& item) const {
    if (item.category != CleanupCategory::universalBinaries || item.relatedFiles.empty()) {
        return "No universal executables were found.";
    }
    const fs::path workingPath = fs::temp_directory_path() / ("Sorvale-" + newUuidString());
    std::error_code creation;
    if (!fs::create_directories(workingPath, creation) || creation) {
        return "Could not create a safe working directory.";
    }
    const WorkingFolder working(workingPath);

    const std::vector<std::string> verify{"--verify", "--deep", "--strict", item.url.native()};
    const int statusBefore = runTool(kCodesign, verify).status;

    Replacements replaced;
    // Backs the executable up, thins a copy and puts the copy in its place, keeping its
    // permissions; false when any step fails.
    const auto replaceWithThinnedCopy = [&](const fs::path& executable, std::size_t index) {
        const fs::path backup = working / ("backup-" + std::to_string(index));
        const fs::path thinned = working / ("thin-" + std::to_string(index));
        try {
            copyRegularFile(executable, backup);
            struct stat status {};
            const bool hasPermissions = ::lstat(executable.c_str(), &status) == 0;
            if (runTool(kLipo, {executable.native(), "-thin", std::string(kNativeArchitecture),
                                "-output", thinned.native()})
                    .status != 0) {
                throw OptimizerError::toolFailed;
            }
            if (hasPermissions) {
                fs::permissions(thinned, fs::perms(status.st_mode & 07777));
            }
            replaced.emplace_back(executable, backup);
            fs::remove(executable);
            moveFile(thinned, executable);
            return true;
        } catch (const OptimizerError&) {
            return false;
        } catch (const fs::filesystem_error&) {
            return false;
        }
    };
    for (std::size_t index = 0; index < item.relatedFiles.size(); ++index) {
        if (!replaceWithThinnedCopy(item.relatedFiles[index], index)) {
            restore(replaced);
            return "Could not safely optimize " + item.relatedFiles[index].filename().native() +
                   ".";
        }
    }

    if (statusBefore == 0 && runTool(kCodesign, verify).status != 0) {
        restore(replaced);
        return "The app signature changed, so Sorvale restored the original files.";
    }
    return std::nullopt;
}

void ScanEngine::restore(const Replacements& replaced) {
    for (auto pair = replaced.rbegin(); pair != replaced.rend(); ++pair) {
        std::error_code ignored;
        fs::remove(pair->first, ignored);
        fs::copy_file(pair->second, pair->first, fs::copy_options::overwrite_existing, ignored);
    }
}

} // namespace sorvale::engine
