#pragma once
// The few file operations the result file needs, behind one small interface,
// so tests can make any step fail (open, write, flush, close, the undo) with
// the error a real disk would give, without depending on which user runs them.
// Every call answers 0 (or a descriptor / a byte count) on success and -1 with
// `errno` set on failure, like the system calls it forwards to.
#include <sys/types.h>

#include <cstddef>
#include <string>

class ResultFileSystem {
 public:
  virtual ~ResultFileSystem() = default;

  // Opens an existing file for appending; never creates it.
  virtual int OpenExisting(const std::string& path) = 0;
  // Creates the file; fails with EEXIST when it already exists. The real
  // one gives it the permissions of ModeForNewFile.
  virtual int CreateNew(const std::string& path) = 0;
  // The file's length in bytes, or -1.
  virtual off_t Size(int fd) = 0;
  virtual ssize_t Write(int fd, const char* data, std::size_t size) = 0;
  // Forces the bytes onto the disk: a full disk or a failing network
  // share may only tell here.
  virtual int Flush(int fd) = 0;
  virtual int Close(int fd) = 0;
  // Undo: cut an open file back to `length`, or an unopened one by name,
  // or remove a file this attempt created.
  virtual int Truncate(int fd, off_t length) = 0;
  virtual int TruncatePath(const std::string& path, off_t length) = 0;
  virtual int Remove(const std::string& path) = 0;
  // The absolute path of the process's current folder; empty when it has
  // none any more (removed while the program ran).
  virtual std::string CurrentFolder() = 0;

  // The permissions of a new result file, from those the umask gave it
  // (`created`) and its folder's. In a folder its group may write in (a
  // class's shared folder) the group may write the file too, so that every
  // pupil of the class can append; there the group could replace the file
  // anyway, so this gives away nothing the umask keeps. Where the umask
  // hides files from the group (077) or the folder is not the group's,
  // the umask's result stands.
  static mode_t ModeForNewFile(mode_t created, mode_t folder);

  // The real file system.
  static ResultFileSystem& Real();
};
