#include "polarization/curve_readers.h"

#include "base/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <vector>

namespace corrolab {

namespace {

// Lines of a text with their numbers (from 1), without the line break.
class Lines
{
public:
    explicit Lines(std::string_view text)
        : text_(text)
    { }

    // The next line, or false at the end of the text.
    bool Next(std::string_view& line)
    {
        if (position_ >= text_.size())
            return false;
        const std::size_t end = text_.find('\n', position_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        line = text_.substr(position_, stop - position_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        position_ = stop + 1;
        ++number_;
        return true;
    }
    std::size_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t number_ = 0;
};

std::string LineError(std::size_t number, const std::string& reason)
{
    return "line " + std::to_string(number) + ": " + reason;
}

// A field as the user sees it, short enough for a one-line message.
std::string Quoted(std::string_view field)
{
    constexpr std::size_t kShown = 24;
    std::string shown(field.substr(0, kShown));
    if (field.size() > kShown)
        shown += "...";
    return "'" + shown + "'";
}

enum class Separator { Tab, Semicolon, Comma, Blanks };

// Splits a line; false when it has more columns than kMaxCurveColumns.
bool SplitFields(std::string_view line, Separator separator, std::vector<std::string_view>& fields)
{
    fields.clear();
    if (separator == Separator::Blanks) {
        std::size_t k = 0;
        while (k < line.size()) {
            while (k < line.size() && IsBlank(line[k]))
                ++k;
            const std::size_t start = k;
            while (k < line.size() && !IsBlank(line[k]))
                ++k;
            if (k > start) {
                if (fields.size() == kMaxCurveColumns)
                    return false;
                fields.push_back(line.substr(start, k - start));
            }
        }
        return true;
    }
    const char mark = separator == Separator::Tab ? '\t'
        : separator == Separator::Semicolon       ? ';'
                                                  : ',';
    std::size_t start = 0;
    while (true) {
        if (fields.size() == kMaxCurveColumns)
            return false;
        const std::size_t end = line.find(mark, start);
        fields.push_back(
            Trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}

enum class NumberState { Number, NotNumber, NotFinite };

struct FieldValue
{
    NumberState state = NumberState::NotNumber;
    double value = 0;
};

// A number field, locale-free: a decimal point or a decimal comma, an optional
// sign and exponent, quotes around it allowed. The whole field must be the number.
FieldValue ReadField(std::string_view field)
{
    field = Trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = Trimmed(field.substr(1, field.size() - 2));
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    constexpr std::size_t kLongestNumber = 64;
    if (field.empty() || field.size() > kLongestNumber)
        return {};
    std::array<char, kLongestNumber> text {};
    const bool comma
        = field.find(',') != std::string_view::npos && field.find('.') == std::string_view::npos;
    for (std::size_t k = 0; k < field.size(); ++k)
        text[k] = comma && field[k] == ',' ? '.' : field[k];
    double value = 0;
    const char* end = text.data() + field.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (stop != end || (error != std::errc() && error != std::errc::result_out_of_range))
        return {};
    if (error == std::errc::result_out_of_range || !std::isfinite(value))
        return {NumberState::NotFinite, 0};
    return {NumberState::Number, value};
}

bool AllNumbers(const std::vector<std::string_view>& fields)
{
    return std::ranges::all_of(
        fields, [](std::string_view f) { return ReadField(f).state != NumberState::NotNumber; });
}

// The separator of a line: tab, semicolon, comma when every comma-separated
// field is a number (a decimal comma then belongs to blank-separated numbers).
Separator SeparatorOf(std::string_view line, std::vector<std::string_view>& scratch)
{
    if (line.find('\t') != std::string_view::npos)
        return Separator::Tab;
    if (line.find(';') != std::string_view::npos)
        return Separator::Semicolon;
    if (line.find(',') != std::string_view::npos) {
        if (!SplitFields(line, Separator::Comma, scratch) || scratch.size() < 2)
            return Separator::Comma;
        if (AllNumbers(scratch))
            return Separator::Comma;
        SplitFields(line, Separator::Blanks, scratch);
        if (scratch.size() >= 2 && AllNumbers(scratch))
            return Separator::Blanks;
        return Separator::Comma;
    }
    return Separator::Blanks;
}

// What a column holds, read from its header.
enum class Quantity { None, Potential, Current, Time };

struct ColumnMeaning
{
    Quantity quantity = Quantity::None;
    int rank = 0; // the better of two potential columns has the higher rank
    double scale = 1; // to V, A, A/cm^2 or s
    bool perArea = false;
};

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

bool Contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// The micro sign in UTF-8 (µ, μ) or Latin-1, as "u".
std::string Normalized(std::string_view text)
{
    std::string lower = AsciiLowerCase(Trimmed(text));
    std::string out;
    for (std::size_t k = 0; k < lower.size(); ++k) {
        const auto byte = static_cast<unsigned char>(lower[k]);
        if (byte == 0xc2 && k + 1 < lower.size()
            && static_cast<unsigned char>(lower[k + 1]) == 0xb5) {
            out += 'u';
            ++k;
        } else if (byte == 0xce && k + 1 < lower.size()
            && static_cast<unsigned char>(lower[k + 1]) == 0xbc) {
            out += 'u';
            ++k;
        } else if (byte == 0xb5) {
            out += 'u';
        } else if (byte == 0xc2 && k + 1 < lower.size()
            && static_cast<unsigned char>(lower[k + 1]) == 0xb2) {
            out += '2'; // the superscript two of cm²
            ++k;
        } else if (byte == 0xb2) {
            out += '2';
        } else if (lower[k] != '"') {
            out += lower[k];
        }
    }
    return out;
}

// A unit text: V, mV; A, mA, uA, nA, pA, optionally per cm^2 or m^2; s, ms.
// Sets the quantity when the unit decides it.
bool ReadUnit(std::string_view unit, ColumnMeaning& meaning)
{
    unit = Trimmed(unit);
    if (unit.empty())
        return false;
    static constexpr std::array<std::pair<std::string_view, double>, 5> kCurrent {
        {{"pa", 1e-12}, {"na", 1e-9}, {"ua", 1e-6}, {"ma", 1e-3}, {"a", 1}}};
    for (const auto& [prefix, scale] : kCurrent) {
        if (!StartsWith(unit, prefix))
            continue;
        std::string_view rest = Trimmed(unit.substr(prefix.size()));
        if (rest.empty()) {
            meaning = {Quantity::Current, meaning.rank, scale, false};
            return true;
        }
        if (rest.front() == '/' || rest.front() == '.' || rest.front() == '*')
            rest = Trimmed(rest.substr(1));
        if (StartsWith(rest, "cm")) {
            meaning = {Quantity::Current, meaning.rank, scale, true};
            return true;
        }
        if (StartsWith(rest, "m2") || StartsWith(rest, "m^2") || StartsWith(rest, "m-2")) {
            meaning = {Quantity::Current, meaning.rank, scale * 1e-4, true};
            return true;
        }
        return false;
    }
    if (unit == "mv" || StartsWith(unit, "mv ")) {
        meaning = {Quantity::Potential, meaning.rank, 1e-3, false};
        return true;
    }
    if (unit == "v" || StartsWith(unit, "v ")) {
        meaning = {Quantity::Potential, meaning.rank, 1, false};
        return true;
    }
    if (unit == "s") {
        meaning = {Quantity::Time, meaning.rank, 1, false};
        return true;
    }
    if (unit == "ms") {
        meaning = {Quantity::Time, meaning.rank, 1e-3, false};
        return true;
    }
    if (unit == "min") {
        meaning = {Quantity::Time, meaning.rank, 60, false};
        return true;
    }
    return false;
}

// A header cell: a name and its unit in parentheses, brackets or after a slash
// ("Potential (V)", "E [mV]", "Ewe/V", "<I>/mA", "I (mA/cm2)"), or a bare unit.
ColumnMeaning ReadHeaderCell(std::string_view cell)
{
    const std::string text = Normalized(cell);
    std::string name = text;
    std::string unit;
    if (const std::size_t open = text.find_last_of("(["); open != std::string::npos) {
        const std::size_t close = text.find_first_of(")]", open);
        unit = text.substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        name = std::string(Trimmed(text.substr(0, open)));
    } else if (const std::size_t slash = text.find('/'); slash != std::string::npos) {
        unit = text.substr(slash + 1);
        name = std::string(Trimmed(text.substr(0, slash)));
    }
    ColumnMeaning meaning;
    if (Contains(name, "log") || Contains(name, "|") || Contains(name, "abs"))
        return meaning; // log|I| and |I| columns are not the signed current
    if (name.empty() || (unit.empty() && ReadUnit(name, meaning))) {
        if (meaning.quantity != Quantity::None)
            meaning.rank = 1;
        if (!unit.empty())
            ReadUnit(unit, meaning);
        return meaning;
    }
    ColumnMeaning units;
    const bool hasUnit = ReadUnit(unit, units);
    const auto is = [&](std::string_view word) { return name == word; };
    if (Contains(name, "potential") || is("e") || is("ewe") || is("<ewe>") || is("vf")
        || Contains(name, "voltage") || is("ecell") || is("e_we") || is("e we") || is("control")) {
        meaning.quantity = Quantity::Potential;
        meaning.rank = Contains(name, "applied") || is("control")           ? 1
            : Contains(name, "we(") || is("ewe") || is("<ewe>") || is("vf") ? 3
                                                                            : 2;
    } else if (Contains(name, "current") || is("i") || is("<i>") || is("im") || is("j")
        || is("i_we")) {
        meaning.quantity = Quantity::Current;
        meaning.rank = 2;
        meaning.perArea = Contains(name, "density") || is("j");
    } else if (Contains(name, "time") || is("t")) {
        meaning.quantity = Quantity::Time;
        meaning.rank = 2;
    } else {
        return meaning;
    }
    if (hasUnit) {
        if (units.quantity != meaning.quantity)
            return {}; // a name and a unit that disagree: not a column to trust
        meaning.scale = units.scale;
        meaning.perArea = meaning.perArea || units.perArea;
    } else if (meaning.perArea) {
        meaning.scale = 1; // a current density without a unit: A/cm^2
    }
    return meaning;
}

struct Columns
{
    int potential = -1;
    int current = -1;
    int time = -1;
    double potentialScale = 1;
    double currentScale = 1;
    double timeScale = 1;
    bool perArea = false;
};

// The columns a header names; the first two (V, A) when it names no potential and
// no current.
Columns PickColumns(const std::vector<std::string_view>& header)
{
    Columns columns;
    int potentialRank = 0;
    int currentRank = 0;
    int timeRank = 0;
    for (std::size_t k = 0; k < header.size(); ++k) {
        const ColumnMeaning meaning = ReadHeaderCell(header[k]);
        const int index = static_cast<int>(k);
        if (meaning.quantity == Quantity::Potential && meaning.rank > potentialRank) {
            potentialRank = meaning.rank;
            columns.potential = index;
            columns.potentialScale = meaning.scale;
        } else if (meaning.quantity == Quantity::Current && meaning.rank > currentRank) {
            currentRank = meaning.rank;
            columns.current = index;
            columns.currentScale = meaning.scale;
            columns.perArea = meaning.perArea;
        } else if (meaning.quantity == Quantity::Time && meaning.rank > timeRank) {
            timeRank = meaning.rank;
            columns.time = index;
            columns.timeScale = meaning.scale;
        }
    }
    if (columns.potential < 0 && columns.current < 0) {
        columns = Columns {};
        columns.potential = 0;
        columns.current = 1;
    }
    return columns;
}

std::string ColumnName(Quantity quantity)
{
    return quantity == Quantity::Potential ? "potential"
        : quantity == Quantity::Current    ? "current"
                                           : "time";
}

// The rows of a table from the line after `lines`' current one, every row read
// with the same separator and columns. `stopAtNonTab`: a Gamry table ends at the
// first line that does not start with a tab.
class TableRows
{
public:
    TableRows(std::string_view bytes, PolarizationCurve& curve, const Columns& columns)
        : curve_(curve)
        , columns_(columns)
    {
        // A data row takes at least four bytes ("1,2\n"): reserving no more than
        // that keeps the curve within a small multiple of the file's size.
        const std::size_t breaks = static_cast<std::size_t>(std::ranges::count(bytes, '\n')) + 1;
        const std::size_t rows = std::min(breaks, bytes.size() / 4 + 1);
        curve_.potential.reserve(rows);
        curve_.current.reserve(rows);
        if (columns_.time >= 0)
            curve_.time.reserve(rows);
        curve_.currentIsDensity = columns_.perArea;
    }

    // Reads one row; an error names the line.
    std::optional<std::string> Add(const std::vector<std::string_view>& fields, std::size_t line)
    {
        const int needed = std::max({columns_.potential, columns_.current, columns_.time});
        if (static_cast<int>(fields.size()) <= needed)
            return LineError(line,
                std::to_string(fields.size()) + " column" + (fields.size() == 1 ? "" : "s")
                    + " where the curve needs " + std::to_string(needed + 1));
        double values[3] = {0, 0, 0};
        const std::array<std::pair<int, Quantity>, 3> wanted {
            {{columns_.potential, Quantity::Potential}, {columns_.current, Quantity::Current},
                {columns_.time, Quantity::Time}}};
        for (std::size_t k = 0; k < wanted.size(); ++k) {
            const auto [index, quantity] = wanted[k];
            if (index < 0)
                continue;
            const std::string_view field = fields[static_cast<std::size_t>(index)];
            const FieldValue value = ReadField(field);
            if (value.state == NumberState::NotNumber)
                return LineError(
                    line, "the " + ColumnName(quantity) + " " + Quoted(field) + " is not a number");
            if (value.state == NumberState::NotFinite)
                return LineError(line,
                    "the " + ColumnName(quantity) + " " + Quoted(field)
                        + " is not a finite number");
            values[k] = value.value;
        }
        const double potential = values[0] * columns_.potentialScale;
        const double current = values[1] * columns_.currentScale;
        if (!std::isfinite(potential) || !std::isfinite(current))
            return LineError(line, "a value is too large");
        curve_.potential.push_back(potential);
        curve_.current.push_back(current);
        if (columns_.time >= 0)
            curve_.time.push_back(values[2] * columns_.timeScale);
        return std::nullopt;
    }

private:
    PolarizationCurve& curve_;
    Columns columns_;
};

CurveRead Refused(std::string reason)
{
    return {std::nullopt, std::move(reason)};
}

// The curve if it has enough points, else why not.
CurveRead Finished(PolarizationCurve curve)
{
    if (curve.potential.empty())
        return Refused("the file holds no curve: no rows of numbers");
    if (curve.potential.size() < 3)
        return Refused("the file holds no curve: only " + std::to_string(curve.potential.size())
            + " point" + (curve.potential.size() == 1 ? "" : "s"));
    return {std::move(curve), {}};
}

std::optional<std::string> TooLong(std::string_view line, std::size_t number)
{
    if (line.size() > kMaxCurveLineLength)
        return LineError(
            number, "longer than " + std::to_string(kMaxCurveLineLength) + " characters");
    return std::nullopt;
}

std::string TooManyColumns(std::size_t number)
{
    return LineError(number, "more than " + std::to_string(kMaxCurveColumns) + " columns");
}

// A table whose header (if any) is the last text line before the first row of
// numbers, at most `preamble` lines in. `headerLine` fixes the header's line
// number instead (EC-Lab), 0 for none.
CurveRead ReadTableFrom(std::string_view bytes, std::string format, std::size_t headerLine,
    bool needHeader, std::size_t preamble)
{
    Lines lines(bytes);
    std::string_view line;
    std::vector<std::string_view> fields;
    std::vector<std::string_view> header;
    std::string_view headerText;
    std::size_t headerNumber = 0;
    Separator separator = Separator::Blanks;
    bool found = false;
    while (lines.Next(line)) {
        if (auto error = TooLong(line, lines.number()))
            return Refused(*error);
        if (Trimmed(line).empty())
            continue;
        if (headerLine > 0 && lines.number() < headerLine)
            continue;
        if (headerLine > 0 && lines.number() == headerLine) {
            headerText = line;
            headerNumber = lines.number();
            continue;
        }
        separator = SeparatorOf(line, fields);
        if (!SplitFields(line, separator, fields))
            return Refused(TooManyColumns(lines.number()));
        if (fields.size() >= 2 && AllNumbers(fields)) {
            found = true;
            break;
        }
        if (headerLine > 0)
            break; // the first line after the header must be a row
        if (fields.size() == 1 && ReadField(fields[0]).state != NumberState::NotNumber)
            return Refused(LineError(
                lines.number(), "only one column: a curve needs a potential and a current"));
        if (lines.number() > preamble)
            break;
        headerText = line;
        headerNumber = lines.number();
    }
    if (!found) {
        if (headerLine > 0 && lines.number() >= headerLine && !Trimmed(line).empty()
            && headerNumber != lines.number())
            return Refused(LineError(
                lines.number(), "the first row after the header is not a row of numbers"));
        return Refused("the file holds no curve: no rows of numbers");
    }
    PolarizationCurve curve;
    curve.format = std::move(format);
    Columns columns;
    columns.potential = 0;
    columns.current = 1;
    if (!headerText.empty()) {
        if (!SplitFields(headerText, separator, header))
            return Refused(TooManyColumns(headerNumber));
        columns = PickColumns(header);
        if (columns.potential < 0)
            return Refused(LineError(headerNumber, "no potential column in the header"));
        if (columns.current < 0)
            return Refused(LineError(headerNumber, "no current column in the header"));
    } else if (needHeader) {
        return Refused("no header line before the first row");
    }
    TableRows rows(bytes, curve, columns);
    do {
        if (auto error = TooLong(line, lines.number()))
            return Refused(*error);
        if (Trimmed(line).empty())
            continue;
        if (!SplitFields(line, separator, fields))
            return Refused(TooManyColumns(lines.number()));
        if (auto error = rows.Add(fields, lines.number()))
            return Refused(*error);
    } while (lines.Next(line));
    return Finished(std::move(curve));
}

// A header figure of a .DTA: "AREA\tQUANT\t1.00000E+000\tSample &Area (cm^2)".
std::optional<double> QuantValue(const std::vector<std::string_view>& fields)
{
    if (fields.size() < 3 || fields[1] != "QUANT")
        return std::nullopt;
    const FieldValue value = ReadField(fields[2]);
    if (value.state != NumberState::Number || !(value.value > 0))
        return std::nullopt;
    return value.value;
}

bool IsCurveTableKey(const std::vector<std::string_view>& fields)
{
    if (fields.size() < 2 || fields[1] != "TABLE" || !StartsWith(fields[0], "CURVE"))
        return false;
    return std::ranges::all_of(fields[0].substr(5), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

CurveRead ReadGamryDta(std::string_view bytes)
{
    Lines lines(bytes);
    std::string_view line;
    std::vector<std::string_view> fields;
    PolarizationCurve curve;
    curve.format = "Gamry DTA";
    bool table = false;
    while (lines.Next(line)) {
        if (auto error = TooLong(line, lines.number()))
            return Refused(*error);
        if (!SplitFields(line, Separator::Tab, fields))
            return Refused(TooManyColumns(lines.number()));
        if (fields[0] == "AREA")
            curve.area = QuantValue(fields);
        else if (fields[0] == "DENSITY")
            curve.density = QuantValue(fields);
        else if (fields[0] == "EQUIV")
            curve.equivalentWeight = QuantValue(fields);
        else if (IsCurveTableKey(fields)) {
            table = true;
            break;
        }
    }
    if (!table)
        return Refused("the file holds no curve: no CURVE TABLE");
    if (!lines.Next(line))
        return Refused(LineError(lines.number(), "the CURVE TABLE has no column names"));
    if (auto error = TooLong(line, lines.number()))
        return Refused(*error);
    std::vector<std::string_view> names;
    if (!SplitFields(line, Separator::Tab, names))
        return Refused(TooManyColumns(lines.number()));
    const std::size_t namesLine = lines.number();
    Columns columns;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const int index = static_cast<int>(k);
        if (names[k] == "Vf")
            columns.potential = index;
        else if (names[k] == "Im")
            columns.current = index;
        else if (names[k] == "T")
            columns.time = index;
    }
    if (columns.potential < 0 || columns.current < 0)
        return Refused(LineError(namesLine, "the CURVE TABLE has no Vf or no Im column"));
    if (!lines.Next(line))
        return Refused(LineError(lines.number(), "the CURVE TABLE has no unit row"));
    std::vector<std::string_view> units;
    if (auto error = TooLong(line, lines.number()))
        return Refused(*error);
    if (!SplitFields(line, Separator::Tab, units))
        return Refused(TooManyColumns(lines.number()));
    const auto unitOf = [&](int index, Quantity quantity, double& scale, bool* perArea) {
        if (index < 0 || index >= static_cast<int>(units.size()))
            return true;
        ColumnMeaning meaning;
        const std::string unit = Normalized(units[static_cast<std::size_t>(index)]);
        if (unit.empty() || unit == "#")
            return true;
        if (!ReadUnit(unit, meaning) || meaning.quantity != quantity)
            return false;
        scale = meaning.scale;
        if (perArea)
            *perArea = meaning.perArea;
        return true;
    };
    if (!unitOf(columns.potential, Quantity::Potential, columns.potentialScale, nullptr)
        || !unitOf(columns.current, Quantity::Current, columns.currentScale, &columns.perArea)
        || !unitOf(columns.time, Quantity::Time, columns.timeScale, nullptr))
        return Refused(LineError(
            lines.number(), "a unit of the CURVE TABLE is not one of V, mV, A, mA, uA, nA, s"));
    TableRows rows(bytes, curve, columns);
    while (lines.Next(line)) {
        if (line.empty() || line.front() != '\t')
            break; // the next block of the file
        if (auto error = TooLong(line, lines.number()))
            return Refused(*error);
        if (!SplitFields(line, Separator::Tab, fields))
            return Refused(TooManyColumns(lines.number()));
        if (auto error = rows.Add(fields, lines.number()))
            return Refused(*error);
    }
    return Finished(std::move(curve));
}

CurveRead ReadEcLabText(std::string_view bytes)
{
    Lines lines(bytes);
    std::string_view line;
    constexpr std::size_t kSearched = 10;
    while (lines.Next(line) && lines.number() <= kSearched) {
        const std::string text = AsciiLowerCase(line);
        const std::size_t key = text.find("nb header lines");
        if (key == std::string::npos)
            continue;
        const std::size_t colon = text.find(':', key);
        const FieldValue count
            = colon == std::string::npos ? FieldValue {} : ReadField(text.substr(colon + 1));
        if (count.state != NumberState::Number || count.value < 1
            || count.value != std::floor(count.value) || count.value > 1e6)
            return Refused(LineError(lines.number(), "'Nb header lines' is not a line count"));
        const auto headerLine = static_cast<std::size_t>(count.value);
        if (headerLine <= lines.number())
            return Refused(
                LineError(lines.number(), "'Nb header lines' ends the header before this line"));
        return ReadTableFrom(bytes, "EC-Lab text", headerLine, true, 0);
    }
    return Refused("no 'Nb header lines' in the first lines of an EC-Lab file");
}

CurveRead ReadNovaExport(std::string_view bytes)
{
    return ReadTableFrom(bytes, "NOVA", 0, true, 1);
}

CurveRead ReadCurveTable(std::string_view bytes)
{
    constexpr std::size_t kPreamble = 200;
    return ReadTableFrom(bytes, "text table", 0, false, kPreamble);
}

CurveRead ReadCurveBytes(std::string_view bytes)
{
    if (Trimmed(TrimmedWhiteSpace(bytes)).empty())
        return Refused("the file is empty");
    const std::string_view start = bytes.substr(0, 4096);
    if (StartsWith(start, "EXPLAIN") || Contains(start, "\nTAG\t")
        || Contains(bytes.substr(0, 1 << 16), "CURVE\tTABLE"))
        return ReadGamryDta(bytes);
    const std::string lower = AsciiLowerCase(start.substr(0, 512));
    if (Contains(lower, "nb header lines") || Contains(lower, "ec-lab"))
        return ReadEcLabText(bytes);
    const std::string_view first = start.substr(0, start.find('\n'));
    if (Contains(first, "WE(1)"))
        return ReadNovaExport(bytes);
    return ReadCurveTable(bytes);
}

CurveRead ReadCurveFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return Refused("not a file");
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return Refused("cannot be read");
    if (size > kMaxCurveFileBytes)
        return Refused("larger than " + std::to_string(kMaxCurveFileBytes >> 20) + " MB");
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return Refused("cannot be read");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    return ReadCurveBytes(bytes);
}

} // namespace corrolab
