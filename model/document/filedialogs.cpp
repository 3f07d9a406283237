#include "model/document/filedialogs.h"

#include <algorithm>

namespace model {

std::string TrimAtNull(std::string_view buffer)
{
    return std::string(buffer.substr(0, buffer.find('\0')));
}

std::string FilterField(std::string_view filter, int n)
{
    std::size_t start = 0;
    for (int i = 1; i <= n; ++i) {
        const std::size_t first = filter.find('\0', start);
        if (first == std::string_view::npos) return {};
        std::size_t second = filter.find('\0', first + 1);
        if (second == std::string_view::npos) second = filter.size();
        if (i == n) return std::string(filter.substr(start, second - start));
        start = second + 1;
    }
    return {};
}

std::string nulSeparatedFilter(std::string_view filter)
{
    std::string list(filter);
    std::replace(list.begin(), list.end(), '|', '\0');
    list.append(2, '\0');
    return list;
}

std::vector<FilterPair> filterPairs(std::string_view filter)
{
    const std::string list = nulSeparatedFilter(filter);
    std::vector<FilterPair> pairs;
    for (int n = 1;; ++n) {
        const std::string field = FilterField(list, n);
        std::string description = TrimAtNull(field);
        if (description.empty()) break;
        std::string pattern = field.substr(std::min(description.size() + 1, field.size()));
        pairs.push_back({std::move(description), std::move(pattern)});
    }
    return pairs;
}

}  // namespace model
