#pragma once
// main() for the control tests: widgets render off screen, also when a test
// binary is started by hand without the test environment.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <unistd.h>

inline void PrepareOffscreenEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/torvane-runtime-%1").arg(getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
    }
}

#define TORVANE_OFFSCREEN_TEST_MAIN(TestClass)       \
    int main(int argc, char** argv)                  \
    {                                                \
        PrepareOffscreenEnvironment();               \
        QApplication app(argc, argv);                \
        TestClass test;                              \
        return QTest::qExec(&test, argc, argv);      \
    }
