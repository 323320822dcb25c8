#pragma once
// The real file system with one chosen operation made to fail with a chosen
// error, the way a read-only folder, a full disk or a failing share makes it
// fail, whichever user runs the test. A write can first take part of the
// bytes, as a disk does that fills up in the middle of a line.
#include <cerrno>
#include <cstddef>
#include <string>

#include "app/ResultFileSystem.h"

class FaultyResultFileSystem : public ResultFileSystem {
 public:
  enum class Operation { None, OpenExisting, CreateNew, Size, Write, Flush, Close, Truncate, TruncatePath, Remove };

  // `operation` fails with `error`; a failing write first takes `partialBytes`.
  FaultyResultFileSystem(Operation operation, int error, std::size_t partialBytes = 0)
      : operation_(operation), error_(error), partialBytes_(partialBytes) {}
  // Makes a second operation fail as well (an undo that fails too).
  void AlsoFail(Operation operation) { second_ = operation; }

  int OpenExisting(const std::string& path) override {
    return Fails(Operation::OpenExisting) ? -1 : real().OpenExisting(path);
  }
  int CreateNew(const std::string& path) override { return Fails(Operation::CreateNew) ? -1 : real().CreateNew(path); }
  off_t Size(int fd) override { return Fails(Operation::Size) ? -1 : real().Size(fd); }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    if (operation_ == Operation::Write && partialLeft_ > 0) {
      const std::size_t part = size < partialLeft_ ? size : partialLeft_;
      partialLeft_ -= part;
      return real().Write(fd, data, part);
    }
    return Fails(Operation::Write) ? -1 : real().Write(fd, data, size);
  }
  int Flush(int fd) override { return Fails(Operation::Flush) ? -1 : real().Flush(fd); }
  int Close(int fd) override {
    // The descriptor is released even when closing reports an error, as
    // the system does.
    const int result = real().Close(fd);
    return Fails(Operation::Close) ? -1 : result;
  }
  int Truncate(int fd, off_t length) override { return Fails(Operation::Truncate) ? -1 : real().Truncate(fd, length); }
  int TruncatePath(const std::string& path, off_t length) override {
    return Fails(Operation::TruncatePath) ? -1 : real().TruncatePath(path, length);
  }
  int Remove(const std::string& path) override { return Fails(Operation::Remove) ? -1 : real().Remove(path); }
  std::string CurrentFolder() override { return real().CurrentFolder(); }

 private:
  static ResultFileSystem& real() { return ResultFileSystem::Real(); }
  bool Fails(Operation operation) {
    if (operation != operation_ && operation != second_) return false;
    errno = error_;
    return true;
  }

  Operation operation_;
  Operation second_ = Operation::None;
  int error_;
  std::size_t partialBytes_;
  std::size_t partialLeft_ = partialBytes_;
};
