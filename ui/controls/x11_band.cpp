#include "ui/controls/x11_band.h"

#include <QGuiApplication>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

// Whether the window takes QImage's RGB32 pixels as they are: 32 bits a pixel
// in the program's byte order, red, green and blue at bits 16, 8 and 0.
bool TakesRgb32(xcb_connection_t* c, xcb_visualid_t visual, std::uint8_t depth)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    const bool serverLittle = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    if (serverLittle != (Q_BYTE_ORDER == Q_LITTLE_ENDIAN))
        return false;
    bool whole = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == depth)
            whole = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
    if (!whole)
        return false;
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen))
        for (auto d = xcb_screen_allowed_depths_iterator(screen.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual)
                    return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xff0000
                        && v.data->green_mask == 0x00ff00 && v.data->blue_mask == 0x0000ff;
    return false;
}

// A segment of the given size shared with the server; -1 when it cannot be.
int SharedSegment(xcb_connection_t* c, xcb_shm_seg_t segment, std::size_t size)
{
    const int fd = memfd_create("torvane-band", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    if (ftruncate(fd, static_cast<off_t>(size)) != 0) {
        close(fd);
        return -1;
    }
    const int kept = dup(fd);  // attach_fd hands its descriptor to the server and closes it
    if (kept < 0) {
        close(fd);
        return -1;
    }
    if (ReplyPtr<xcb_generic_error_t> error{xcb_request_check(c, xcb_shm_attach_fd_checked(c, segment, fd, 1)),
                                            &std::free}) {
        close(kept);
        return -1;
    }
    return kept;
}

}  // namespace

struct X11Band::Connection {
    xcb_connection_t* xcb;
    std::uint8_t depth;
    xcb_shm_seg_t segment;
    xcb_gcontext_t gc;
    std::size_t bytes;
};

std::unique_ptr<X11Band> X11Band::Open(const QWidget& band, QRect area, const QImage& background)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    const WId window = band.window()->internalWinId();
    if (!c || !window || area.isEmpty() || background.size() != area.size())
        return nullptr;
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    if (!shm || !shm->present)
        return nullptr;

    const auto versionCookie = xcb_shm_query_version(c);
    const auto geometryCookie = xcb_get_geometry(c, window);
    const auto attributesCookie = xcb_get_window_attributes(c, window);
    const auto version = Owned(xcb_shm_query_version_reply(c, versionCookie, nullptr));
    const auto geometry = Owned(xcb_get_geometry_reply(c, geometryCookie, nullptr));
    const auto attributes = Owned(xcb_get_window_attributes_reply(c, attributesCookie, nullptr));
    // Descriptor passing came with version 1.2.
    const bool passesDescriptors =
        version && (version->major_version > 1 || (version->major_version == 1 && version->minor_version >= 2));
    if (!passesDescriptors || !geometry || !attributes || !TakesRgb32(c, attributes->visual, geometry->depth))
        return nullptr;

    const std::size_t bufferBytes = std::size_t(area.width()) * area.height() * 4;
    const xcb_shm_seg_t segment = xcb_generate_id(c);
    const int fd = SharedSegment(c, segment, 2 * bufferBytes);
    if (fd < 0)
        return nullptr;
    void* memory = mmap(nullptr, 2 * bufferBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    if (memory == MAP_FAILED) {
        xcb_shm_detach(c, segment);
        return nullptr;
    }
    // No exposure events for what the window's own paints already cover.
    const xcb_gcontext_t gc = xcb_generate_id(c);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(c, gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);

    auto connection =
        std::make_unique<Connection>(Connection{c, geometry->depth, segment, gc, 2 * bufferBytes});
    const QPoint origin = band.mapTo(band.window(), area.topLeft());
    return std::unique_ptr<X11Band>(
        new X11Band(std::move(connection), window, area, origin, static_cast<unsigned char*>(memory), background));
}

X11Band::X11Band(std::unique_ptr<Connection> connection, std::uintptr_t window, QRect area, QPoint origin,
                 unsigned char* memory, const QImage& background)
    : connection_(std::move(connection)),
      window_(window),
      area_(area),
      windowOrigin_(origin),
      memory_(memory),
      background_(background.convertToFormat(QImage::Format_RGB32))
{
    const std::size_t bufferBytes = connection_->bytes / 2;
    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        buffers_[i] = QImage(memory_ + i * bufferBytes, area.width(), area.height(), area.width() * 4,
                             QImage::Format_RGB32);
        painters_[i].begin(&buffers_[i]);
    }
}

X11Band::~X11Band()
{
    for (QPainter& painter : painters_)
        painter.end();
    for (QImage& buffer : buffers_)
        buffer = QImage();
    xcb_free_gc(connection_->xcb, connection_->gc);
    xcb_shm_detach(connection_->xcb, connection_->segment);
    xcb_flush(connection_->xcb);
    munmap(memory_, connection_->bytes);
}

bool X11Band::Fits(const QWidget& band, QRect area) const
{
    return band.window()->internalWinId() == window_ && area == area_
        && band.mapTo(band.window(), area.topLeft()) == windowOrigin_;
}

QPainter& X11Band::frame()
{
    QImage& buffer = buffers_[next_];
    std::memcpy(buffer.bits(), background_.constBits(), static_cast<std::size_t>(buffer.sizeInBytes()));
    return painters_[next_];
}

void X11Band::Present()
{
    xcb_connection_t* c = connection_->xcb;
    const auto width = static_cast<std::uint16_t>(area_.width());
    const auto height = static_cast<std::uint16_t>(area_.height());
    const auto offset = static_cast<std::uint32_t>(next_ * (connection_->bytes / 2));
    xcb_shm_put_image(c, window_, connection_->gc, width, height, 0, 0, width, height,
                      static_cast<std::int16_t>(windowOrigin_.x()), static_cast<std::int16_t>(windowOrigin_.y()),
                      connection_->depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, connection_->segment, offset);
    xcb_flush(c);
    next_ = 1 - next_;
}
