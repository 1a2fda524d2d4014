#pragma once
// The news band's frames sent straight to the X server. A frame through the
// window's backing store costs the whole widget repaint machinery and sends
// every pixel of the band through the socket; here the band paints its rows
// into memory shared with the server, and one small request shows them. Two
// buffers take turns, so a frame is never painted over while it is being read.

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
    // top-level window; null when the platform is not X11 or the server
    // cannot share memory with the program.
    static std::unique_ptr<X11Band> Open(const QWidget& band, QRect area);
    ~X11Band();
    X11Band(const X11Band&) = delete;
    X11Band& operator=(const X11Band&) = delete;

    // Whether the band still lies where it was opened: same window, place and size.
    bool Fits(const QWidget& band, QRect area) const;

    // What every frame starts from, at the area's size.
    void SetBackground(const QImage& background);
    // Paints the next frame into its buffer, which holds the background: the
    // area's size, opaque, at pixel ratio 1. The painter stays open from frame
    // to frame, since opening one costs more than painting the band's rows.
    QPainter& frame();
    // Shows the frame painted with frame(), and turns to the other buffer.
    void Present();

private:
    struct Connection;
    X11Band(std::unique_ptr<Connection> connection, std::uintptr_t window, QRect area, QPoint origin,
            unsigned char* memory);

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
