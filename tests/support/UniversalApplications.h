// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "TempTree.h"
#include "engine/ScanEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace sorvale::test {

// Real universal Mach-O files, built once: arm64 and x86_64 objects joined by llvm-lipo. The
// stand-in lipo answers -detailed_info with the same fat-header listing through llvm-objdump, and
// thins with llvm-lipo (failing for an input that the pattern in "<tree>/fail-thinning" matches),
// so magic numbers,
// slice sizes and thinned files are all real. The stand-in codesign records each call in
// "<tree>/codesign-calls" and answers with the statuses `codesignAnswers` queued.
class UniversalApplications : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite() { objects_.reset(); }
    void SetUp() override;
    void TearDown() override;

    static std::filesystem::path object(const char* name) { return *objects_ / name; }
    // A copy of the universal file at `relative`.
    std::filesystem::path universalCopy(const std::filesystem::path& relative);
    void codesignAnswers(const std::string& statuses);
    // What the junk scan of "<tree>/home" offers as universal applications.
    [[nodiscard]] std::vector<model::CleanupItem> universalItems() const;
    [[nodiscard]] bool workingFoldersRemain() const;

    static inline std::unique_ptr<TempTree> objects_;
    TempTree tree;
    engine::ScanEngine engine{tree / "root", model::HomeLayout::macos};
};

} // namespace sorvale::test
