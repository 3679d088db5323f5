// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "TableOutput.h"

#include "model/ByteCountFormat.h"
#include "model/Utf8.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::cli {
namespace {

// Names longer than this do not widen their column; they push the rest of their own row.
constexpr std::size_t kWidestNameColumn = 40;

// Valid UTF-8 with control characters replaced, so a name cannot break the layout.
std::string printable(std::string_view bytes) {
    std::string text = model::toValidUtf8(bytes);
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            result += "\xEF\xBF\xBD";
        } else {
            result += c;
        }
    }
    return result;
}

// Characters on screen, counting each code point as one column.
std::size_t width(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(std::string_view text, std::size_t columns, bool alignRight = false) {
    const std::string padding(columns > width(text) ? columns - width(text) : 0, ' ');
    return alignRight ? padding + std::string(text) : std::string(text) + padding;
}

struct Row {
    std::string size;
    std::string category;
    std::string name;
    std::string location;
};

void writeInaccessibleCount(std::ostream& out, std::int64_t count) {
    if (count > 0) {
        out << count << (count == 1 ? " place" : " places") << " could not be read completely\n";
    }
}

} // namespace

void writeTable(std::ostream& out, const model::ScanSnapshot& snapshot) {
    if (snapshot.items.empty()) {
        out << "Nothing found.\n";
        writeInaccessibleCount(out, snapshot.inaccessibleCount);
        return;
    }
    std::vector<Row> rows{{"SIZE", "CATEGORY", "NAME", "LOCATION"}};
    std::int64_t total = 0;
    for (const model::CleanupItem& item : snapshot.items) {
        rows.push_back({model::formatByteCount(item.size), std::string(model::title(item.category)),
                        printable(item.name), printable(item.url.folder())});
        total += item.size;
    }
    std::size_t sizeWidth = 0;
    std::size_t categoryWidth = 0;
    std::size_t nameWidth = 0;
    for (const Row& row : rows) {
        sizeWidth = std::max(sizeWidth, width(row.size));
        categoryWidth = std::max(categoryWidth, width(row.category));
        nameWidth = std::max(nameWidth, std::min(width(row.name), kWidestNameColumn));
    }
    for (const Row& row : rows) {
        out << padded(row.size, sizeWidth, true) << "  " << padded(row.category, categoryWidth)
            << "  " << padded(row.name, nameWidth) << "  " << row.location << '\n';
    }
    const std::size_t count = snapshot.items.size();
    out << '\n'
        << count << (count == 1 ? " item, " : " items, ") << model::formatByteCount(total)
        << " in all\n";
    writeInaccessibleCount(out, snapshot.inaccessibleCount);
}

void writeTable(std::ostream& out, const std::filesystem::path& root,
                const engine::Measurement& measurement) {
    if (!measurement.rootWasReadable) {
        out << printable(root.native()) << " could not be read\n";
        return;
    }
    out << model::formatByteCount(measurement.size) << " (" << measurement.size << " bytes)  "
        << printable(root.native()) << '\n';
    if (measurement.incomplete) {
        out << "Some places could not be read completely, so the size may be larger.\n";
    }
}

} // namespace sorvale::cli
