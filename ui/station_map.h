#pragma once
// The ten place buttons of the main window and their labels on the two maps.

#include <array>

struct Station {
    int buttonId;
    int place;             // 1 to 10
    const char* subway;    // label when mapMode is 1
    const char* street;    // label when mapMode is 2
};

extern const std::array<Station, 10> kStations;

constexpr int kMapGroupId = 1120;
constexpr int kMapToggleId = 1090;

// Captions of the group box 1120 and of the toggle 1090 for a map mode.
const char* MapGroupCaption(int mapMode);
const char* MapToggleCaption(int mapMode);
