#pragma once
// What each picture of the dialogs shows: the name a screen reader reads for it.

#include "records/catalogue.h"

struct PictureName {
    const char* picture;  // the picture's name, as in the layouts
    const char* name;  // UTF-8, shown through Tr
};

inline constexpr PictureName kPictureNames[] = {
    {"icon128", N_("Torvane记")},
    {"bitmap140", N_("报纸")},
    {"bitmap141", N_("日记本")},
    {"icon134", N_("医药箱")},
};
