#include "platform/FolderHandle.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstring>

FolderHandle::FolderHandle(const QString& path)
    : fd_(::open(QFile::encodeName(path).constData(),
                 O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)),
      error_(fd_ < 0 ? errno : 0) {}

FolderHandle::~FolderHandle() {
    if (fd_ >= 0) ::close(fd_);
}

QString FolderHandle::errorString() const { return QString::fromLocal8Bit(std::strerror(error_)); }

bool FolderHandle::failed() const {
    error_ = errno;
    return false;
}

namespace {

// What the folder's own listing says an entry is; only when it cannot say is the entry examined.
bool isFileOrLink(int folder, const dirent* item) {
    if (item->d_type != DT_UNKNOWN) return item->d_type == DT_REG || item->d_type == DT_LNK;
    struct stat info {};
    return ::fstatat(folder, item->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode));
}

bool writeAll(int fd, const QByteArray& data) {
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t written = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno != EINTR) return false;
        done += std::max<ssize_t>(written, 0);
    }
    return true;
}

}  // namespace

QByteArrayList FolderHandle::fileNames() const {
    // A descriptor of its own, so that reading the folder never moves the handle's position.
    const int fd = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0) ::close(fd);
        return {};
    }
    QByteArrayList names;
    while (const dirent* item = ::readdir(dir))
        if (isFileOrLink(fd, item)) names << QByteArray(item->d_name);
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<FolderHandle::Entry> FolderHandle::entry(const QByteArray& name) const {
    struct stat info {};
    if (::fstatat(fd_, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
    return Entry{S_ISREG(info.st_mode) || S_ISLNK(info.st_mode), uint(info.st_uid),
                 {quint64(info.st_dev), quint64(info.st_ino)}};
}

FolderHandle::Removal FolderHandle::remove(const QByteArray& name) const {
    if (::unlinkat(fd_, name.constData(), 0) == 0) return Removal::Removed;
    failed();
    switch (error_) {
        case ENOENT: return Removal::Missing;
        case EACCES:
        case EPERM:
        case EROFS: return Removal::NotPermitted;
        case EBUSY:
        case ETXTBSY: return Removal::Busy;
        default: return Removal::Failed;
    }
}

// Only the folder's owner decides here: the old entry's owner and mode do not matter, and the
// new file is the user's own, readable by nobody else.
bool FolderHandle::replace(const QByteArray& name, const QByteArray& contents) const {
    const QByteArray temporary =
        '.' + name + '.' + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
    const int file = ::openat(fd_, temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (file < 0) return failed();
    bool done = writeAll(file, contents) && ::fsync(file) == 0;
    if (!done) failed();
    ::close(file);
    if (done && ::renameat(fd_, temporary.constData(), fd_, name.constData()) != 0)
        done = failed();
    if (!done) ::unlinkat(fd_, temporary.constData(), 0);
    return done;
}
