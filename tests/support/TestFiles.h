#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QTest>

// A file of one byte, with the given permissions.
inline void touch(const QString& path,
                  QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

// A name that is not UTF-8, as files copied from older systems have.
inline const QByteArray kNotUtf8 = "bad\377\376.tmp";
inline void touchNotUtf8(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder) + '/' + kNotUtf8;
    QCOMPARE(::close(::open(path.constData(), O_CREAT | O_WRONLY, 0600)), 0);
}
