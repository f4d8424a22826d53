#include "currency/ecb_rates.h"

#include "currency/rates_reader.h"

#include <charconv>
#include <cmath>
#include <expat.h>
#include <optional>

namespace corrolab {

namespace {

using std::chrono::year_month_day;

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

bool IsCurrencyCode(std::string_view code)
{
    if (code.size() != 3)
        return false;
    for (const char c : code)
        if (c < 'A' || c > 'Z')
            return false;
    return true;
}

// Adds one listed rate to a day, or the reason it cannot be used.
void AddRate(EcbRates& day, std::string_view code, std::optional<std::string_view> text)
{
    const std::string name(code);
    if (!text || Trimmed(*text).empty()) {
        day.rejected.push_back(name + ": rate missing");
        return;
    }
    const std::string_view digits = Trimmed(*text);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)
        || value <= 0) {
        day.rejected.push_back(
            name + ": rate '" + std::string(digits) + "' is not a positive number");
        return;
    }
    if (!day.perEuro.emplace(name, value).second)
        day.rejected.push_back(name + ": listed twice");
}

EcbResult Newest(std::vector<EcbRates>& days, const char* what)
{
    if (days.empty())
        return EcbError {std::string("The ") + what + " holds no day of rates."};
    size_t newest = 0;
    for (size_t i = 1; i < days.size(); ++i)
        if (std::chrono::sys_days(days[i].date) > std::chrono::sys_days(days[newest].date))
            newest = i;
    return std::move(days[newest]);
}

// --- XML -------------------------------------------------------------------

struct XmlState
{
    XML_Parser parser = nullptr;
    bool sawEnvelope = false;
    int depth = 0;
    std::vector<EcbRates> days;
    std::optional<std::string> error;
};

std::optional<std::string_view> Attribute(const XML_Char** attributes, std::string_view name)
{
    for (int i = 0; attributes[i] != nullptr; i += 2)
        if (name == attributes[i])
            return std::string_view(attributes[i + 1]);
    return std::nullopt;
}

void Fail(XmlState& state, const std::string& message)
{
    if (!state.error)
        state.error
            = message + " (line " + std::to_string(XML_GetCurrentLineNumber(state.parser)) + ")";
    XML_StopParser(state.parser, XML_FALSE);
}

void StartElement(void* data, const XML_Char* name, const XML_Char** attributes)
{
    auto& state = *static_cast<XmlState*>(data);
    const std::string_view element(name);
    if (state.depth++ == 0) {
        state.sawEnvelope = element == "Envelope" || element.ends_with(":Envelope");
        if (!state.sawEnvelope)
            Fail(state,
                "This XML is not an ECB rates file: it starts with <" + std::string(element) + ">");
        return;
    }
    if (element != "Cube")
        return;
    if (const auto time = Attribute(attributes, "time")) {
        const auto date = CaptionDate(*time);
        if (!date || time->size() != 10)
            return Fail(state, "The date '" + std::string(*time) + "' is not a date");
        state.days.push_back({*date, {}, {}});
        return;
    }
    if (const auto currency = Attribute(attributes, "currency")) {
        if (state.days.empty())
            return Fail(state, "A rate stands outside a dated <Cube time=...>");
        if (!IsCurrencyCode(*currency))
            return Fail(state, "'" + std::string(*currency) + "' is not a currency code");
        AddRate(state.days.back(), *currency, Attribute(attributes, "rate"));
    }
}

void EndElement(void* data, const XML_Char*)
{
    --static_cast<XmlState*>(data)->depth;
}

// --- CSV -------------------------------------------------------------------

std::vector<std::string_view> CsvCells(std::string_view line)
{
    std::vector<std::string_view> cells;
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(',', start);
        cells.push_back(Trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    // The ECB ends every line with a comma.
    if (cells.size() > 1 && cells.back().empty())
        cells.pop_back();
    return cells;
}

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (!Trimmed(text.substr(start, end - start)).empty())
            lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

EcbResult ParseEcbXml(std::string_view xml)
{
    if (xml.size() > kLargestEcbFile)
        return EcbError {"The file is too large for an ECB rates file."};
    XmlState state;
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (parser == nullptr)
        return EcbError {"No XML reader could be started."};
    state.parser = parser;
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, StartElement, EndElement);
    const XML_Status status = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE);
    if (status != XML_STATUS_OK && !state.error)
        state.error = std::string("The XML is damaged: ")
            + XML_ErrorString(XML_GetErrorCode(parser)) + " (line "
            + std::to_string(XML_GetCurrentLineNumber(parser)) + ")";
    XML_ParserFree(parser);
    if (state.error)
        return EcbError {*state.error};
    if (!state.sawEnvelope)
        return EcbError {"This is not an ECB rates file."};
    return Newest(state.days, "XML file");
}

EcbResult ParseEcbCsv(std::string_view csv)
{
    if (csv.size() > kLargestEcbFile)
        return EcbError {"The file is too large for an ECB rates file."};
    if (csv.starts_with("\xEF\xBB\xBF"))
        csv.remove_prefix(3);
    const std::vector<std::string_view> lines = Lines(csv);
    if (lines.empty())
        return EcbError {"The CSV file is empty."};
    const std::vector<std::string_view> header = CsvCells(lines[0]);
    if (header.size() < 2 || header[0] != "Date")
        return EcbError {
            "The CSV file does not start with the ECB's header line \"Date, USD, ...\"."};
    for (size_t c = 1; c < header.size(); ++c)
        if (!IsCurrencyCode(header[c]))
            return EcbError {
                "The CSV column '" + std::string(header[c]) + "' is not a currency code."};
    std::vector<EcbRates> days;
    for (size_t l = 1; l < lines.size(); ++l) {
        const std::vector<std::string_view> cells = CsvCells(lines[l]);
        const std::string where = "Line " + std::to_string(l + 1) + " of the CSV file";
        if (cells.size() != header.size())
            return EcbError {where + " has " + std::to_string(cells.size() - 1) + " rates for "
                + std::to_string(header.size() - 1) + " currency columns."};
        const auto date = CaptionDate(cells[0]);
        if (!date)
            return EcbError {where + " does not start with a date."};
        EcbRates day {*date, {}, {}};
        for (size_t c = 1; c < cells.size(); ++c) {
            if (cells[c] == "N/A")
                continue; // not quoted that day
            AddRate(day, header[c], cells[c]);
        }
        days.push_back(std::move(day));
    }
    return Newest(days, "CSV file");
}

EcbResult ParseEcbData(std::string_view data)
{
    if (data.size() > kLargestEcbFile)
        return EcbError {"The file is too large for an ECB rates file ("
            + std::to_string(data.size() / (1024 * 1024)) + " MB)."};
    if (data.starts_with("PK"))
        return ParseEcbZip(data);
    std::string_view text = data;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return EcbError {"The file is empty."};
    if (text[first] == '<')
        return ParseEcbXml(text);
    return ParseEcbCsv(text);
}

} // namespace corrolab
