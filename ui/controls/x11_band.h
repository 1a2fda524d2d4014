#pragma once
// The news band's frames sent straight to the X server. A frame through the
// window's backing store costs the whole widget repaint machinery and sends
// every pixel of the band through the socket; here the band paints its rows
// into memory shared with the server, and one small request shows them. Two
// buffers take turns: a frame is painted while the server reads the one before.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>
#include <memory>

class QWidget;

class X11Band {
public:
    // For the area (band coordinates) of an on-screen widget, drawn into its
    // top-level window, every frame starting from background (the area's
    // size); null when the platform is not X11 or the server cannot share
    // memory with the program.
    static std::unique_ptr<X11Band> Open(const QWidget& band, QRect area, const QImage& background);
    ~X11Band();
    X11Band(const X11Band&) = delete;
    X11Band& operator=(const X11Band&) = delete;

    // Whether the band still lies where it was opened: same window, place and size.
    bool Fits(const QWidget& band, QRect area) const;

    // Paints the next frame into its buffer, which holds the background: the
    // area's size, opaque, at pixel ratio 1. The painter stays open from frame
    // to frame, since opening one costs more than painting the band's rows.
    QPainter& frame();
    // Shows the frame painted with frame(), and turns to the other buffer.
    void Present();

private:
    struct Connection;
    X11Band(std::unique_ptr<Connection> connection, std::uintptr_t window, QRect area, QPoint origin,
            unsigned char* memory, const QImage& background);

    std::unique_ptr<Connection> connection_;
    std::uintptr_t window_;
    QRect area_;           // in band coordinates
    QPoint windowOrigin_;  // the area's top left in the window
    unsigned char* memory_;
    QImage background_;
    std::array<QImage, 2> buffers_;
    std::array<QPainter, 2> painters_;
    int next_ = 0;
};
