#include "app/ResultFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PosixResultFileSystem final : public ResultFileSystem {
 public:
  int OpenExisting(const std::string& path) override { return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC); }
  int CreateNew(const std::string& path) override {
    return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
};

}  // namespace

ResultFileSystem& ResultFileSystem::Real() {
  static PosixResultFileSystem real;
  return real;
}
