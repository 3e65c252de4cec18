#include "platform/FolderHandle.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>

FolderHandle::FolderHandle(const QString& path)
    : fd_(::open(QFile::encodeName(path).constData(),
                 O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)) {}

FolderHandle::~FolderHandle() {
    if (fd_ >= 0) ::close(fd_);
}

namespace {

// What the folder's own listing says an entry is; only when it cannot say is the entry examined.
bool isFileOrLink(int folder, const dirent* item) {
    if (item->d_type != DT_UNKNOWN) return item->d_type == DT_REG || item->d_type == DT_LNK;
    struct stat info {};
    return ::fstatat(folder, item->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode));
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
    switch (errno) {
        case ENOENT: return Removal::Missing;
        case EACCES:
        case EPERM:
        case EROFS: return Removal::NotPermitted;
        case EBUSY:
        case ETXTBSY: return Removal::Busy;
        default: return Removal::Failed;
    }
}
