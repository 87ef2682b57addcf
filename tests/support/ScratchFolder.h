// A fresh folder under the system's temporary folder, removed with everything in it
// when the test ends. When no folder can be made the path stays empty, so files
// written there fail and nothing outside the test is ever removed.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class ScratchFolder {
public:
    ScratchFolder() {
        auto pattern = (std::filesystem::temp_directory_path() / "varnel-test-XXXXXX").string();
        if (char *made = ::mkdtemp(pattern.data())) path_ = made;
    }
    ~ScratchFolder() {
        std::error_code error;
        if (!path_.empty()) std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes a file below the folder, making the folders on its way.
    std::filesystem::path write(const std::string &name, std::string_view bytes) const {
        const auto file = path_ / name;
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    static std::string read(const std::filesystem::path &file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};
