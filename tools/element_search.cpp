#include "tools/element_search.h"

#include "base/text.h"
#include "tools/element_facts.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace corrolab {

std::vector<int> SearchElements(std::string_view text)
{
    const std::string query = AsciiLowerCase(TrimmedWhiteSpace(text));
    if (query.empty())
        return {};
    const int last = LastRecordedElement();
    std::vector<int> found;
    const auto add = [&found](int z) {
        if (std::ranges::find(found, z) == found.end())
            found.push_back(z);
    };
    int number = 0;
    const auto [end, error] = std::from_chars(query.data(), query.data() + query.size(), number);
    if (error == std::errc() && end == query.data() + query.size() && number >= 1 && number <= last)
        add(number);
    // Each pass adds the elements that match in a looser way than the one before.
    const auto pass = [&](auto matches) {
        for (int z = 1; z <= last; ++z) {
            const std::vector<std::string> record = RecordOf(z);
            if (matches(AsciiLowerCase(record[0]), AsciiLowerCase(record[1])))
                add(z);
        }
    };
    pass([&](const std::string&, const std::string& symbol) { return symbol == query; });
    pass([&](const std::string& name, const std::string&) { return name == query; });
    pass([&](const std::string& name, const std::string&) { return name.starts_with(query); });
    pass([&](const std::string& name, const std::string&) {
        return name.find(query) != std::string::npos;
    });
    return found;
}

} // namespace corrolab
