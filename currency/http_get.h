#pragma once

#include <cstddef>
#include <string>
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

// Fetches a URL (HTTPS, or HTTP for a local test server) with libcurl: the body
// of a 200 answer, or why there is none (no connection, timeout, another status,
// too many redirects, a body over the limit).
std::variant<std::string, HttpFailure> HttpGet(const std::string& url, const HttpLimits& limits);

} // namespace corrolab
