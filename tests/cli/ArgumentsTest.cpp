// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cli/Arguments.h"

#include <gtest/gtest.h>

namespace sorvale::cli {
namespace {

ParseResult parse(std::vector<std::string> words) {
    return parseArguments(words, "/home/me");
}

std::string errorOf(std::vector<std::string> words) {
    const ParseResult result = parse(std::move(words));
    const auto* error = std::get_if<UsageError>(&result);
    return error != nullptr ? error->message : "(no error)";
}

TEST(Arguments, OptionsMayComeBeforeOrAfterTheCommand) {
    const auto parsed = parse({"--json", "large-files", "/data", "--min-size", "100", "--home",
                               "/fake", "--system-root", "/root"});
    const auto& arguments = std::get<Arguments>(parsed);
    EXPECT_EQ(arguments.command, Command::largeFiles);
    EXPECT_EQ(arguments.path, std::filesystem::path("/data"));
    EXPECT_EQ(arguments.minimumSize, 100);
    EXPECT_EQ(arguments.home, "/fake");
    EXPECT_EQ(arguments.systemRoot, "/root");
    EXPECT_TRUE(arguments.json);
}

TEST(Arguments, DefaultsAreTheUsersHomeTheRealSystemAndFiveHundredMegabytes) {
    const ParseResult parsed = parse({"large-files"});
    const auto& arguments = std::get<Arguments>(parsed);
    EXPECT_EQ(arguments.path, std::nullopt);
    EXPECT_EQ(arguments.home, "/home/me");
    EXPECT_EQ(arguments.systemRoot, "/");
    EXPECT_EQ(arguments.minimumSize, 500'000'000);
    EXPECT_FALSE(arguments.json);
    EXPECT_TRUE(std::holds_alternative<HelpRequested>(parse({"trash", "--help"})));
    EXPECT_TRUE(std::holds_alternative<VersionRequested>(parse({"--version", "measure"})));
}

TEST(Arguments, EveryMistakeIsNamed) {
    EXPECT_EQ(errorOf({}), "no command given");
    EXPECT_EQ(errorOf({"junk-everything"}), "unknown command 'junk-everything'");
    EXPECT_EQ(errorOf({"measure"}), "measure needs a PATH");
    EXPECT_EQ(errorOf({"downloads", "extra"}), "unexpected argument 'extra'");
    EXPECT_EQ(errorOf({"measure", "a", "b"}), "unexpected argument 'b'");
    EXPECT_EQ(errorOf({"trash", "--verbose"}), "unknown option '--verbose'");
    EXPECT_EQ(errorOf({"trash", "--home"}), "--home needs a value");
    EXPECT_EQ(errorOf({"trash", "--home", ""}), "--home needs a non-empty path");
    EXPECT_EQ(errorOf({"downloads", "--min-size", "5"}), "--min-size applies only to large-files");
    for (const char* bad : {"-1", "1e6", "12MB", "", "99999999999999999999"}) {
        EXPECT_EQ(errorOf({"large-files", "--min-size", bad}),
                  std::string("--min-size needs a whole number of bytes, not '") + bad + "'");
    }
}

} // namespace
} // namespace sorvale::cli
