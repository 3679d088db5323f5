#include "FinderOrder.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <array>
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
    if (withCase_ == nullptr) {
        return {};
    }
    // Ill-formed bytes read as U+FFFD, as the UTF-8 comparison reads them.
    std::vector<UChar> text(name.size() + 1);
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &length, name.data(),
                         static_cast<int32_t>(name.size()), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) {
        return {};
    }
    // A key at tertiary strength orders by the case-insensitive levels first, then by case:
    // the two comparisons of operator() in one.
    std::string key(64, '\0');
    for (;;) {
        const int32_t needed = ucol_getSortKey(withCase_.get(), text.data(), length,
                                               reinterpret_cast<uint8_t*>(key.data()),
                                               static_cast<int32_t>(key.size()));
        if (needed <= static_cast<int32_t>(key.size())) {
            key.resize(needed > 0 ? static_cast<std::size_t>(needed) - 1 : 0); // its final 0
            return key;
        }
        key.resize(static_cast<std::size_t>(needed));
    }
}

} // namespace sorvale::engine
