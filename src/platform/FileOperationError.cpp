// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "FileOperationError.h"

#include <cerrno>

namespace sorvale::platform {

bool isPermissionError(const FileOperationError& error) {
    return error.code == EPERM || error.code == EACCES;
}

} // namespace sorvale::platform
