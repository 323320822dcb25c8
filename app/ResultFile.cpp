#include "app/ResultFile.h"

#include <cerrno>

#include "app/ResultFileSystem.h"
#include "app/Windows1251Encoder.h"

ResultFile::ResultFile(std::string path) : ResultFile(std::move(path), ResultFileSystem::Real()) {}

ResultFile::ResultFile(std::string path, ResultFileSystem& files) : path_(std::move(path)), files_(&files) {}

std::string ResultFile::Line(std::string_view name) {
  std::string text(name);
  text += kSuffix;
  Windows1251Encoder encoder;
  return encoder.Encode(text) + "\r\n";
}

void ResultFile::Fail(ResultFileStep step, int error, bool undone) const {
  throw ResultFileError(ResultFileErrorText::Describe(step, path_, Folder(), error, undone), step, error);
}

std::string ResultFile::Folder() const {
  const std::size_t slash = path_.rfind('/');
  if (slash == 0) return "/";
  if (slash != std::string::npos && path_.front() == '/') return path_.substr(0, slash);
  const std::string current = files_->CurrentFolder();
  if (current.empty() || slash == std::string::npos) return current;
  return current + "/" + path_.substr(0, slash);
}

int ResultFile::Open(bool& created) const {
  // Only a missing file is created. Any other reason for failing to open an
  // existing file (no permission, a directory of that name ...) must not end
  // in creating it anew, which would wipe the lines of earlier runs.
  created = false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    int fd = files_->OpenExisting(path_);
    if (fd >= 0) return fd;
    if (errno != ENOENT) Fail(ResultFileStep::Open, errno);
    fd = files_->CreateNew(path_);
    if (fd >= 0) {
      created = true;
      return fd;
    }
    // Someone else created it in between: append to theirs.
    if (errno != EEXIST) Fail(ResultFileStep::Create, errno);
  }
  Fail(ResultFileStep::Open, EEXIST);
}

bool ResultFile::WriteAll(int fd, const std::string& bytes, ResultFileStep& failed) const {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = files_->Write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // A write that takes nothing without saying why would loop forever.
      if (n == 0) errno = EIO;
      failed = ResultFileStep::Write;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  // Files that cannot be synced (a device) have taken the bytes already.
  if (files_->Flush(fd) != 0 && errno != EINVAL) {
    failed = ResultFileStep::Flush;
    return false;
  }
  return true;
}

bool ResultFile::UndoOpen(int fd, off_t length, bool created) const {
  // A created file is removed once closed; cutting it first keeps no
  // broken line visible in between.
  return files_->Truncate(fd, length) == 0 || created;
}

bool ResultFile::UndoClosed(off_t length, bool created) const {
  if (created) return files_->Remove(path_) == 0;
  return files_->TruncatePath(path_, length) == 0;
}

void ResultFile::Append(std::string_view name) const {
  const std::string bytes = Line(name);
  bool created = false;
  const int fd = Open(created);

  const off_t before = files_->Size(fd);
  if (before < 0) {
    // Without the old length a failed write could not be undone: write nothing.
    const int error = errno;
    files_->Close(fd);
    if (created) files_->Remove(path_);
    Fail(ResultFileStep::Open, error);
  }

  ResultFileStep failed = ResultFileStep::Write;
  if (!WriteAll(fd, bytes, failed)) {
    const int error = errno;
    bool undone = UndoOpen(fd, before, created);
    files_->Close(fd);
    if (created) undone = files_->Remove(path_) == 0;
    Fail(failed, error, undone);
  }

  if (files_->Close(fd) != 0) {
    // The bytes may or may not have reached the file: put it back by name.
    const int error = errno;
    Fail(ResultFileStep::Close, error, UndoClosed(before, created));
  }
}
