// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "RawValue.h"

#include <cstdint>
#include <memory>
#include <string>

namespace sorvale::model {

// How an item is removed. The simulator deletions, the unused runtimes, the snap revisions and
// the uninstalls by a package manager carry an identifier.
class CleanupOperation {
public:
    enum class Kind : std::uint8_t {
        moveToTrash,
        optimizeUniversal,
        deleteSimulatorRuntime,
        deleteSimulatorDevice,
        removeSimulatorCaches,
        uninstallApplication,
        cleanPackageCache,
        vacuumJournal,
        removeUnusedRuntimes,
        removeSnapRevision,
        deleteCrashReport,
        uninstallFlatpak,
        uninstallSnap,
        uninstallAppImage,
        uninstallDebianPackage,
    };

    CleanupOperation() = default; // moveToTrash

    [[nodiscard]] static CleanupOperation moveToTrash() { return CleanupOperation{}; }
    [[nodiscard]] static CleanupOperation optimizeUniversal() {
        return CleanupOperation{Kind::optimizeUniversal, {}};
    }
    [[nodiscard]] static CleanupOperation deleteSimulatorRuntime(std::string identifier) {
        return CleanupOperation{Kind::deleteSimulatorRuntime, std::move(identifier)};
    }
    [[nodiscard]] static CleanupOperation deleteSimulatorDevice(std::string identifier) {
        return CleanupOperation{Kind::deleteSimulatorDevice, std::move(identifier)};
    }
    [[nodiscard]] static CleanupOperation removeSimulatorCaches() {
        return CleanupOperation{Kind::removeSimulatorCaches, {}};
    }
    [[nodiscard]] static CleanupOperation uninstallApplication() {
        return CleanupOperation{Kind::uninstallApplication, {}};
    }

    // The system's package cache, emptied by its package manager.
    [[nodiscard]] static CleanupOperation cleanPackageCache() {
        return CleanupOperation{Kind::cleanPackageCache, {}};
    }
    // The system journal's archived files, removed by the journal's own tool.
    [[nodiscard]] static CleanupOperation vacuumJournal() {
        return CleanupOperation{Kind::vacuumJournal, {}};
    }
    // The Flatpak runtimes no application uses, of the `installation` named "user" or "system".
    [[nodiscard]] static CleanupOperation removeUnusedRuntimes(std::string installation) {
        return CleanupOperation{Kind::removeUnusedRuntimes, std::move(installation)};
    }
    // A disabled revision of a snap, as "<snap>/<revision>".
    [[nodiscard]] static CleanupOperation removeSnapRevision(std::string snapAndRevision) {
        return CleanupOperation{Kind::removeSnapRevision, std::move(snapAndRevision)};
    }
    // A crash report of the system's crash folder, which may belong to another user.
    [[nodiscard]] static CleanupOperation deleteCrashReport() {
        return CleanupOperation{Kind::deleteCrashReport, {}};
    }

    // A Flatpak application, as "<installation>/<id>", the installation being "user" or "system";
    // flatpak removes it, then its data goes to the Trash.
    [[nodiscard]] static CleanupOperation uninstallFlatpak(std::string installationAndId) {
        return CleanupOperation{Kind::uninstallFlatpak, std::move(installationAndId)};
    }
    // A snap by its name; snapd removes it, then its data goes to the Trash.
    [[nodiscard]] static CleanupOperation uninstallSnap(std::string name) {
        return CleanupOperation{Kind::uninstallSnap, std::move(name)};
    }
    // An AppImage: the file, its desktop integration and its data all go to the Trash.
    [[nodiscard]] static CleanupOperation uninstallAppImage() {
        return CleanupOperation{Kind::uninstallAppImage, {}};
    }
    // A Debian package by its name ("<name>:<arch>" where the architecture is part of it); APT
    // removes it, then its data goes to the Trash.
    [[nodiscard]] static CleanupOperation uninstallDebianPackage(std::string package) {
        return CleanupOperation{Kind::uninstallDebianPackage, std::move(package)};
    }

    [[nodiscard]] Kind kind() const { return kind_; }
    // The simulator runtime or device identifier, the Flatpak installation, the snap revision or
    // what a package manager uninstalls; empty for every other kind.
    [[nodiscard]] const std::string& identifier() const;
    // The operations that are handed to Xcode's simulator tool instead of the Trash.
    [[nodiscard]] bool isManagedXcodeOperation() const {
        return kind_ == Kind::deleteSimulatorRuntime || kind_ == Kind::deleteSimulatorDevice ||
               kind_ == Kind::removeSimulatorCaches;
    }
    // The operations on system storage, carried out by the system's own tools (some with
    // administrator rights) and never through the Trash.
    [[nodiscard]] bool isSystemToolOperation() const {
        return kind_ >= Kind::cleanPackageCache && kind_ <= Kind::deleteCrashReport;
    }
    // The uninstalls that a package manager carries out before the application's data goes to
    // the Trash.
    [[nodiscard]] bool isPackageManagerUninstall() const {
        return kind_ == Kind::uninstallFlatpak || kind_ == Kind::uninstallSnap ||
               kind_ == Kind::uninstallDebianPackage;
    }

    friend bool operator==(const CleanupOperation& a, const CleanupOperation& b) {
        return a.kind_ == b.kind_ && a.identifier() == b.identifier();
    }

private:
    CleanupOperation(Kind kind, std::string identifier);

    Kind kind_ = Kind::moveToTrash;
    // Held apart: nearly every item has none, and a list may hold a hundred thousand items.
    std::shared_ptr<const std::string> identifier_;
};

template <>
struct EnumTraits<CleanupOperation::Kind> {
    static constexpr std::size_t count = 15;
    static std::string_view rawValue(CleanupOperation::Kind kind);
};

} // namespace sorvale::model

template <>
struct std::hash<sorvale::model::CleanupOperation> {
    std::size_t operator()(const sorvale::model::CleanupOperation& operation) const noexcept;
};
