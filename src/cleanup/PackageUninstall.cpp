// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "PackageUninstall.h"

#include "ReachedEntry.h"
#include "ToolRemovals.h"
#include "Trash.h"
#include "model/Translatable.h"

#include <cerrno>

namespace sorvale::cleanup {
namespace {

using model::CleanupOperation;

constexpr std::string_view kAptGet = "/usr/bin/apt-get";

// The package's name without an architecture: "libfoo" of "libfoo:amd64".
std::string_view bareName(std::string_view package) {
    return package.substr(0, package.find(':'));
}

SystemCommand uninstallCommand(const model::CleanupItem& item) {
    const std::string& identifier = item.operation.identifier();
    switch (item.operation.kind()) {
    case CleanupOperation::Kind::uninstallFlatpak: {
        // "<installation>/<id>"; flatpak asks for the rights a system installation needs.
        const std::size_t slash = identifier.find('/');
        return {"/usr/bin/flatpak",
                {"uninstall", "--noninteractive",
                 identifier.substr(0, slash) == "system" ? "--system" : "--user",
                 identifier.substr(slash + 1)},
                false,
                &quotedItemTexts(),
                item.name,
                item.nameParts};
    }
    case CleanupOperation::Kind::uninstallSnap:
        return {"/usr/bin/snap", {"remove", identifier}, true, &quotedItemTexts(),
                item.name,       item.nameParts};
    default:
        return {kAptGet,       {"remove", "--yes", identifier}, true, &quotedItemTexts(), item.name,
                item.nameParts};
    }
}

} // namespace

std::vector<std::string> otherRemovals(std::string_view simulation, std::string_view package) {
    std::vector<std::string> others;
    while (!simulation.empty()) {
        const std::size_t end = std::min(simulation.find('\n'), simulation.size());
        std::string_view line = simulation.substr(0, end);
        simulation.remove_prefix(std::min(end + 1, simulation.size()));
        // "Remv <package> [<version>]", one line for every package the removal takes.
        constexpr std::string_view kRemove = "Remv ";
        if (!line.starts_with(kRemove)) {
            continue;
        }
        line.remove_prefix(kRemove.size());
        const std::string_view removed = line.substr(0, line.find(' '));
        if (bareName(removed) != bareName(package)) {
            others.emplace_back(removed);
        }
    }
    return others;
}

ItemResult uninstallThroughPackageManager(const engine::ScanEngine& tools,
                                          const model::CleanupItem& item,
                                          const std::filesystem::path& home,
                                          std::vector<model::Location>* placed) {
    platform::FileOperationError error;
    if (!reach(item.url, error)) {
        return ItemResult::skipped(error.message);
    }
    std::vector<std::pair<ReachedEntry, const model::Location*>> support;
    for (const model::Location& file : item.relatedFiles) {
        if (auto entry = reach(file, error)) {
            support.emplace_back(std::move(*entry), &file);
        } else if (error.code != ENOENT) {
            return ItemResult::skipped(error.message);
        }
    }

    if (item.operation.kind() == CleanupOperation::Kind::uninstallDebianPackage) {
        const std::string& package = item.operation.identifier();
        const engine::ToolResult simulation = tools.runTool(kAptGet, {"-s", "remove", package});
        if (simulation.status != 0) {
            if (simulation.output.empty()) {
                return ItemResult::failed(model::Message{
                    SORVALE_TRANSLATABLE("Messages",
                                         "APT could not tell what removing %1 would remove."),
                    {item.name}});
            }
            return ItemResult::failed(simulation.output);
        }
        const std::vector<std::string> others = otherRemovals(simulation.output, package);
        if (!others.empty()) {
            std::string names;
            for (std::size_t index = 0; index < others.size(); ++index) {
                names += (index == 0 ? "" : ", ") + others[index];
            }
            return ItemResult::skipped(model::Message{
                SORVALE_TRANSLATABLE("Messages",
                                     "%1 was left installed: removing it would also remove %2."),
                {item.name, names}});
        }
    }

    if (ItemResult result = runSystemCommand(tools, uninstallCommand(item));
        result.kind != ItemResult::Kind::removed) {
        return result;
    }
    for (const auto& [entry, location] : support) {
        model::Location inTrash;
        if (const auto moveError = moveToTrash(entry, *location, home, &inTrash)) {
            return ItemResult::failed(model::Message{
                SORVALE_TRANSLATABLE("Messages",
                                     "%1 was uninstalled, but \u201C%2\u201D could not be "
                                     "moved to the Trash: %3"),
                {item.name, std::string(location->name())},
                {moveError->message}});
        }
        if (placed != nullptr) {
            placed->push_back(std::move(inTrash));
        }
    }
    return ItemResult::removed();
}

} // namespace sorvale::cleanup
