#pragma once
// The ten places: the labels of their buttons on the two maps, and the names
// the hospitalisation message gives them.

struct PlaceInfo {
    int buttonId;
    const char* subwayLabel;     // mapMode 1
    const char* streetLabel;     // mapMode 2
    const char* subwayHospital;  // place name in the hospitalisation text, mapMode 1
    const char* streetHospital;  // the same, mapMode 2
};

// Index k - 1 for place k.
extern const PlaceInfo kPlaces[10];

struct MapTexts {
    const char* groupBox;   // 1120
    const char* toggle;     // 1090
};
extern const MapTexts kSubwayMap;
extern const MapTexts kStreetMap;

// Place 1 to 10 of a place button, or 0.
int PlaceOfButton(int buttonId);
