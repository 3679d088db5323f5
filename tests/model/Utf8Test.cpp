// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "model/Utf8.h"

#include <gtest/gtest.h>

namespace sorvale::model {
namespace {

TEST(Utf8, WellFormedTextIsKept) {
    const std::string text = "caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x93\xA6";
    EXPECT_EQ(toValidUtf8(text), text);
}

TEST(Utf8, EachIllFormedRunBecomesOneReplacementCharacter) {
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(toValidUtf8("a\xFF"
                          "b"),
              "a" + replacement + "b");
    // A truncated three-byte character is one run; the byte after it starts afresh.
    EXPECT_EQ(toValidUtf8("\xE2\x80"
                          "x"),
              replacement + "x");
    // Overlong forms and encoded surrogates are rejected at their second byte.
    EXPECT_EQ(toValidUtf8("\xC0\xAF"), replacement + replacement);
    EXPECT_EQ(toValidUtf8("\xED\xA0\x80"), replacement + replacement + replacement);
    EXPECT_EQ(toValidUtf8("\xF4\x90\x80\x80"),
              replacement + replacement + replacement + replacement);
    EXPECT_EQ(toValidUtf8("end\xF0\x9F"), "end" + replacement);
}

} // namespace
} // namespace sorvale::model
