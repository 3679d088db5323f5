#pragma once

#include <memory>
#include <string>
#include <string_view>

struct UCollator;

namespace sorvale::engine {

// Names in the Finder's order: case-insensitive, with runs of digits compared by their value
// ("File 2" before "File 10"), then by case, then by their bytes, so that it is a total order.
// The locale is explicit because a default collator under LANG=C.UTF-8 ignores numeric order.
// Copies share their collators, which are only read.
class FinderOrder {
public:
    FinderOrder();

    [[nodiscard]] bool operator()(std::string_view a, std::string_view b) const;

    // Bytes that order names as the comparison does, once the name's own bytes break ties:
    // (sortKey(a), a) < (sortKey(b), b) exactly when a comes before b. Sorting many names by
    // their keys is far faster than comparing the names.
    [[nodiscard]] std::string sortKey(std::string_view name) const;

private:
    std::shared_ptr<const UCollator> ignoringCase_;
    std::shared_ptr<const UCollator> withCase_;
};

} // namespace sorvale::engine
