#include "alloys/alloy_filter.h"

#include "alloys/alloy_figures.h"
#include "base/lenient_number.h"
#include "base/text.h"
#include "tools/composition.h"
#include "tools/element_facts.h"

#include <cctype>
#include <charconv>
#include <map>
#include <utility>
#include <vector>

namespace corrolab {

namespace {

constexpr std::string_view kGreaterOrEqual = "\xE2\x89\xA5"; // "≥"

// The symbol as the records write it, for a symbol in any case; empty if none.
std::string RecordedSymbol(std::string_view symbol)
{
    // The symbols in lower case beside their written form, read once.
    static const std::vector<std::pair<std::string, std::string>> symbols = [] {
        std::vector<std::pair<std::string, std::string>> read;
        for (int z = 1; z <= LastRecordedElement(); ++z) {
            std::string recorded = RecordOf(z)[1];
            read.emplace_back(AsciiLowerCase(recorded), std::move(recorded));
        }
        return read;
    }();
    const std::string wanted = AsciiLowerCase(symbol);
    for (const auto& [lower, recorded] : symbols)
        if (lower == wanted)
            return recorded;
    return "";
}

// Takes the comparison off the front of `rest`; strict for ">".
void TakeComparison(std::string_view& rest, bool& strict)
{
    for (std::string_view op : {kGreaterOrEqual, std::string_view(">="), std::string_view("=>")})
        if (rest.starts_with(op)) {
            rest.remove_prefix(op.size());
            return;
        }
    if (rest.starts_with(">")) {
        rest.remove_prefix(1);
        strict = true;
    }
}

std::optional<ShareCondition> ParseCondition(std::string_view piece, std::string& problem)
{
    size_t letters = 0;
    while (letters < piece.size() && std::isalpha(static_cast<unsigned char>(piece[letters])))
        ++letters;
    ShareCondition condition;
    condition.symbol = RecordedSymbol(piece.substr(0, letters));
    if (letters == 0 || condition.symbol.empty()) {
        problem = "no element symbol at \"" + std::string(piece) + "\"";
        return std::nullopt;
    }
    std::string_view rest = TrimmedWhiteSpace(piece.substr(letters));
    if (rest.empty())
        return condition;
    TakeComparison(rest, condition.strict);
    rest = TrimmedWhiteSpace(rest);
    if (rest.ends_with("%"))
        rest = TrimmedWhiteSpace(rest.substr(0, rest.size() - 1));
    const auto [end, error]
        = std::from_chars(rest.data(), rest.data() + rest.size(), condition.minimum);
    if (rest.empty() || error != std::errc() || end != rest.data() + rest.size()) {
        problem = "no share in percent at \"" + std::string(piece) + "\"";
        return std::nullopt;
    }
    return condition;
}

} // namespace

std::optional<std::vector<ShareCondition>> ParseShareConditions(
    std::string_view text, std::string& problem)
{
    std::vector<ShareCondition> conditions;
    problem.clear();
    while (!TrimmedWhiteSpace(text).empty()) {
        const size_t comma = text.find(',');
        const std::string_view piece = TrimmedWhiteSpace(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (piece.empty())
            continue;
        const std::optional<ShareCondition> condition = ParseCondition(piece, problem);
        if (!condition)
            return std::nullopt;
        conditions.push_back(*condition);
    }
    return conditions;
}

bool MeetsConditions(std::string_view composition, const std::vector<ShareCondition>& conditions)
{
    std::map<std::string, double> shares;
    for (const Component& component : SplitComposition(composition))
        shares[component.symbol] += LenientValueOrZero(component.percentage);
    for (const ShareCondition& condition : conditions) {
        const auto found = shares.find(condition.symbol);
        if (found == shares.end())
            return false;
        if (condition.strict ? !(found->second > condition.minimum)
                             : !(found->second >= condition.minimum))
            return false;
    }
    return true;
}

bool MatchesText(const AlloyFigures& alloy, std::string_view text)
{
    const std::string wanted = AsciiLowerCase(TrimmedWhiteSpace(text));
    if (wanted.empty())
        return true;
    for (const std::string* field : {&alloy.name, &alloy.baseMetal, &alloy.composition})
        if (AsciiLowerCase(*field).find(wanted) != std::string::npos)
            return true;
    return false;
}

} // namespace corrolab
