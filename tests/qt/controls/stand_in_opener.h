#pragma once
// A stand-in xdg-open put first on PATH: it writes its argument to a file and
// exits with the status given in STAND_IN_STATUS.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

class StandInOpener {
public:
    StandInOpener()
    {
        savedPath_ = qgetenv("PATH");
        QFile script(dir_.filePath(QStringLiteral("xdg-open")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/opened\"\n"
                     "exit \"${STAND_IN_STATUS:-0}\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(dir_.path()) + ":/usr/bin:/bin");
        SetStatus(0);
    }
    ~StandInOpener()
    {
        qputenv("PATH", savedPath_);
        qunsetenv("STAND_IN_STATUS");
    }

    void SetStatus(int status) { qputenv("STAND_IN_STATUS", QByteArray::number(status)); }
    // Leaves no xdg-open anywhere on PATH.
    void Remove() { qputenv("PATH", QFile::encodeName(dir_.path())); QFile::remove(dir_.filePath("xdg-open")); }

    // What the last run was asked to open; empty when it never ran.
    QString Opened() const
    {
        QFile file(dir_.filePath(QStringLiteral("opened")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll());
    }
    void Forget() { QFile::remove(dir_.filePath(QStringLiteral("opened"))); }

private:
    QTemporaryDir dir_;
    QByteArray savedPath_;
};
