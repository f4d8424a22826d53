#include "currency/ecb_rates.h"

#include "base/shared_library.h"
#include "base/text.h"
#include "currency/rates_reader.h"

#include <charconv>
#include <cmath>
#include <expat.h>
#include <optional>
#include <stdexcept>

namespace corrolab {

namespace {

using std::chrono::year_month_day;

std::string_view CellTrimmed(std::string_view text)
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

// Quoted texts of a file in a message: one line, and short.
std::string Quote(std::string_view text)
{
    return "'" + OneLine(text, 40) + "'";
}

// Adds one listed rate to a day, or the reason it cannot be used.
void AddRate(EcbRates& day, std::string_view code, std::optional<std::string_view> text)
{
    const std::string name(code);
    if (!text || CellTrimmed(*text).empty()) {
        day.rejected.push_back(name + ": rate missing");
        return;
    }
    const std::string_view digits = CellTrimmed(*text);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)
        || value <= 0) {
        day.rejected.push_back(name + ": rate " + Quote(digits) + " is not a positive number");
        return;
    }
    if (!day.perEuro.emplace(name, value).second)
        day.rejected.push_back(name + ": listed twice");
}

// Keeps the newer of two days; the first of two of the same date.
void KeepNewest(std::optional<EcbRates>& newest, EcbRates&& day)
{
    if (!newest || std::chrono::sys_days(day.date) > std::chrono::sys_days(newest->date))
        newest = std::move(day);
}

EcbResult NewestOrError(std::optional<EcbRates>& newest, const char* what)
{
    if (!newest)
        return EcbError {std::string("The ") + what + " holds no day of rates."};
    return std::move(*newest);
}

// --- XML -------------------------------------------------------------------

// The ECB's files nest three levels (Envelope, Cube, Cube time, Cube currency);
// deeper nesting is no rates file, and is refused before it costs memory.
constexpr int kDeepestXml = 8;

// expat, opened the first time an XML file is read.
struct ExpatFunctions
{
    decltype(&XML_ParserCreate) parserCreate;
    decltype(&XML_ParserFree) parserFree;
    decltype(&XML_SetUserData) setUserData;
    decltype(&XML_SetElementHandler) setElementHandler;
    decltype(&XML_Parse) parse;
    decltype(&XML_StopParser) stopParser;
    decltype(&XML_GetCurrentLineNumber) currentLine;
    decltype(&XML_GetErrorCode) errorCode;
    decltype(&XML_ErrorString) errorString;
};

const ExpatFunctions& Expat()
{
    static const ExpatFunctions functions = [] {
        const SharedLibrary& expat = SharedLibrary::Open(CORROLAB_SONAME_LIBEXPAT);
        return ExpatFunctions {CORROLAB_LIBRARY_FUNCTION(expat, XML_ParserCreate),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_ParserFree),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_SetUserData),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_SetElementHandler),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_Parse),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_StopParser),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_GetCurrentLineNumber),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_GetErrorCode),
            CORROLAB_LIBRARY_FUNCTION(expat, XML_ErrorString)};
    }();
    return functions;
}

struct XmlState
{
    XML_Parser parser = nullptr;
    bool sawEnvelope = false;
    int depth = 0;
    std::optional<unsigned long> rootClosedOnLine; // the document's last line
    std::optional<EcbRates> day; // being read
    std::optional<EcbRates> newest;
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
        state.error = message + " (line " + std::to_string(Expat().currentLine(state.parser)) + ")";
    Expat().stopParser(state.parser, XML_FALSE);
}

void StartElement(void* data, const XML_Char* name, const XML_Char** attributes)
{
    auto& state = *static_cast<XmlState*>(data);
    const std::string_view element(name);
    if (state.depth++ == 0) {
        state.sawEnvelope = element == "Envelope" || element.ends_with(":Envelope");
        if (!state.sawEnvelope)
            Fail(state,
                "This XML is not an ECB rates file: it starts with <" + OneLine(element, 40) + ">");
        return;
    }
    if (state.depth > kDeepestXml)
        return Fail(state, "The XML is nested deeper than an ECB rates file is");
    if (element != "Cube")
        return;
    if (const auto time = Attribute(attributes, "time")) {
        const auto date = CaptionDate(*time);
        if (!date || time->size() != 10)
            return Fail(state, "The date " + Quote(*time) + " is not a date");
        if (state.day)
            KeepNewest(state.newest, std::move(*state.day));
        state.day = EcbRates {*date, {}, {}};
        return;
    }
    if (const auto currency = Attribute(attributes, "currency")) {
        if (!state.day)
            return Fail(state, "A rate stands outside a dated <Cube time=...>");
        if (!IsCurrencyCode(*currency))
            return Fail(state, Quote(*currency) + " is not a currency code");
        AddRate(*state.day, *currency, Attribute(attributes, "rate"));
    }
}

void EndElement(void* data, const XML_Char*)
{
    auto& state = *static_cast<XmlState*>(data);
    if (--state.depth == 0)
        state.rootClosedOnLine = Expat().currentLine(state.parser);
}

// --- CSV -------------------------------------------------------------------

std::vector<std::string_view> CsvCells(std::string_view line)
{
    std::vector<std::string_view> cells;
    size_t start = 0;
    while (true) {
        const size_t comma = line.find(',', start);
        cells.push_back(CellTrimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    // The ECB ends every line with a comma.
    if (cells.size() > 1 && cells.back().empty())
        cells.pop_back();
    return cells;
}

// A line of the ECB's CSV is a few hundred bytes; a longer one is no rates file.
constexpr size_t kLongestCsvLine = 64 * 1024;

// Reads the ECB's CSV line by line as it arrives, keeping only the header and the
// newest day: memory stays a small multiple of one line.
class EcbCsvReader
{
public:
    void Feed(std::string_view piece)
    {
        while (!error_ && !piece.empty()) {
            const size_t end = piece.find('\n');
            const std::string_view part = piece.substr(0, end);
            if (pending_.size() + part.size() > kLongestCsvLine) {
                error_ = EcbError {"Line " + std::to_string(lineNumber_ + 1)
                    + " of the CSV file is longer than an ECB rates file's lines."};
                return;
            }
            if (end == std::string_view::npos) {
                pending_ += part;
                return;
            }
            if (pending_.empty())
                Line(part);
            else {
                pending_ += part;
                Line(pending_);
                pending_.clear();
            }
            piece.remove_prefix(end + 1);
        }
    }

    EcbResult Finish()
    {
        if (!error_ && !pending_.empty())
            Line(pending_);
        if (error_)
            return *error_;
        if (header_.empty())
            return EcbError {"The CSV file is empty."};
        return NewestOrError(newest_, "CSV file");
    }

private:
    void Line(std::string_view line)
    {
        ++lineNumber_;
        if (lineNumber_ == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.remove_prefix(3);
        if (CellTrimmed(line).empty() || error_)
            return;
        const std::vector<std::string_view> cells = CsvCells(line);
        if (header_.empty()) {
            if (cells.size() < 2 || cells[0] != "Date") {
                error_ = EcbError {
                    "The CSV file does not start with the ECB's header line \"Date, USD, ...\"."};
                return;
            }
            for (size_t c = 1; c < cells.size(); ++c)
                if (!IsCurrencyCode(cells[c])) {
                    error_ = EcbError {
                        "The CSV column " + Quote(cells[c]) + " is not a currency code."};
                    return;
                }
            header_.assign(cells.begin(), cells.end());
            return;
        }
        const std::string where = "Line " + std::to_string(lineNumber_) + " of the CSV file";
        if (cells.size() != header_.size()) {
            error_ = EcbError {where + " has " + std::to_string(cells.size() - 1) + " rates for "
                + std::to_string(header_.size() - 1) + " currency columns."};
            return;
        }
        const auto date = CaptionDate(cells[0]);
        if (!date) {
            error_ = EcbError {where + " does not start with a date."};
            return;
        }
        // Only a newer day is worth reading.
        if (newest_ && std::chrono::sys_days(*date) <= std::chrono::sys_days(newest_->date))
            return;
        EcbRates day {*date, {}, {}};
        for (size_t c = 1; c < cells.size(); ++c) {
            if (cells[c] == "N/A")
                continue; // not quoted that day
            AddRate(day, header_[c], cells[c]);
        }
        newest_ = std::move(day);
    }

    std::vector<std::string> header_;
    std::string pending_;
    int lineNumber_ = 0;
    std::optional<EcbRates> newest_;
    std::optional<EcbError> error_;
};

// Reads the ECB's XML as it arrives, keeping only the newest day.
class EcbXmlReader
{
public:
    EcbXmlReader()
    {
        try {
            parser_ = Expat().parserCreate(nullptr);
        } catch (const std::runtime_error& error) {
            unavailable_ = error.what();
        }
        state_.parser = parser_;
        if (parser_ != nullptr) {
            Expat().setUserData(parser_, &state_);
            Expat().setElementHandler(parser_, StartElement, EndElement);
        }
    }
    ~EcbXmlReader()
    {
        if (parser_ != nullptr)
            Expat().parserFree(parser_);
    }
    EcbXmlReader(const EcbXmlReader&) = delete;
    EcbXmlReader& operator=(const EcbXmlReader&) = delete;

    void Feed(std::string_view piece, bool last)
    {
        if (parser_ == nullptr || state_.error || stopped_)
            return;
        const XML_Status status = Expat().parse(
            parser_, piece.data(), static_cast<int>(piece.size()), last ? XML_TRUE : XML_FALSE);
        if (status != XML_STATUS_OK) {
            stopped_ = true;
            // Past the end of the document the parser names the fault by
            // where the pieces happened to end; the text there is simply more.
            if (!state_.error && state_.rootClosedOnLine)
                state_.error = "The XML is damaged: text follows the end of the document (line "
                    + std::to_string(*state_.rootClosedOnLine) + ")";
            else if (!state_.error)
                state_.error = std::string("The XML is damaged: ")
                    + Expat().errorString(Expat().errorCode(parser_)) + " (line "
                    + std::to_string(Expat().currentLine(parser_)) + ")";
        }
    }

    EcbResult Finish()
    {
        if (parser_ == nullptr)
            return EcbError {"No XML reader could be started"
                + (unavailable_.empty() ? std::string(".") : ": " + unavailable_)};
        if (state_.error)
            return EcbError {*state_.error};
        if (!state_.sawEnvelope)
            return EcbError {"This is not an ECB rates file."};
        if (state_.day)
            KeepNewest(state_.newest, std::move(*state_.day));
        return NewestOrError(state_.newest, "XML file");
    }

private:
    XML_Parser parser_ = nullptr;
    std::string unavailable_; // why expat could not be opened
    XmlState state_;
    bool stopped_ = false;
};

} // namespace

struct EcbStreamReader::Reader
{
    std::variant<std::monostate, EcbXmlReader, EcbCsvReader> reader;
};

EcbStreamReader::EcbStreamReader(bool xml)
    : reader_(std::make_unique<Reader>())
{
    // Only an XML file starts the XML parser (and opens expat).
    if (xml)
        reader_->reader.emplace<EcbXmlReader>();
    else
        reader_->reader.emplace<EcbCsvReader>();
}

EcbStreamReader::~EcbStreamReader() = default;

void EcbStreamReader::Feed(std::string_view piece)
{
    if (auto* xml = std::get_if<EcbXmlReader>(&reader_->reader))
        xml->Feed(piece, false);
    else
        std::get<EcbCsvReader>(reader_->reader).Feed(piece);
}

EcbResult EcbStreamReader::Finish()
{
    if (auto* xml = std::get_if<EcbXmlReader>(&reader_->reader)) {
        xml->Feed({}, true);
        return xml->Finish();
    }
    return std::get<EcbCsvReader>(reader_->reader).Finish();
}

EcbResult ParseEcbXml(std::string_view xml)
{
    if (xml.size() > kLargestEcbFile)
        return EcbError {"The file is too large for an ECB rates file."};
    EcbXmlReader reader;
    reader.Feed(xml, true);
    return reader.Finish();
}

EcbResult ParseEcbCsv(std::string_view csv)
{
    if (csv.size() > kLargestEcbFile)
        return EcbError {"The file is too large for an ECB rates file."};
    EcbCsvReader reader;
    reader.Feed(csv);
    return reader.Finish();
}

EcbResult ParseEcbData(std::string_view data)
{
    if (data.size() > kLargestEcbFile)
        return EcbError {"The file is too large for an ECB rates file ("
            + std::to_string(data.size() / (1024 * 1024)) + " MB)."};
    if (data.starts_with("PK"))
        return ParseEcbZip(data);
    if (data.starts_with("\xFF\xFE") || data.starts_with("\xFE\xFF"))
        return EcbError {"The file is UTF-16 text, which the ECB's files never are; save the "
                         "ECB's file again as it is published (UTF-8)."};
    if (data.starts_with("\x1F\x8B"))
        return EcbError {"The file is gzip-compressed (saved without unpacking?); save the ECB's "
                         "file again, or unpack it first."};
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
