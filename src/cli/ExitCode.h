// How varnelctl ends: its exit codes, and the failure a command raises when it
// cannot go on (the message goes to stderr, the code becomes the exit code).
#pragma once

#include <stdexcept>
#include <string>

namespace cli {

enum class ExitCode : int {
    Ok = 0,
    Usage = 2,
    NoKeyboard = 3,
    Permission = 4,
    KeyboardError = 5,
    FileError = 6,
};

class Failure : public std::runtime_error {
public:
    Failure(ExitCode code, const std::string &message) : std::runtime_error(message), code_(code) {}
    ExitCode code() const { return code_; }

private:
    ExitCode code_;
};

[[noreturn]] inline void fail(ExitCode code, const std::string &message) {
    throw Failure(code, message);
}

}  // namespace cli
