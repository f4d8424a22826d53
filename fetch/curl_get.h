#pragma once

#include "currency/http_get.h"

#include <string>
#include <variant>

namespace corrolab {

// Fetches a URL (HTTPS, or HTTP for a local test server) with libcurl: the body
// of a 200 answer, or why there is none (no connection, timeout, another status,
// too many redirects, a body over the limit).
std::variant<std::string, HttpFailure> CurlGet(const std::string& url, const HttpLimits& limits);

} // namespace corrolab
