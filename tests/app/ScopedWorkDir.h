#pragma once
// Runs a test in a fresh empty directory, the process's current directory
// while it lives, so the program's "res.txt" lands there. Removed afterwards.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class ScopedWorkDir {
 public:
  ScopedWorkDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "trainer-app-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
    std::filesystem::current_path(path_);
  }
  ~ScopedWorkDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The bytes of a file in this directory; empty when it cannot be read.
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
