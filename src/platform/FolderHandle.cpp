#include "platform/FolderHandle.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

FolderHandle::FolderHandle(const QString& path)
    : fd_(::open(QFile::encodeName(path).constData(),
                 O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)) {}

FolderHandle::~FolderHandle() {
    if (fd_ >= 0) ::close(fd_);
}

QStringList FolderHandle::names() const {
    QStringList names;
    // A descriptor of its own, so that reading the folder never moves the handle's position.
    const int fd = ::openat(fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0) ::close(fd);
        return names;
    }
    while (const dirent* item = ::readdir(dir)) {
        const QByteArray name(item->d_name);
        if (name != "." && name != "..") names << QFile::decodeName(name);
    }
    ::closedir(dir);
    return names;
}

std::optional<FolderHandle::Entry> FolderHandle::entry(const QString& name) const {
    struct stat info {};
    if (::fstatat(fd_, QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return Entry{S_ISREG(info.st_mode) || S_ISLNK(info.st_mode), uint(info.st_uid),
                 {quint64(info.st_dev), quint64(info.st_ino)}};
}

FolderHandle::Removal FolderHandle::remove(const QString& name) const {
    if (::unlinkat(fd_, QFile::encodeName(name).constData(), 0) == 0) return Removal::Removed;
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
