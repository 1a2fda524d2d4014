#pragma once
// What each picture of the dialogs shows: the name a screen reader reads for it.

#include "records/catalogue.h"

struct PictureName {
    const char* path;  // image resource, as in the layouts
    const char* name;  // UTF-8, shown through Tr
};

inline constexpr PictureName kPictureNames[] = {
    {":/art/icon128.svg", N_("Torvane记")},
    {":/art/bitmap140.svg", N_("报纸")},
    {":/art/bitmap141.svg", N_("日记本")},
    {":/art/icon134.svg", N_("医药箱")},
};
