#include "app/x11_connection.h"

#include <sys/socket.h>

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace {

// The kernel caps the request at net.core.wmem_max.
constexpr int kSendBufferBytes = 1024 * 1024;

}  // namespace

void WidenX11SendBuffer()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    const int fd = xcb_get_file_descriptor(x11->connection());
    ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &kSendBufferBytes, sizeof kSendBufferBytes);
}
