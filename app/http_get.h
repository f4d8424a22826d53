#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

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

// Whether a URL is HTTPS, whatever the letter case of its scheme ("HTTPS://").
bool IsHttpsUrl(std::string_view url);

// Whether a download that began at `from` may follow a redirect to `to`: to
// HTTP or HTTPS only, and never from HTTPS down to plain HTTP. The windows'
// download and the command line's follow this one rule.
bool RedirectAllowed(std::string_view from, std::string_view to);

// Fetches a URL (HTTPS, or HTTP for a local test server) with libcurl: the body
// of a 200 answer, or why there is none (no connection, timeout, another status,
// too many redirects, a body over the limit).
std::variant<std::string, HttpFailure> HttpGet(const std::string& url, const HttpLimits& limits);

} // namespace corrolab
