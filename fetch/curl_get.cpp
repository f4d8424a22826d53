#include "fetch/curl_get.h"

#include <curl/curl.h>
#include <memory>

namespace corrolab {

namespace {

struct Body
{
    std::string text;
    std::size_t limit = 0;
    bool tooLarge = false;
};

size_t Append(char* data, size_t size, size_t count, void* user)
{
    auto& body = *static_cast<Body*>(user);
    const size_t bytes = size * count;
    if (body.text.size() + bytes > body.limit) {
        body.tooLarge = true;
        return 0; // stops the transfer
    }
    body.text.append(data, bytes);
    return bytes;
}

struct CurlCloser
{
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

} // namespace

std::variant<std::string, HttpFailure> CurlGet(const std::string& url, const HttpLimits& limits)
{
    static const bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!started)
        return HttpFailure {"the network library could not be started"};
    std::unique_ptr<CURL, CurlCloser> curl(curl_easy_init());
    if (!curl)
        return HttpFailure {"the network library could not be started"};
    Body body;
    body.limit = limits.largestBody;
    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    // Never from HTTPS down to plain HTTP.
    const bool secure = url.starts_with("https:");
    curl_easy_setopt(curl.get(), CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_MAXREDIRS, limits.redirects);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, limits.timeoutMs);
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    // A mirror on this machine is reached directly, whatever proxy is set.
    curl_easy_setopt(curl.get(), CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Append);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(curl.get(), CURLOPT_USERAGENT, "corrolab/1.0");
    const CURLcode result = curl_easy_perform(curl.get());
    if (body.tooLarge)
        return HttpFailure {"the answer is larger than a rates file can be"};
    if (result == CURLE_TOO_MANY_REDIRECTS)
        return HttpFailure {"the server redirects in a loop"};
    if (result == CURLE_OPERATION_TIMEDOUT)
        return HttpFailure {"no complete answer within " + DurationText(limits.timeoutMs)};
    if (result != CURLE_OK)
        return HttpFailure {
            *errorText != '\0' ? std::string(errorText) : std::string(curl_easy_strerror(result))};
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    if (status != 200)
        return HttpFailure {"the server answered with status " + std::to_string(status)};
    return std::move(body.text);
}

} // namespace corrolab
