// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// The JSON that the real sorvale-scan prints, checked against its published contract,
// docs/sorvale-scan.schema.json, by a real JSON Schema validator (Python's jsonschema).

#include "engine/ScanEngine.h"
#include "model/CleanupCategory.h"
#include "model/CleanupOperation.h"
#include "support/DemoHome.h"
#include "support/LinuxHome.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace sorvale::cli {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class JsonSchema : public ::testing::Test {
protected:
    // The validator's verdict on the given documents: status 0 when all are valid, 1 otherwise,
    // with one line per error that starts with the document's file name.
    static engine::ToolResult validate(const std::vector<fs::path>& documents) {
        std::vector<std::string> arguments{SORVALE_JSON_VALIDATOR, SORVALE_SCAN_SCHEMA};
        for (const fs::path& document : documents) {
            arguments.push_back(document.native());
        }
        return engine::ScanEngine().runTool(SORVALE_PYTHON3, arguments);
    }

    fs::path write(const std::string& name, const std::string& text) {
        const fs::path path = tree.file("documents/" + name + ".json");
        std::ofstream(path) << text;
        return path;
    }

    // `homes` holds the home and its system root, as "home" and "root".
    engine::ToolResult sorvaleScan(const fs::path& homes, std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--json", "--home", (homes / "home").native(),
                                           "--system-root", (homes / "root").native()});
        return engine::ScanEngine().runTool(SORVALE_SCAN_PATH, arguments);
    }

    test::TempTree tree;
};

TEST_F(JsonSchema, EveryCommandsOutputOnBothLayoutsFollowsIt) {
    const fs::path macos = tree / "macos";
    test::FixtureTree home(macos / "home");
    test::FixtureTree root(macos / "root");
    test::buildDemoHome(home, &root);
    // A name that is not UTF-8, and a simulator runtime whose last use is unknown beside one
    // whose last use is known.
    home.file("Downloads/caf\xE9.txt", 100);
    root.script("usr/bin/xcrun", "[ \"$1 $2 $3\" = 'simctl runtime list' ] || exit 0\n"
                                 "echo '{\"R1\": {\"deletable\": true, \"sizeBytes\": 7340000, "
                                 "\"version\": \"17.2\", \"identifier\": \"R1\", "
                                 "\"lastUsedAt\": \"2026-09-14T10:00:00Z\"}, "
                                 "\"R2\": {\"deletable\": true, \"sizeBytes\": 2100000, "
                                 "\"version\": \"16.4\"}}'");

    const fs::path linux = tree / "linux";
    test::FixtureTree linuxTree(linux);
    test::LinuxHome linuxHome(linuxTree);

    const std::vector<std::pair<fs::path, std::vector<std::string>>> commands{
        {macos, {"junk", "--layout", "macos"}},
        {macos, {"applications", "--layout", "macos"}},
        {macos, {"large-files", "--min-size", "20000000"}},
        {macos, {"large-files", (macos / "home/Downloads").native(), "--min-size", "1"}},
        {macos, {"downloads"}},
        {macos, {"trash"}},
        {macos, {"measure", (macos / "home").native()}},
        {macos, {"measure", (tree / "nowhere").native()}},
        {linux, {"junk", "--layout", "linux"}},
        {linux, {"applications", "--layout", "linux"}},
    };
    std::vector<fs::path> documents;
    std::set<std::string> categories;
    std::set<std::string> operations;
    for (const auto& [homes, command] : commands) {
        const engine::ToolResult result = sorvaleScan(homes, command);
        ASSERT_EQ(result.status, 0) << command.front() << ": " << result.output;
        // nlohmann refuses a lone surrogate escape, which JSON's grammar allows and Python
        // reads: it reads this copy with each \udcXX turned into \u00XX.
        std::string readable = result.output;
        for (std::size_t at = 0; (at = readable.find("\\udc", at)) != std::string::npos;) {
            readable.replace(at, 4, "\\u00");
        }
        const json document = json::parse(readable);
        if (command.front() != "measure") {
            // An empty list would follow any item schema at all.
            EXPECT_FALSE(document.at("items").empty()) << command.front();
            for (const json& item : document.at("items")) {
                categories.insert(item.at("category").get<std::string>());
                operations.insert(item.at("operation").at("kind").get<std::string>());
            }
        }
        documents.push_back(
            write(std::to_string(documents.size()) + "-" + command.front(), result.output));
    }
    // The two homes reach every category and every kind of operation, so that each of the
    // schema's choices meets real output.
    std::set<std::string> allCategories;
    for (const model::CleanupCategory category : model::allCases<model::CleanupCategory>()) {
        allCategories.emplace(model::rawValue(category));
    }
    std::set<std::string> allOperations;
    for (const auto kind : model::allCases<model::CleanupOperation::Kind>()) {
        allOperations.emplace(model::rawValue(kind));
    }
    EXPECT_EQ(categories, allCategories);
    EXPECT_EQ(operations, allOperations);

    const engine::ToolResult verdict = validate(documents);
    EXPECT_EQ(verdict.status, 0) << verdict.output;
}

TEST_F(JsonSchema, RejectsWhatTheProgramMustNeverPrint) {
    const json item = {
        {"id", "/home/ana/Downloads/a.txt"},
        {"url", "/home/ana/Downloads/a.txt"},
        {"name", "a.txt"},
        {"size", 4096},
        {"category", "downloads"},
        {"modifiedAt", "2026-01-31T12:00:00Z"},
        {"relatedFiles", json::array()},
        {"operation", {{"kind", "moveToTrash"}}},
        {"isSelected", false},
    };
    const auto scanWith = [](const json& only) {
        return json{{"items", json::array({only})}, {"inaccessibleCount", 0}};
    };
    json runtime = item;
    runtime["category"] = "xcodeRuntimes";
    runtime["modifiedAt"] = nullptr;
    runtime["operation"] = {{"kind", "deleteSimulatorRuntime"}, {"identifier", "R1"}};
    const json measurement = {{"size", 0}, {"incomplete", true}, {"rootWasReadable", false}};
    ASSERT_EQ(
        validate({write("item", scanWith(item).dump()), write("runtime", scanWith(runtime).dump()),
                  write("measurement", measurement.dump())})
            .status,
        0);

    std::vector<std::pair<std::string, json>> wrong;
    const auto changed = [&](const std::string& name, const std::function<void(json&)>& change) {
        json copy = item;
        change(copy);
        wrong.emplace_back(name, scanWith(copy));
    };
    changed("without-id", [](json& j) { j.erase("id"); });
    changed("negative-size", [](json& j) { j["size"] = -1; });
    changed("fractional-size", [](json& j) { j["size"] = 1.5; });
    changed("unknown-category", [](json& j) { j["category"] = "Trash"; });
    changed("unknown-operation", [](json& j) { j["operation"] = {{"kind", "shred"}}; });
    changed("local-date", [](json& j) { j["modifiedAt"] = "2026-01-31T13:00:00+01:00"; });
    changed("undated-by-empty-text", [](json& j) { j["modifiedAt"] = ""; });
    changed("unknown-field", [](json& j) { j["pinned"] = true; });
    changed("identifier-on-a-trash-move", [](json& j) {
        j["operation"] = {{"kind", "moveToTrash"}, {"identifier", "R1"}};
    });
    changed("simulator-deletion-without-identifier", [](json& j) {
        j["operation"] = {{"kind", "deleteSimulatorDevice"}};
    });
    changed("related-file-not-a-path", [](json& j) { j["relatedFiles"] = {42}; });
    wrong.emplace_back("negative-inaccessible-count",
                       json{{"items", json::array()}, {"inaccessibleCount", -1}});
    wrong.emplace_back("negative-measurement",
                       json{{"size", -5}, {"incomplete", false}, {"rootWasReadable", true}});
    wrong.emplace_back("measurement-mixed-with-items", json{{"size", 5},
                                                            {"incomplete", false},
                                                            {"rootWasReadable", true},
                                                            {"items", json::array()},
                                                            {"inaccessibleCount", 0}});

    std::vector<fs::path> documents;
    for (const auto& [name, document] : wrong) {
        documents.push_back(write(name, document.dump()));
    }
    const engine::ToolResult verdict = validate(documents);
    EXPECT_EQ(verdict.status, 1) << verdict.output;
    for (const fs::path& document : documents) {
        EXPECT_NE(verdict.output.find(document.native() + ": "), std::string::npos)
            << document.filename() << " was accepted\n"
            << verdict.output;
    }
}

TEST_F(JsonSchema, NamesExactlyTheModelsCategoriesAndOperations) {
    const json schema = json::parse(test::contents(SORVALE_SCAN_SCHEMA));
    std::vector<std::string> categories;
    for (const model::CleanupCategory category : model::allCases<model::CleanupCategory>()) {
        categories.emplace_back(model::rawValue(category));
    }
    EXPECT_EQ(schema.at("/$defs/category/enum"_json_pointer).get<std::vector<std::string>>(),
              categories);

    std::vector<std::string> kinds;
    for (const auto kind : model::allCases<model::CleanupOperation::Kind>()) {
        kinds.emplace_back(model::rawValue(kind));
    }
    EXPECT_EQ(schema.at("/$defs/operation/properties/kind/enum"_json_pointer)
                  .get<std::vector<std::string>>(),
              kinds);
}

} // namespace
} // namespace sorvale::cli
