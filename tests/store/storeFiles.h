#pragma once

#include <cstdlib>
#include <stdexcept>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

// A folder of its own for one test, removed with everything in it.
class tempFolder {
public:
    tempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvelStoreXXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
    }
    ~tempFolder() { std::filesystem::remove_all(dir_); }
    tempFolder(const tempFolder&) = delete;
    tempFolder& operator=(const tempFolder&) = delete;

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

inline std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void putFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

