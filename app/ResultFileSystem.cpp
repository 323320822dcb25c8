#include "app/ResultFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace {

class PosixResultFileSystem final : public ResultFileSystem {
 public:
  int OpenExisting(const std::string& path) override { return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC); }
  int CreateNew(const std::string& path) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return fd;
    // Widening the permissions is a courtesy to the next pupil: when it
    // fails, this pupil's line is still written.
    struct stat file {}, folder {};
    const std::size_t slash = path.rfind('/');
    const std::string folderPath = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
    if (::fstat(fd, &file) == 0 && ::stat(folderPath.c_str(), &folder) == 0) {
      const mode_t wanted = ModeForNewFile(file.st_mode & 07777, folder.st_mode & 07777);
      if (wanted != (file.st_mode & 07777)) ::fchmod(fd, wanted);
    }
    return fd;
  }
  off_t Size(int fd) override {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? info.st_size : -1;
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override { return ::write(fd, data, size); }
  int Flush(int fd) override { return ::fsync(fd); }
  int Close(int fd) override { return ::close(fd); }
  int Truncate(int fd, off_t length) override { return ::ftruncate(fd, length); }
  int TruncatePath(const std::string& path, off_t length) override { return ::truncate(path.c_str(), length); }
  int Remove(const std::string& path) override { return ::unlink(path.c_str()); }
  std::string CurrentFolder() override {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : current.string();
  }
};

}  // namespace

mode_t ResultFileSystem::ModeForNewFile(mode_t created, mode_t folder) {
  const bool sharedFolder = (folder & S_IWGRP) != 0;
  const bool groupMayRead = (created & S_IRGRP) != 0;
  return sharedFolder && groupMayRead ? created | S_IWGRP : created;
}

ResultFileSystem& ResultFileSystem::Real() {
  static PosixResultFileSystem real;
  return real;
}
