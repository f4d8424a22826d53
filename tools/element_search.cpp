#include "tools/element_search.h"

#include "tools/element_facts.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace corrolab {

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<int> SearchElements(std::string_view text)
{
    const std::string query = Lower(Trim(text));
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
            if (matches(Lower(record[0]), Lower(record[1])))
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
