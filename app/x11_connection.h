#pragma once
// The game's connection to an X server, set for the news ticker's frames.

// Each ticker frame sends the band's changed rows to the X server through the
// connection's socket. A local socket stops being writable once a quarter of
// its send buffer is in use, and a frame of the band fills more than a quarter
// of the default buffer: Qt then slept until the server had read the frame, a
// second wakeup of every frame. A larger buffer takes a whole frame. Does
// nothing on other platforms or where the socket keeps its size.
void WidenX11SendBuffer();
