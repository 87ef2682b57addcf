#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace lighting::test {

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string templ = (std::filesystem::temp_directory_path() / "lighting-XXXXXX").string();
        const char *made = mkdtemp(templ.data());
        path_ = made ? std::filesystem::path(made) : std::filesystem::temp_directory_path();
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void writeText(const std::filesystem::path &file, const std::string &text) {
    std::ofstream(file, std::ios::binary) << text;
}

}  // namespace lighting::test
