// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "model/ByteCountFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace sorvale::model {
namespace {

TEST(ByteCountFormat, SmallCountsAreWrittenInBytesAndZeroInKilobytes) {
    EXPECT_EQ(formatByteCount(0), "Zero KB");
    EXPECT_EQ(formatByteCount(1), "1 byte");
    EXPECT_EQ(formatByteCount(2), "2 bytes");
    EXPECT_EQ(formatByteCount(999), "999 bytes");
}

TEST(ByteCountFormat, EachUnitKeepsItsOwnNumberOfDecimals) {
    EXPECT_EQ(formatByteCount(1000), "1 KB");
    EXPECT_EQ(formatByteCount(4096), "4 KB");
    EXPECT_EQ(formatByteCount(1'000'000), "1 MB");
    EXPECT_EQ(formatByteCount(123'456'789), "123.5 MB");
    EXPECT_EQ(formatByteCount(1'234'567'890), "1.23 GB");
    EXPECT_EQ(formatByteCount(1'500'000'000), "1.5 GB");
    EXPECT_EQ(formatByteCount(20'000'000'000), "20 GB");
    EXPECT_EQ(formatByteCount(3'210'000'000'000), "3.21 TB");
}

TEST(ByteCountFormat, RoundsHalfToEvenOnTheExactCount) {
    EXPECT_EQ(formatByteCount(1500), "2 KB");
    EXPECT_EQ(formatByteCount(2500), "2 KB");
    EXPECT_EQ(formatByteCount(2501), "3 KB");
    EXPECT_EQ(formatByteCount(1'250'000), "1.2 MB");
    EXPECT_EQ(formatByteCount(1'350'000), "1.4 MB");
    EXPECT_EQ(formatByteCount(1'005'000'000), "1 GB");
    EXPECT_EQ(formatByteCount(1'015'000'000), "1.02 GB");
}

TEST(ByteCountFormat, ACountThatRoundsUpToAThousandMovesToTheNextUnit) {
    EXPECT_EQ(formatByteCount(999'499), "999 KB");
    EXPECT_EQ(formatByteCount(999'500), "1 MB");
    EXPECT_EQ(formatByteCount(999'950'000), "1 GB");
}

TEST(ByteCountFormat, TheExtremesOfSignedCountsAreWritten) {
    EXPECT_EQ(formatByteCount(std::numeric_limits<std::int64_t>::max()), "9.22 EB");
    EXPECT_EQ(formatByteCount(std::numeric_limits<std::int64_t>::min()), "-9.22 EB");
    EXPECT_EQ(formatByteCount(-1500), "-2 KB");
}

} // namespace
} // namespace sorvale::model
