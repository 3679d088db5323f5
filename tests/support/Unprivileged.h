// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <type_traits>

namespace sorvale::test {

namespace detail {
// Runs `body` in a forked child that has given up root, if it had it, and copies `size` bytes of
// its answer back. False when the child could not drop its privileges or did not finish.
bool runInUnprivilegedChild(const std::function<void(void* answer)>& body, void* answer,
                            std::size_t size);
} // namespace detail

// Makes `path` and everything below it belong to the user runUnprivileged runs as, so that only
// the permissions a test takes away stand in its way.
void giveToUnprivilegedUser(const std::filesystem::path& path);

// Permission cases are meaningless as root, which reads everything: they run here, as "nobody"
// when the suite runs as root (as CI does), else as the current user.
template <class Answer>
std::optional<Answer> runUnprivileged(const std::function<Answer()>& body) {
    static_assert(std::is_trivially_copyable_v<Answer>);
    Answer answer{};
    const bool finished = detail::runInUnprivilegedChild(
        [&](void* out) { *static_cast<Answer*>(out) = body(); }, &answer, sizeof(Answer));
    return finished ? std::optional<Answer>(answer) : std::nullopt;
}

} // namespace sorvale::test
