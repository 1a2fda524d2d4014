#pragma once
// What each picture of the dialogs shows: the name a screen reader reads for it.

struct PictureName {
    const char* path;  // image resource, as in the layouts
    const char* name;  // UTF-8
};

inline constexpr PictureName kPictureNames[] = {
    {":/art/icon128.svg", "Torvane记"},
    {":/art/bitmap140.svg", "报纸"},
    {":/art/bitmap141.svg", "日记本"},
    {":/art/icon134.svg", "医药箱"},
};
