#include "app/display_check.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

constexpr int kNoDisplayStatus = 1;

[[noreturn]] void NoDisplay(const QString& why)
{
    std::fprintf(stderr, "torvane: no display: %s\n", why.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(kNoDisplayStatus);
}

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

struct HeldMessage {
    QtMsgType type;
    QString text;
};

std::vector<HeldMessage> held;
QString connectFailure;

void HoldMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (text.contains(QLatin1String("could not connect to display")))
        connectFailure = text;
    if (type == QtFatalMsg)
        NoDisplay(connectFailure.isEmpty() ? text.section(QLatin1Char('\n'), 0, 0) : connectFailure);
    held.push_back({type, text});
}

}  // namespace

void RequireDisplay(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return;
    }
    if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY"))
        return;
    NoDisplay(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set"));
}

std::unique_ptr<QApplication> StartApplication(const std::function<std::unique_ptr<QApplication>()>& make)
{
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    std::unique_ptr<QApplication> app = make();
    qInstallMessageHandler(previous);
    const QMessageLogContext context;
    for (const HeldMessage& message : std::exchange(held, {}))
        previous(message.type, context, message.text);
    return app;
}
