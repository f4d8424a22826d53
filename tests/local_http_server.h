#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace corrolab {

// A small HTTP server on 127.0.0.1 for the download tests, answering from a
// table of paths on its own thread. A "slow" answer sends its headers and then
// waits, without its body, until the server is stopped. Everything it does is
// bounded: it stops when the test's object goes away.
class LocalHttpServer
{
public:
    struct Answer
    {
        Answer(int status, std::string body, std::string location = {}, bool slow = false)
            : status(status)
            , body(std::move(body))
            , location(std::move(location))
            , slow(slow)
        { }
        int status;
        std::string body;
        std::string location; // for a redirect
        bool slow;
    };

    explicit LocalHttpServer(std::map<std::string, Answer> answers)
        : answers_(std::move(answers))
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 8);
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LocalHttpServer()
    {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }

    std::string Url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    int requests() const { return requests_; }

private:
    bool Wait(int descriptor) const
    {
        pollfd entry {descriptor, POLLIN, 0};
        return ::poll(&entry, 1, 20) > 0;
    }

    void Serve()
    {
        while (!stop_) {
            if (!Wait(listener_))
                continue;
            const int client = ::accept(listener_, nullptr, nullptr);
            if (client < 0)
                continue;
            Handle(client);
            ::close(client);
        }
    }

    void Handle(int client)
    {
        std::string request;
        char buffer[4096];
        for (int tries = 0; tries < 250 && !stop_ && request.find("\r\n\r\n") == std::string::npos;
             ++tries) {
            if (!Wait(client))
                continue;
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                return;
            request.append(buffer, static_cast<size_t>(n));
        }
        ++requests_;
        const size_t start = request.find(' ') + 1;
        const std::string path = request.substr(start, request.find(' ', start) - start);
        const auto found = answers_.find(path);
        const Answer answer = found != answers_.end() ? found->second : Answer {404, "not here"};
        std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " X\r\n"
            + "Content-Length: " + std::to_string(answer.body.size() + (answer.slow ? 1 : 0))
            + "\r\nConnection: close\r\n";
        if (!answer.location.empty())
            head += "Location: " + answer.location + "\r\n";
        head += "\r\n";
        Send(client, head);
        if (answer.slow) {
            Send(client, answer.body.substr(0, answer.body.size() / 2));
            while (!stop_)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return;
        }
        Send(client, answer.body);
    }

    static void Send(int client, const std::string& text)
    {
        size_t sent = 0;
        while (sent < text.size()) {
            const ssize_t n = ::send(client, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            sent += static_cast<size_t>(n);
        }
    }

    std::map<std::string, Answer> answers_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_ {false};
    std::atomic<int> requests_ {0};
    std::thread thread_;
};

} // namespace corrolab
