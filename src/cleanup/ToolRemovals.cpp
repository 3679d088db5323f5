// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ToolRemovals.h"

#include "PermanentDeletion.h"
#include "ReachedEntry.h"
#include "platform/EntryValues.h"

#include <cerrno>

namespace sorvale::cleanup {
namespace {

using model::CleanupOperation;

constexpr std::string_view kXcodeRemovalFailed = "Xcode could not remove the selected item.";
// pkexec's answers when the user dismissed the request or could not authenticate.
constexpr int kNotAuthorized = 126;
constexpr int kAuthenticationFailed = 127;

ItemResult removeThroughXcode(const engine::ScanEngine& tools, const model::CleanupItem& item) {
    std::vector<std::string> arguments;
    switch (item.operation.kind()) {
    case CleanupOperation::Kind::deleteSimulatorRuntime:
        arguments = {"simctl", "runtime", "delete", item.operation.identifier()};
        break;
    case CleanupOperation::Kind::deleteSimulatorDevice:
        arguments = {"simctl", "delete", item.operation.identifier()};
        break;
    default:
        arguments = {"simctl", "runtime", "dyld_shared_cache", "remove", "--all"};
        break;
    }
    const engine::ToolResult result = tools.runTool(engine::ScanEngine::kXcrun, arguments);
    if (result.status == 0) {
        return ItemResult::removed();
    }
    return ItemResult::failed(result.output.empty() ? std::string(kXcodeRemovalFailed)
                                                    : result.output);
}

SystemCommand commandFor(const model::CleanupItem& item) {
    const std::string& identifier = item.operation.identifier();
    switch (item.operation.kind()) {
    case CleanupOperation::Kind::cleanPackageCache:
        return {"/usr/bin/apt-get", {"clean"}, true, "the package cache"};
    case CleanupOperation::Kind::vacuumJournal:
        // Every archived file ends before now; the active files are never vacuumed.
        return {"/usr/bin/journalctl", {"--vacuum-time=1s"}, true, "the archived journal files"};
    case CleanupOperation::Kind::removeUnusedRuntimes:
        // Flatpak asks for the rights a system installation needs itself.
        return {"/usr/bin/flatpak",
                {"uninstall", "--unused", "--noninteractive",
                 identifier == "system" ? "--system" : "--user"},
                false,
                "the unused runtimes"};
    case CleanupOperation::Kind::removeSnapRevision: {
        const std::size_t slash = identifier.find('/');
        return {
            "/usr/bin/snap",
            {"remove", "--revision=" + identifier.substr(slash + 1), identifier.substr(0, slash)},
            true,
            item.name};
    }
    default:
        return {"/usr/bin/rm", {"-f", "--", item.url.path().native()}, true, item.name};
    }
}

std::string toolName(std::string_view tool) {
    return std::string(tool.substr(tool.rfind('/') + 1));
}

} // namespace

ItemResult runSystemCommand(const engine::ScanEngine& tools, const SystemCommand& command) {
    const std::string tool = toolName(command.tool);
    if (!platform::fileExists(tools.systemPath(command.tool))) {
        return ItemResult::skipped(tool + " is not installed, so " + command.what +
                                   " could not be removed.");
    }
    engine::ToolResult result;
    if (command.asAdministrator) {
        std::vector<std::string> arguments{tools.systemPath(command.tool).native()};
        arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());
        result = tools.runTool(kPkexec, arguments);
        if (result.status == -1) {
            return ItemResult::skipped("Removing " + command.what +
                                       " needs administrator rights, and pkexec is not "
                                       "installed to ask for them.");
        }
        if (result.status == kNotAuthorized || result.status == kAuthenticationFailed) {
            return ItemResult::skipped("Administrator rights were not granted, so " + command.what +
                                       " was left in place.");
        }
    } else {
        result = tools.runTool(command.tool, command.arguments);
    }
    if (result.status == 0) {
        return ItemResult::removed();
    }
    return ItemResult::failed(
        result.output.empty() ? tool + " could not remove " + command.what + "." : result.output);
}

ItemResult removeThroughTool(const engine::ScanEngine& tools, const model::CleanupItem& item) {
    if (item.operation.isManagedXcodeOperation()) {
        return removeThroughXcode(tools, item);
    }
    if (!item.operation.isSystemToolOperation()) {
        // Not an operation of a tool's: running nothing is the safe answer.
        return ItemResult::failed(std::string(kXcodeRemovalFailed));
    }
    platform::FileOperationError error;
    const auto entry = reach(item.url, error);
    if (!entry) {
        return ItemResult::skipped(error.description);
    }
    if (item.operation.kind() == CleanupOperation::Kind::deleteCrashReport) {
        // A report of the user's own goes without asking; another user's needs the rights.
        const auto deletion = deletePermanently(*entry, item.url);
        if (!deletion) {
            return ItemResult::removed();
        }
        if (deletion->code != EACCES && deletion->code != EPERM) {
            return ItemResult::failed(deletion->description);
        }
    }
    return runSystemCommand(tools, commandFor(item));
}

} // namespace sorvale::cleanup
