#include "tools/composition.h"

namespace corrolab {

namespace {

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

Component SplitToken(std::string_view token)
{
    size_t symbolStart = token.size();
    while (symbolStart > 0 && IsLetter(token[symbolStart - 1]))
        --symbolStart;
    return {std::string(token.substr(symbolStart)), std::string(token.substr(0, symbolStart))};
}

} // namespace

std::vector<Component> SplitComposition(std::string_view composition)
{
    std::vector<Component> components;
    size_t start = 0;
    while (components.size() < static_cast<size_t>(kMaxCompositionTokens)) {
        const size_t space = composition.find(' ', start);
        const size_t end = space == std::string_view::npos ? composition.size() : space;
        components.push_back(SplitToken(composition.substr(start, end - start)));
        if (space == std::string_view::npos)
            break;
        start = space + 1;
    }
    return components;
}

} // namespace corrolab
