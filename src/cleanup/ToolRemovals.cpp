// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ToolRemovals.h"

#include "PermanentDeletion.h"
#include "ReachedEntry.h"
#include "model/Translatable.h"
#include "platform/EntryValues.h"

#include <cerrno>

namespace sorvale::cleanup {
namespace {

using model::CleanupOperation;

constexpr std::string_view kXcodeRemovalFailed =
    SORVALE_TRANSLATABLE("Messages", "Xcode could not remove the selected item.");

constexpr CommandTexts kPackageCacheTexts{
    SORVALE_TRANSLATABLE("Messages",
                         "%1 is not installed, so the package cache could not be removed."),
    SORVALE_TRANSLATABLE("Messages", "Removing the package cache needs administrator rights, "
                                     "and pkexec is not installed to ask for them."),
    SORVALE_TRANSLATABLE("Messages",
                         "Administrator rights were not granted, so the package cache was left "
                         "in place."),
    SORVALE_TRANSLATABLE("Messages", "%1 could not remove the package cache.")};
constexpr CommandTexts kJournalTexts{
    SORVALE_TRANSLATABLE("Messages",
                         "%1 is not installed, so the archived journal files could not be "
                         "removed."),
    SORVALE_TRANSLATABLE("Messages", "Removing the archived journal files needs administrator "
                                     "rights, and pkexec is not installed to ask for them."),
    SORVALE_TRANSLATABLE("Messages", "Administrator rights were not granted, so the archived "
                                     "journal files were left in place."),
    SORVALE_TRANSLATABLE("Messages", "%1 could not remove the archived journal files.")};
constexpr CommandTexts kUnusedRuntimesTexts{
    SORVALE_TRANSLATABLE("Messages",
                         "%1 is not installed, so the unused runtimes could not be removed."),
    SORVALE_TRANSLATABLE("Messages", "Removing the unused runtimes needs administrator rights, "
                                     "and pkexec is not installed to ask for them."),
    SORVALE_TRANSLATABLE("Messages", "Administrator rights were not granted, so the unused "
                                     "runtimes were left in place."),
    SORVALE_TRANSLATABLE("Messages", "%1 could not remove the unused runtimes.")};
constexpr CommandTexts kNamedItemTexts{
    SORVALE_TRANSLATABLE("Messages", "%1 is not installed, so %2 could not be removed."),
    SORVALE_TRANSLATABLE("Messages", "Removing %2 needs administrator rights, and pkexec is not "
                                     "installed to ask for them."),
    SORVALE_TRANSLATABLE("Messages",
                         "Administrator rights were not granted, so %2 was left in place."),
    SORVALE_TRANSLATABLE("Messages", "%1 could not remove %2.")};
constexpr CommandTexts kQuotedItemTexts{
    SORVALE_TRANSLATABLE("Messages",
                         "%1 is not installed, so \u201C%2\u201D could not be removed."),
    SORVALE_TRANSLATABLE("Messages", "Removing \u201C%2\u201D needs administrator rights, and "
                                     "pkexec is not installed to ask for them."),
    SORVALE_TRANSLATABLE("Messages", "Administrator rights were not granted, so \u201C%2\u201D "
                                     "was left in place."),
    SORVALE_TRANSLATABLE("Messages", "%1 could not remove \u201C%2\u201D.")};
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
    return result.output.empty() ? ItemResult::failed(model::Message{kXcodeRemovalFailed})
                                 : ItemResult::failed(result.output);
}

SystemCommand commandFor(const model::CleanupItem& item) {
    const std::string& identifier = item.operation.identifier();
    switch (item.operation.kind()) {
    case CleanupOperation::Kind::cleanPackageCache:
        return {"/usr/bin/apt-get",  {"clean"}, true,
                &kPackageCacheTexts, item.name, item.nameParts};
    case CleanupOperation::Kind::vacuumJournal:
        // Every archived file ends before now; the active files are never vacuumed.
        return {"/usr/bin/journalctl", {"--vacuum-time=1s"}, true, &kJournalTexts, item.name,
                item.nameParts};
    case CleanupOperation::Kind::removeUnusedRuntimes:
        // Flatpak asks for the rights a system installation needs itself.
        return {"/usr/bin/flatpak",
                {"uninstall", "--unused", "--noninteractive",
                 identifier == "system" ? "--system" : "--user"},
                false,
                &kUnusedRuntimesTexts,
                item.name,
                item.nameParts};
    case CleanupOperation::Kind::removeSnapRevision: {
        const std::size_t slash = identifier.find('/');
        return {
            "/usr/bin/snap",
            {"remove", "--revision=" + identifier.substr(slash + 1), identifier.substr(0, slash)},
            true,
            &kNamedItemTexts,
            item.name,
            item.nameParts};
    }
    default:
        return {"/usr/bin/rm", {"-f", "--", item.url.path().native()},
                true,          &kNamedItemTexts,
                item.name,     item.nameParts};
    }
}

std::string toolName(std::string_view tool) {
    return std::string(tool.substr(tool.rfind('/') + 1));
}

} // namespace

const CommandTexts& namedItemTexts() {
    return kNamedItemTexts;
}

const CommandTexts& quotedItemTexts() {
    return kQuotedItemTexts;
}

ItemResult runSystemCommand(const engine::ScanEngine& tools, const SystemCommand& command) {
    const CommandTexts& texts = command.texts != nullptr ? *command.texts : kNamedItemTexts;
    // %2, the item's name, is a sentence of its own when the scan named the item.
    const auto message = [&](std::string_view pattern) {
        return command.nameParts
                   ? model::Message{pattern, {toolName(command.tool)}, {*command.nameParts}}
                   : model::Message{pattern, {toolName(command.tool), command.name}};
    };
    if (!platform::fileExists(tools.systemPath(command.tool))) {
        return ItemResult::skipped(message(texts.notInstalled));
    }
    engine::ToolResult result;
    if (command.asAdministrator) {
        std::vector<std::string> arguments{tools.systemPath(command.tool).native()};
        arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());
        result = tools.runTool(kPkexec, arguments);
        if (result.status == -1) {
            return ItemResult::skipped(message(texts.noPkexec));
        }
        if (result.status == kNotAuthorized || result.status == kAuthenticationFailed) {
            return ItemResult::skipped(message(texts.notGranted));
        }
    } else {
        result = tools.runTool(command.tool, command.arguments);
    }
    if (result.status == 0) {
        return ItemResult::removed();
    }
    return result.output.empty() ? ItemResult::failed(message(texts.failed))
                                 : ItemResult::failed(result.output);
}

ItemResult removeThroughTool(const engine::ScanEngine& tools, const model::CleanupItem& item) {
    if (item.operation.isManagedXcodeOperation()) {
        return removeThroughXcode(tools, item);
    }
    if (!item.operation.isSystemToolOperation()) {
        // Not an operation of a tool's: running nothing is the safe answer.
        return ItemResult::failed(model::Message{kXcodeRemovalFailed});
    }
    platform::FileOperationError error;
    const auto entry = reach(item.url, error);
    if (!entry) {
        return ItemResult::skipped(error.message);
    }
    if (item.operation.kind() == CleanupOperation::Kind::deleteCrashReport) {
        // A report of the user's own goes without asking; another user's needs the rights.
        const auto deletion = deletePermanently(*entry, item.url);
        if (!deletion) {
            return ItemResult::removed();
        }
        if (deletion->code != EACCES && deletion->code != EPERM) {
            return ItemResult::failed(deletion->message);
        }
    }
    return runSystemCommand(tools, commandFor(item));
}

} // namespace sorvale::cleanup
