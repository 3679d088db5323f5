#include "ToolRemovals.h"

namespace sorvale::cleanup {
namespace {

using model::CleanupOperation;

constexpr std::string_view kRemovalFailed = "Xcode could not remove the selected item.";

} // namespace

std::optional<std::string> removeThroughTool(const engine::ScanEngine& tools,
                                             const model::CleanupItem& item) {
    std::vector<std::string> arguments;
    switch (item.operation.kind()) {
    case CleanupOperation::Kind::deleteSimulatorRuntime:
        arguments = {"simctl", "runtime", "delete", item.operation.identifier()};
        break;
    case CleanupOperation::Kind::deleteSimulatorDevice:
        arguments = {"simctl", "delete", item.operation.identifier()};
        break;
    case CleanupOperation::Kind::removeSimulatorCaches:
        arguments = {"simctl", "runtime", "dyld_shared_cache", "remove", "--all"};
        break;
    default:
        // Not an operation of Xcode's: running nothing is the safe answer.
        return std::string(kRemovalFailed);
    }
    const engine::ToolResult result = tools.runTool(engine::ScanEngine::kXcrun, arguments);
    if (result.status == 0) {
        return std::nullopt;
    }
    return result.output.empty() ? std::string(kRemovalFailed) : result.output;
}

} // namespace sorvale::cleanup
