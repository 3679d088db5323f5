// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace sorvale::platform {

// Why a file operation failed: the system's error code and a sentence for the user.
struct FileOperationError {
    int code = 0;
    std::string description;
};

// Only a refusal by the system's permissions counts, nothing else.
[[nodiscard]] bool isPermissionError(const FileOperationError& error);

} // namespace sorvale::platform
