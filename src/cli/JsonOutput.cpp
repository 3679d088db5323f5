// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "JsonOutput.h"

#include "model/Utf8.h"

#include <array>
#include <ctime>
#include <string_view>

namespace sorvale::cli {
namespace {

void writeHexEscape(std::ostream& out, unsigned value) {
    static constexpr std::string_view digits = "0123456789abcdef";
    out << "\\u" << digits[(value >> 12) & 0xF] << digits[(value >> 8) & 0xF]
        << digits[(value >> 4) & 0xF] << digits[value & 0xF];
}

// Bytes that need no escape go out in runs: a stream's per-character path is slow.
void writeString(std::ostream& out, std::string_view bytes) {
    out << '"';
    std::size_t unwritten = 0;
    for (std::size_t offset = 0; offset < bytes.size();) {
        const model::Utf8Sequence sequence = model::nextUtf8Sequence(bytes, offset);
        const char c = bytes[offset];
        const bool plain =
            sequence.valid && (sequence.length > 1 ||
                               (static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\'));
        if (!plain) {
            out.write(bytes.data() + unwritten, static_cast<std::streamsize>(offset - unwritten));
            if (!sequence.valid) {
                for (std::size_t i = 0; i < sequence.length; ++i) {
                    writeHexEscape(out, 0xDC00U | static_cast<unsigned char>(bytes[offset + i]));
                }
            } else if (c == '"' || c == '\\') {
                out << '\\' << c;
            } else {
                writeHexEscape(out, static_cast<unsigned char>(c));
            }
            unwritten = offset + sequence.length;
        }
        offset += sequence.length;
    }
    out.write(bytes.data() + unwritten, static_cast<std::streamsize>(bytes.size() - unwritten));
    out << '"';
}

void writeDate(std::ostream& out, const std::optional<model::Date>& date) {
    if (!date) {
        out << "null";
        return;
    }
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(*date));
    std::tm utc{};
    ::gmtime_r(&seconds, &utc);
    std::array<char, 32> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%SZ", &utc);
    out << '"' << std::string_view(text.data(), length) << '"';
}

void writeOperation(std::ostream& out, const model::CleanupOperation& operation) {
    out << R"({"kind":)";
    writeString(out, model::rawValue(operation.kind()));
    if (!operation.identifier().empty()) {
        out << R"(,"identifier":)";
        writeString(out, operation.identifier());
    }
    out << '}';
}

void writeItem(std::ostream& out, const model::CleanupItem& item) {
    out << R"({"id":)";
    writeString(out, item.id.bytes());
    out << R"(,"url":)";
    writeString(out, item.url.bytes());
    out << R"(,"name":)";
    writeString(out, item.name);
    out << R"(,"size":)" << item.size << R"(,"category":)";
    writeString(out, model::rawValue(item.category));
    out << R"(,"modifiedAt":)";
    writeDate(out, item.modifiedAt);
    out << R"(,"relatedFiles":[)";
    for (std::size_t i = 0; i < item.relatedFiles.size(); ++i) {
        out << (i > 0 ? "," : "");
        writeString(out, item.relatedFiles[i].bytes());
    }
    out << R"(],"operation":)";
    writeOperation(out, item.operation);
    out << R"(,"isSelected":)" << (item.isSelected ? "true" : "false") << '}';
}

} // namespace

void writeJson(std::ostream& out, const model::ScanSnapshot& snapshot) {
    out << R"({"items":[)";
    for (std::size_t i = 0; i < snapshot.items.size(); ++i) {
        out << (i > 0 ? "," : "");
        writeItem(out, snapshot.items[i]);
    }
    out << R"(],"inaccessibleCount":)" << snapshot.inaccessibleCount << "}\n";
}

void writeJson(std::ostream& out, const engine::Measurement& measurement) {
    out << R"({"size":)" << measurement.size << R"(,"incomplete":)"
        << (measurement.incomplete ? "true" : "false") << R"(,"rootWasReadable":)"
        << (measurement.rootWasReadable ? "true" : "false") << "}\n";
}

} // namespace sorvale::cli
