#pragma once
// The pictures as drawn at build time (tools/artgen writes the table).

struct ArtImage {
    const char* name;            // the SVG source's base name in resources/art
    int width;                   // size on a screen of pixel ratio 1
    int height;
    int ratio;                   // drawn for this pixel ratio
    const unsigned int* pixels;  // width * ratio by height * ratio, premultiplied ARGB
};

extern const ArtImage kArtImages[];
extern const int kArtImageCount;
