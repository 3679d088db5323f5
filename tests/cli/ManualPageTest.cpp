// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Holds the manual page (docs/sorvale-scan.1.in) and what the real `sorvale-scan --help` prints
// together: the same synopsis, the same summary, and the same commands, options and exit statuses
// in the same order with the same words.

#include "engine/ScanEngine.h"
#include "model/CleanupCategory.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace sorvale::cli {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// Runs of white space become one space; none at either end.
std::string collapsed(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\n') {
            if (!result.empty() && result.back() != ' ') {
                result += ' ';
            }
        } else {
            result += c;
        }
    }
    if (!result.empty() && result.back() == ' ') {
        result.pop_back();
    }
    return result;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// What --help prints, taken apart: its synopsis, its summary and its titled lists.
struct Help {
    std::string synopsis;
    std::string summary;
    std::map<std::string, Entries> lists;
};

Help readHelp(const std::string& text) {
    Help help;
    // Paragraphs are separated by empty lines: the synopsis, the summary, then one per list.
    std::vector<std::vector<std::string>> paragraphs(1);
    for (const std::string& line : lines(text)) {
        if (line.empty()) {
            paragraphs.emplace_back();
        } else {
            paragraphs.back().push_back(line);
        }
    }
    for (const std::string& line : paragraphs.at(0)) {
        help.synopsis += line + "\n";
    }
    help.synopsis = collapsed(help.synopsis);
    if (help.synopsis.starts_with("usage: ")) {
        help.synopsis.erase(0, 7);
    }
    for (const std::string& line : paragraphs.at(1)) {
        help.summary += line + "\n";
    }
    help.summary = collapsed(help.summary);
    for (std::size_t index = 2; index < paragraphs.size(); ++index) {
        const auto& paragraph = paragraphs[index];
        if (paragraph.empty() || !paragraph.front().ends_with(":")) {
            continue;
        }
        Entries& entries = help.lists[paragraph.front().substr(0, paragraph.front().size() - 1)];
        for (std::size_t i = 1; i < paragraph.size(); ++i) {
            const std::string& line = paragraph[i];
            // An entry starts two columns in; its description follows after two or more spaces,
            // and continues on lines indented further.
            if (line.size() > 2 && line[2] != ' ') {
                const std::size_t gap = line.find("  ", 2);
                entries.emplace_back(line.substr(2, gap - 2),
                                     gap == std::string::npos ? "" : line.substr(gap));
            } else if (!entries.empty()) {
                entries.back().second += " " + line;
            }
        }
        for (auto& [term, description] : entries) {
            description = collapsed(description);
        }
    }
    return help;
}

// Roff text as a reader sees it: font changes dropped, escapes turned into their characters.
std::string plainText(const std::string& roff) {
    std::string text;
    for (std::size_t i = 0; i < roff.size(); ++i) {
        if (roff[i] != '\\' || i + 1 == roff.size()) {
            text += roff[i];
            continue;
        }
        const char escape = roff[++i];
        if (escape == 'f') {
            ++i; // the font's one-letter name
        } else if (escape == '-') {
            text += '-';
        } else if (escape == 'e') {
            text += '\\';
        } else if (escape != '&') {
            text += '\\';
            text += escape;
        }
    }
    return text;
}

// A manual page taken apart: each section's plain text before its first list entry, and its list
// entries (.TP) with the first paragraph of each; further paragraphs (.IP) add to the page only.
struct Manual {
    std::map<std::string, std::string> introductions;
    std::map<std::string, Entries> lists;
};

Manual readManual(const std::string& roff) {
    Manual manual;
    std::string section;
    enum class Expecting { text, term, description, nothing } expecting = Expecting::text;
    for (const std::string& line : lines(roff)) {
        if (line.starts_with(".\\\"")) {
            continue;
        }
        if (line.starts_with(".SH ")) {
            section = line.substr(4);
            expecting = Expecting::text;
        } else if (line == ".TP") {
            expecting = Expecting::term;
        } else if (line.starts_with(".")) {
            // .PP, .IP, .nf, .fi, .in, .EX, .EE: nothing that --help repeats comes after them
            // until the next entry, except the synopsis between .nf and .fi.
            if (!(section == "SYNOPSIS" && (line == ".nf" || line == ".fi"))) {
                expecting = Expecting::nothing;
            }
        } else if (expecting == Expecting::text) {
            manual.introductions[section] += plainText(line) + "\n";
        } else if (expecting == Expecting::term) {
            manual.lists[section].emplace_back(collapsed(plainText(line)), "");
            expecting = Expecting::description;
        } else if (expecting == Expecting::description) {
            manual.lists[section].back().second += plainText(line) + "\n";
        }
    }
    for (auto& [name, text] : manual.introductions) {
        text = collapsed(text);
    }
    for (auto& [name, entries] : manual.lists) {
        for (auto& [term, description] : entries) {
            description = collapsed(description);
        }
    }
    return manual;
}

std::string listed(const Entries& entries) {
    std::string text;
    for (const auto& [term, description] : entries) {
        text += "  " + term + "  —  " + description + "\n";
    }
    return text;
}

class ManualPage : public ::testing::Test {
protected:
    void SetUp() override {
        const engine::ToolResult printed =
            engine::ScanEngine().runTool(SORVALE_SCAN_PATH, {"--help"});
        ASSERT_EQ(printed.status, 0) << printed.output;
        help = readHelp(printed.output);
        const std::string roff = test::contents(SORVALE_MANUAL_PAGE);
        ASSERT_FALSE(roff.empty()) << "cannot read " << SORVALE_MANUAL_PAGE;
        manual = readManual(roff);
    }

    Help help;
    Manual manual;
};

TEST_F(ManualPage, RepeatsTheHelpsSynopsisAndSummary) {
    EXPECT_EQ(manual.introductions["SYNOPSIS"], help.synopsis);
    EXPECT_TRUE(manual.introductions["DESCRIPTION"].starts_with(help.summary))
        << "the DESCRIPTION should begin with: " << help.summary;
}

TEST_F(ManualPage, ListsTheHelpsCommandsOptionsAndExitStatusesWordForWord) {
    const std::vector<std::pair<std::string, std::string>> sections{
        {"commands", "COMMANDS"}, {"options", "OPTIONS"}, {"exit status", "EXIT STATUS"}};
    ASSERT_EQ(help.lists.size(), sections.size()) << "--help has a list the manual lacks";
    for (const auto& [helpList, manualSection] : sections) {
        ASSERT_TRUE(help.lists.contains(helpList)) << helpList;
        EXPECT_FALSE(help.lists[helpList].empty()) << helpList;
        EXPECT_EQ(listed(manual.lists[manualSection]), listed(help.lists[helpList]))
            << "the manual's " << manualSection << " differ from --help's " << helpList;
    }
}

TEST_F(ManualPage, NamesEveryCategoryThatTheJsonCanCarry) {
    const Entries& fields = manual.lists["OUTPUT"];
    const auto category = std::find_if(fields.begin(), fields.end(),
                                       [](const auto& entry) { return entry.first == "category"; });
    ASSERT_NE(category, fields.end());
    std::string expected = "one of ";
    for (const model::CleanupCategory each : model::allCases<model::CleanupCategory>()) {
        expected += std::string(model::rawValue(each)) + ", ";
    }
    expected.resize(expected.size() - 2);
    EXPECT_EQ(category->second, expected);
}

} // namespace
} // namespace sorvale::cli
