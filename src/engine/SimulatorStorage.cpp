// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SimulatorStorage.h"

#include "SizeMeasurement.h"
#include "ToolRunner.h"
#include "model/Translatable.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <limits>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::CleanupOperation;

constexpr std::string_view kSharedSimulatorCaches = "/Library/Developer/CoreSimulator/Caches";
// Where a runtime without a path of its own is said to live.
constexpr std::string_view kCoreSimulatorFolder = "/Library/Developer/CoreSimulator";

struct PlatformName {
    std::string_view fragment;
    std::string_view name;
};

// Case-sensitive tests on the runtime's platform identifier, first match wins.
constexpr std::array<PlatformName, 4> kPlatformNames{{
    {"iphone", "iOS"},
    {"watch", "watchOS"},
    {"appletv", "tvOS"},
    {"xr", "visionOS"},
}};

std::optional<std::string_view> platformName(std::string_view platformIdentifier) {
    for (const PlatformName& platform : kPlatformNames) {
        if (platformIdentifier.find(platform.fragment) != std::string_view::npos) {
            return platform.name;
        }
    }
    return std::nullopt;
}

std::optional<std::string> textValue(const nlohmann::json& record, const char* key) {
    const auto found = record.find(key);
    if (found == record.end() || !found->is_string()) {
        return std::nullopt;
    }
    return found->get<std::string>();
}

// A JSON number as a signed 64-bit count, saturating where it does not fit.
std::int64_t byteCount(const nlohmann::json& number) {
    constexpr auto most = std::numeric_limits<std::int64_t>::max();
    if (number.is_number_unsigned()) {
        const auto value = number.get<std::uint64_t>();
        return value > static_cast<std::uint64_t>(most) ? most : static_cast<std::int64_t>(value);
    }
    if (number.is_number_integer()) {
        return number.get<std::int64_t>();
    }
    const double value = number.get<double>();
    if (!(value > static_cast<double>(std::numeric_limits<std::int64_t>::min()))) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return value >= static_cast<double>(most) ? most : static_cast<std::int64_t>(value);
}

std::optional<int> digits(std::string_view text, std::size_t offset, std::size_t count) {
    int value = 0;
    const char* begin = text.data() + offset;
    const auto [end, error] = std::from_chars(begin, begin + count, value);
    if (error != std::errc{} || end != begin + count) {
        return std::nullopt;
    }
    return value;
}

// An internet date-time such as "2024-03-01T09:30:00Z" or "2024-03-01T10:30:00+01:00", without
// fractional seconds.
std::optional<model::Date> parseInternetDateTime(std::string_view text) {
    if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' ||
        text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    const auto second = digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || *hour > 23 || *minute > 59 ||
        *second > 59) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    std::chrono::minutes offset{0};
    const std::string_view zone = text.substr(19);
    if (zone != "Z") {
        if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':') {
            return std::nullopt;
        }
        const auto zoneHours = digits(zone, 1, 2);
        const auto zoneMinutes = digits(zone, 4, 2);
        if (!zoneHours || !zoneMinutes || *zoneHours > 23 || *zoneMinutes > 59) {
            return std::nullopt;
        }
        offset = std::chrono::hours{*zoneHours} + std::chrono::minutes{*zoneMinutes};
        if (zone[0] == '-') {
            offset = -offset;
        }
    }
    const auto local = std::chrono::sys_days{date} + std::chrono::hours{*hour} +
                       std::chrono::minutes{*minute} + std::chrono::seconds{*second};
    return model::Date{
        std::chrono::duration_cast<model::Date::duration>((local - offset).time_since_epoch())};
}

} // namespace

void SimulatorStorage::appendTo(const fs::path& home, Candidates& into) const {
    into.addFolder(home / "Library/Developer/CoreSimulator/Devices",
                   into.addMaker([](model::Location entry, const MeasuredEntry& measured) {
                       model::CleanupItem item = measuredEntryItem(
                           std::move(entry), measured, CleanupCategory::xcodeSimulatorDevices);
                       item.operation = CleanupOperation::deleteSimulatorDevice(item.name);
                       return item;
                   }));
    for (model::CleanupItem& runtime : runtimes()) {
        into.add(std::move(runtime));
    }
    const fs::path caches = setup_.systemPath(kSharedSimulatorCaches);
    if (!platform::fileExists(caches)) {
        return;
    }
    const std::size_t maker =
        into.addMaker([](model::Location entry, const MeasuredEntry& measured) {
            model::CleanupItem item =
                measuredEntryItem(std::move(entry), measured, CleanupCategory::xcodeCaches);
            item.setMadeName(
                model::itemName(SORVALE_TRANSLATABLE("ItemNames", "Simulator Shared Caches")));
            item.operation = CleanupOperation::removeSimulatorCaches();
            return item;
        });
    into.add(ListedEntry{caches, platform::readEntryValues(caches)}, maker, /*keepEmpty=*/false);
}

std::vector<model::CleanupItem> SimulatorStorage::runtimes() const {
    const ToolResult listing =
        ToolRunner(setup_).run(ScanEngine::kXcrun, {"simctl", "runtime", "list", "-j"});
    if (listing.status != 0) {
        return {};
    }
    return parseRuntimes(listing.output);
}

std::vector<model::CleanupItem> SimulatorStorage::parseRuntimes(std::string_view listing) const {
    const nlohmann::ordered_json runtimes =
        nlohmann::ordered_json::parse(listing, nullptr, /*allow_exceptions=*/false);
    if (!runtimes.is_object()) {
        return {};
    }
    std::vector<model::CleanupItem> items;
    for (const auto& [key, record] : runtimes.items()) {
        if (!record.is_object()) {
            continue;
        }
        const auto deletable = record.find("deletable");
        const auto sizeBytes = record.find("sizeBytes");
        if (deletable == record.end() || !deletable->is_boolean() || !deletable->get<bool>() ||
            sizeBytes == record.end() || !sizeBytes->is_number()) {
            continue;
        }
        const auto platform = platformName(textValue(record, "platformIdentifier").value_or(""));
        const auto version = textValue(record, "version");
        // A runtime of no known platform, or of no version, says "Simulator" or "Runtime" there.
        model::Message name =
            platform && version
                ? model::itemName(SORVALE_TRANSLATABLE("ItemNames", "%1 %2 Simulator Runtime"),
                                  {std::string(*platform), *version})
            : platform
                ? model::itemName(SORVALE_TRANSLATABLE("ItemNames", "%1 Runtime Simulator Runtime"),
                                  {std::string(*platform)})
            : version ? model::itemName(
                            SORVALE_TRANSLATABLE("ItemNames", "Simulator %1 Simulator Runtime"),
                            {*version})
                      : model::itemName(SORVALE_TRANSLATABLE(
                            "ItemNames", "Simulator Runtime Simulator Runtime"));
        auto path = textValue(record, "mountPath");
        if (!path) {
            path = textValue(record, "path");
        }
        const std::string identifier = textValue(record, "identifier").value_or(key);
        const fs::path location = path ? fs::path(*path) : setup_.systemPath(kCoreSimulatorFolder);
        // Runtimes without a path of their own share one location; their identifiers tell
        // them apart.
        const model::Location id = path ? model::Location(location)
                                        : model::Location(location.native() + "/" + identifier);
        const auto lastUsed = textValue(record, "lastUsedAt");
        items.push_back(model::CleanupItem{
            .id = id,
            .url = location,
            .name = {},
            .size = byteCount(*sizeBytes),
            .category = CleanupCategory::xcodeRuntimes,
            .isSelected = false,
            .modifiedAt = lastUsed ? parseInternetDateTime(*lastUsed) : std::nullopt,
            .relatedFiles = {},
            .operation = CleanupOperation::deleteSimulatorRuntime(identifier),
            .owner = {},
            .icon = {},
            .nameParts = {},
        });
        items.back().setMadeName(std::move(name));
    }
    return items;
}

} // namespace sorvale::engine
