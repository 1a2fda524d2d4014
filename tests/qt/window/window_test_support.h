#pragma once
// Shared pieces of the window tests: the environment, closing modal dialogs
// from a timer, and mouse events sent straight to a widget.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "game/random_source.h"
#include "ui/framework/application_setup.h"
#include "ui/framework/dialog_units.h"
#include "ui/window/main_dlg.h"

// The offscreen platform and a private runtime folder, unless the caller set them.
inline void PrepareTestEnvironment()
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const QString path = QDir::tempPath() + QStringLiteral("/torvane-xdg-%1").arg(getuid());
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv("XDG_RUNTIME_DIR", path.toLocal8Bit().constData(), 1);
    }
}

#define TORVANE_WINDOW_TEST_MAIN(TestClass)            \
    int main(int argc, char** argv)                    \
    {                                                  \
        PrepareTestEnvironment();                      \
        QApplication app(argc, argv);                  \
        SetUpApplication(app);                         \
        TestClass test;                                \
        return QTest::qExec(&test, argc, argv);        \
    }

// A main window of seed 2 keeping its files in dir, shown; null if it never
// became visible.
inline std::unique_ptr<CMainDlg> ShowMainWindow(const QString& dir)
{
    SeedRandom(2);
    auto window = std::make_unique<CMainDlg>(dir.toStdString());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    return window;
}

// Calls action with the next modal widget other than except, once it is shown.
// The returned timer polls until then; delete it to give up waiting.
inline QTimer* WhenModal(std::function<void(QWidget*)> action, QWidget* except = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, except] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == except || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start();
    return timer;
}

inline void Accept(QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); }

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
