// The simulator's control channel: a Unix stream socket that takes one text
// command per line and answers each with lines ending in "OK" or "ERR <reason>".
#pragma once

#include <functional>
#include <string>
#include <thread>

namespace usbgate::sim {

class ControlServer {
public:
    // Turns one command line into its reply (without the final newline).
    using Handler = std::function<std::string(const std::string &line)>;

    explicit ControlServer(Handler handler) : handler_(std::move(handler)) {}
    ~ControlServer();
    ControlServer(const ControlServer &) = delete;
    ControlServer &operator=(const ControlServer &) = delete;

    // Listens at `path`; false (with a message) when the path is taken by a
    // live simulator or cannot be bound.
    bool start(const std::string &path);
    void stop();

private:
    struct Client {
        int fd;
        std::string input;   // bytes after the last line answered
        std::string output;  // the reply the client has not taken yet
    };

    void run();
    // Takes what the client sent and answers its complete lines; false when the
    // connection is finished.
    bool serve(Client &client);
    // Answers complete lines one at a time, each once the reply before it has
    // gone out whole; false when the connection is finished.
    bool answer(Client &client);
    static bool receive(Client &client);
    // Sends as much of the reply as the client takes now; false when the
    // connection broke.
    static bool flush(Client &client);

    Handler handler_;
    std::string path_;
    int listenFd_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::thread thread_;
};

}  // namespace usbgate::sim
