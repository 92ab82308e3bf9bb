#include "core/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>

namespace korvinth {
namespace {

TemporaryFileHook g_temporaryFileHook = nullptr;

ReplaceResult ResultOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return ReplaceResult::kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return ReplaceResult::kDenied;
    default:
      return ReplaceResult::kFailed;
  }
}

// An open descriptor, closed once when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now; false (with errno set) when the close reports an error.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    // On Linux the descriptor is gone even when close is interrupted.
    return ::close(fd) == 0 || errno == EINTR;
  }

 private:
  int fd_;
};

// Creates a new file beside the target under a name of its own, short
// whatever the target's length, so it fits wherever the target does.
int CreateTemporary(int folder, QByteArray& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = ".korvinth-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
    const int fd =
        ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

bool WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

}  // namespace

void SetTemporaryFileHook(TemporaryFileHook hook) { g_temporaryFileHook = hook; }

ReplaceResult ReplaceFileInFolder(const QString& folder, const QString& fileName, const QByteArray& bytes) {
  const Descriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0) return ResultOf(errno);
  const QByteArray target = QFile::encodeName(fileName);

  struct stat earlier {};
  const bool replacing = ::fstatat(dir.get(), target.constData(), &earlier, AT_SYMLINK_NOFOLLOW) == 0;
  if (!replacing && errno != ENOENT) return ResultOf(errno);
  if (replacing) {
    // A link would lead the text out of the folder, and a folder is no file to replace.
    if (!S_ISREG(earlier.st_mode)) return ReplaceResult::kFailed;
    if (::faccessat(dir.get(), target.constData(), W_OK, AT_EACCESS) != 0) {
      return errno == EACCES ? ReplaceResult::kFailed : ResultOf(errno);  // a file marked read-only stays
    }
  }

  QByteArray temporary;
  Descriptor file(CreateTemporary(dir.get(), temporary));
  if (file.get() < 0) return ResultOf(errno);
  // The new file takes the old one's permissions where the file system keeps them.
  if (replacing) (void)::fchmod(file.get(), earlier.st_mode & 07777);
  if (g_temporaryFileHook) g_temporaryFileHook(file.get());

  // rename() replaces whatever has the target's name by then, a link included,
  // and never writes through it.
  const bool done = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0 && file.Close() &&
                    ::renameat(dir.get(), temporary.constData(), dir.get(), target.constData()) == 0;
  if (done) return ReplaceResult::kDone;
  const int error = errno;
  ::unlinkat(dir.get(), temporary.constData(), 0);
  return ResultOf(error);
}

}  // namespace korvinth
