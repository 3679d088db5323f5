// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "Date.h"
#include "RawValue.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sorvale::model {

// The progress of one results list.
class ScanState {
public:
    enum class Kind : std::uint8_t { idle, scanning, complete, failed };

    ScanState() = default; // idle

    [[nodiscard]] static ScanState idle() { return ScanState{}; }
    [[nodiscard]] static ScanState scanning(std::string label) {
        return ScanState{Kind::scanning, std::move(label), {}};
    }
    [[nodiscard]] static ScanState complete(Date date) {
        return ScanState{Kind::complete, {}, date};
    }
    [[nodiscard]] static ScanState failed(std::string message) {
        return ScanState{Kind::failed, std::move(message), {}};
    }

    [[nodiscard]] Kind kind() const { return kind_; }
    // The progress label of `scanning` or the message of `failed`; empty otherwise.
    [[nodiscard]] const std::string& text() const { return text_; }
    // The finishing moment of `complete`; none otherwise.
    [[nodiscard]] std::optional<Date> date() const {
        return kind_ == Kind::complete ? std::optional{date_} : std::nullopt;
    }

    bool operator==(const ScanState&) const = default;

private:
    ScanState(Kind kind, std::string text, Date date)
        : kind_(kind)
        , text_(std::move(text))
        , date_(date) {}

    Kind kind_ = Kind::idle;
    std::string text_;
    Date date_{};
};

template <>
struct EnumTraits<ScanState::Kind> {
    static constexpr std::size_t count = 4;
    static std::string_view rawValue(ScanState::Kind kind);
};

} // namespace sorvale::model
