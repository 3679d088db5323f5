#include "FinderOrder.h"

#include <unicode/ucol.h>

#include <array>

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

} // namespace sorvale::engine
