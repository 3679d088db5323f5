// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "FinderOrder.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

namespace sorvale::engine {
namespace {

std::shared_ptr<const UCollator> openNumericCollator(UColAttributeValue strength) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("en", &status);
    if (U_FAILURE(status)) {
        ucol_close(collator);
        return nullptr;
    }
    ucol_setStrength(collator, strength);
    ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    return {collator, ucol_close};
}

UCollationResult compare(const UCollator* collator, std::string_view a, std::string_view b) {
    if (collator == nullptr) {
        return UCOL_EQUAL;
    }
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result =
        ucol_strcollUTF8(collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                         static_cast<int32_t>(b.size()), &status);
    return U_SUCCESS(status) ? result : UCOL_EQUAL;
}

} // namespace

FinderOrder::FinderOrder()
    : ignoringCase_(openNumericCollator(UCOL_SECONDARY))
    , withCase_(openNumericCollator(UCOL_TERTIARY)) {}

bool FinderOrder::operator()(std::string_view a, std::string_view b) const {
    for (const UCollator* collator : std::array{ignoringCase_.get(), withCase_.get()}) {
        if (const UCollationResult result = compare(collator, a, b); result != UCOL_EQUAL) {
            return result == UCOL_LESS;
        }
    }
    return a < b;
}

std::string FinderOrder::sortKey(std::string_view name) const {
    std::string key;
    std::vector<char16_t> text;
    appendSortKey(name, key, text);
    return key;
}

void FinderOrder::appendSortKey(std::string_view name, std::string& key,
                                std::vector<char16_t>& text) const {
    if (withCase_ == nullptr) {
        return;
    }
    // Ill-formed bytes read as U+FFFD, as the UTF-8 comparison reads them.
    text.resize(name.size() + 1);
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &length, name.data(),
                         static_cast<int32_t>(name.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) {
        return;
    }
    // A key at tertiary strength orders by the case-insensitive levels first, then by case:
    // the two comparisons of operator() in one.
    const std::size_t start = key.size();
    std::size_t room = std::max<std::size_t>(64, 4 * name.size());
    for (;;) {
        key.resize(start + room);
        const int32_t needed = ucol_getSortKey(withCase_.get(), text.data(), length,
                                               reinterpret_cast<uint8_t*>(key.data() + start),
                                               static_cast<int32_t>(room));
        if (needed <= static_cast<int32_t>(room)) {
            key.resize(start + (needed > 0 ? static_cast<std::size_t>(needed) - 1 : 0)); // its 0
            return;
        }
        room = static_cast<std::size_t>(needed);
    }
}

FinderOrder::SortKeys
FinderOrder::sortKeys(std::size_t count,
                      const std::function<std::string_view(std::size_t)>& nameAt) {
    // Below this, starting threads costs more than it saves.
    constexpr std::size_t kNamesPerThread = 8192;
    constexpr unsigned kMostThreads = 4;
    const std::size_t threads = std::clamp<std::size_t>(
        count / kNamesPerThread, 1,
        std::max(1U, std::min(std::thread::hardware_concurrency(), kMostThreads)));
    // Every buffer is made here, large enough for what the threads write, so that no thread
    // leaves memory of its own behind.
    std::vector<SortKeys> parts(threads);
    for (std::size_t part = 0; part < threads; ++part) {
        std::size_t nameBytes = 0;
        for (std::size_t index = count * part / threads; index < count * (part + 1) / threads;
             ++index) {
            nameBytes += nameAt(index).size() + 8;
        }
        parts[part].bytes.reserve(3 * nameBytes);
        parts[part].ends.reserve(count * (part + 1) / threads - count * part / threads);
    }
    const auto makePart = [&](std::size_t part) {
        const FinderOrder order;
        std::vector<char16_t> text(256);
        SortKeys& keys = parts[part];
        for (std::size_t index = count * part / threads; index < count * (part + 1) / threads;
             ++index) {
            order.appendSortKey(nameAt(index), keys.bytes, text);
            keys.ends.push_back(static_cast<std::uint32_t>(keys.bytes.size()));
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t part = 1; part < threads; ++part) {
            helpers.emplace_back(makePart, part);
        }
        makePart(0);
    }
    SortKeys all;
    std::size_t total = 0;
    for (const SortKeys& part : parts) {
        total += part.bytes.size();
    }
    all.bytes.reserve(total);
    all.ends.reserve(count);
    for (const SortKeys& part : parts) {
        const auto offset = static_cast<std::uint32_t>(all.bytes.size());
        all.bytes += part.bytes;
        for (const std::uint32_t end : part.ends) {
            all.ends.push_back(offset + end);
        }
    }
    return all;
}

} // namespace sorvale::engine
