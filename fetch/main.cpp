// corrolab-fetch: downloads one web resource for `corrolab rates update`, which
// runs it, so that the command line itself loads no network or TLS library.
// The body goes to standard output; a failure prints one line on standard error
// and exits with 1.
#include "base/text.h"
#include "currency/http_get.h"
#include "fetch/curl_get.h"

#include <iostream>
#include <string>
#include <variant>
#include <vector>

int main(int argc, char* argv[])
{
    using namespace corrolab;
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    const std::optional<FetchRequest> request = ParseFetchArguments(args);
    if (!request) {
        std::cerr << "Usage: " << kFetchProgramName
                  << " [--timeout-ms N] [--largest-body N] [--redirects N] URL\n";
        return 2;
    }
    const std::variant<std::string, HttpFailure> answer = CurlGet(request->url, request->limits);
    if (const auto* failure = std::get_if<HttpFailure>(&answer)) {
        std::cerr << OneLine(failure->message) << '\n';
        return 1;
    }
    const std::string& body = std::get<std::string>(answer);
    std::cout.write(body.data(), static_cast<std::streamsize>(body.size()));
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "the answer cannot be handed on\n";
        return 1;
    }
    return 0;
}
