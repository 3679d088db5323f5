// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Location.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>
#include <new>
#include <ostream>
#include <stdexcept>
#include <utility>

namespace sorvale::model {

// One allocation: the header, then the bytes and a NUL.
struct Location::Buffer {
    std::atomic<std::uint32_t> references{1};
    std::uint32_t size = 0;
    std::shared_ptr<const FolderSighting> folder;
    FileIdentity entry;

    [[nodiscard]] char* bytes() { return reinterpret_cast<char*>(this + 1); }
};

Location::Location(std::string_view bytes, std::shared_ptr<const FolderSighting> folder,
                   const FileIdentity& entry) {
    if (bytes.empty() && !folder) {
        return;
    }
    if (bytes.size() >= std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("location too long");
    }
    void* memory = ::operator new(sizeof(Buffer) + bytes.size() + 1);
    buffer_ = new (memory) Buffer;
    buffer_->size = static_cast<std::uint32_t>(bytes.size());
    buffer_->folder = std::move(folder);
    buffer_->entry = entry;
    std::memcpy(buffer_->bytes(), bytes.data(), bytes.size());
    buffer_->bytes()[bytes.size()] = '\0';
}

Location::Location(const Location& other) noexcept
    : buffer_(other.buffer_) {
    if (buffer_ != nullptr) {
        buffer_->references.fetch_add(1, std::memory_order_relaxed);
    }
}

Location::Location(Location&& other) noexcept
    : buffer_(std::exchange(other.buffer_, nullptr)) {}

Location& Location::operator=(const Location& other) noexcept {
    if (this != &other) {
        Location copy(other);
        std::swap(buffer_, copy.buffer_);
    }
    return *this;
}

Location& Location::operator=(Location&& other) noexcept {
    if (this != &other) {
        release();
        buffer_ = std::exchange(other.buffer_, nullptr);
    }
    return *this;
}

Location::~Location() {
    release();
}

void Location::release() noexcept {
    if (buffer_ != nullptr && buffer_->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        buffer_->~Buffer();
        ::operator delete(buffer_);
    }
    buffer_ = nullptr;
}

std::string_view Location::bytes() const {
    return buffer_ == nullptr ? std::string_view()
                              : std::string_view(buffer_->bytes(), buffer_->size);
}

const char* Location::c_str() const {
    return buffer_ == nullptr ? "" : buffer_->bytes();
}

std::string_view Location::name() const {
    const std::string_view all = bytes();
    const std::size_t slash = all.rfind('/');
    return slash == std::string_view::npos ? all : all.substr(slash + 1);
}

std::string_view Location::folder() const {
    const std::string_view all = bytes();
    const std::size_t slash = all.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    // The separators before the last component belong to neither, but a root keeps its own.
    const std::size_t end = all.find_last_not_of('/', slash);
    return end == std::string_view::npos ? all.substr(0, 1) : all.substr(0, end + 1);
}

std::optional<Sighting> Location::sighting() const {
    if (buffer_ == nullptr || !buffer_->folder) {
        return std::nullopt;
    }
    return Sighting{*buffer_->folder, buffer_->entry};
}

std::ostream& operator<<(std::ostream& out, const Location& location) {
    return out << location.bytes();
}

std::string standardizedBytes(std::string_view location) {
    // Already standard unless a component is empty, "." or "..", or a separator ends it.
    bool standard = !location.empty() && (location.size() == 1 || location.back() != '/');
    for (std::size_t start = location.front() == '/' ? 1 : 0;
         standard && start < location.size();) {
        const std::size_t end = std::min(location.find('/', start), location.size());
        const std::string_view component = location.substr(start, end - start);
        standard = !component.empty() && component != "." && component != "..";
        start = end + 1;
    }
    return standard ? std::string(location)
                    : standardized(std::filesystem::path(std::string(location))).native();
}

std::filesystem::path standardized(const std::filesystem::path& location) {
    std::filesystem::path normal = location.lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) {
        normal = normal.parent_path();
    }
    return normal;
}

} // namespace sorvale::model
