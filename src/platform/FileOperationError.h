// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <string>

namespace sorvale::platform {

// Why a file operation failed: the system's error code and a sentence for the user.
struct FileOperationError {
    int code = 0;
    model::Message message;

    [[nodiscard]] std::string description() const { return message.english(); }
};

// Only a refusal by the system's permissions counts, nothing else.
[[nodiscard]] bool isPermissionError(const FileOperationError& error);

} // namespace sorvale::platform
