#include "app/ResultFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/Windows1251Encoder.h"

std::string ResultFile::Line(std::string_view name) {
  std::string text(name);
  text += kSuffix;
  Windows1251Encoder encoder;
  return encoder.Encode(text) + "\r\n";
}

void ResultFile::Fail(const char* what, int error) const {
  throw ResultFileError(std::string(what) + " \"" + path_ + "\": " + std::strerror(error));
}

int ResultFile::OpenForAppending() const {
  // Only a missing file is created. Any other reason for failing to open an
  // existing file (no permission, a directory of that name ...) must not end
  // in creating it anew, which would wipe the lines of earlier runs.
  for (int attempt = 0; attempt < 2; ++attempt) {
    int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd >= 0) return fd;
    if (errno != ENOENT) Fail("Не удалось открыть файл результатов", errno);
    fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    // Someone else created it in between: append to theirs.
    if (errno != EEXIST) Fail("Не удалось создать файл результатов", errno);
  }
  Fail("Не удалось открыть файл результатов", EEXIST);
}

void ResultFile::Append(std::string_view name) const {
  const std::string bytes = Line(name);
  const int fd = OpenForAppending();
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      Fail("Не удалось записать в файл результатов", error);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) Fail("Не удалось закрыть файл результатов", errno);
}
