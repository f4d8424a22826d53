#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corrolab {

struct HttpFailure
{
    std::string message;
};

struct HttpLimits
{
    long timeoutMs = 15000; // the whole transfer
    std::size_t largestBody = 32 * 1024 * 1024;
    long redirects = 5; // more is taken for a loop
};

// The small program that downloads with libcurl, so that only `rates update`
// loads the network and TLS libraries; the command line runs it.
inline constexpr std::string_view kFetchProgramName = "corrolab-fetch";

// One download as the fetch program takes it: its arguments are
// `--timeout-ms N --largest-body N --redirects N URL`.
struct FetchRequest
{
    std::string url;
    HttpLimits limits;
};
std::vector<std::string> FetchArguments(const FetchRequest& request);
// The request the arguments ask for; std::nullopt when they are not such arguments.
std::optional<FetchRequest> ParseFetchArguments(const std::vector<std::string>& args);

// "15 s", "300 ms".
std::string DurationText(long milliseconds);

// Fetches a URL (HTTPS, or HTTP for a local test server) by running the fetch
// program `fetchProgram`: the body of a 200 answer, or why there is none (no
// connection, timeout, another status, too many redirects, a body over the
// limit, a fetch program that cannot be started).
std::variant<std::string, HttpFailure> HttpGet(
    const std::filesystem::path& fetchProgram, const std::string& url, const HttpLimits& limits);

} // namespace corrolab
