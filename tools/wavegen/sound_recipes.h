#pragma once
// The recipes of the game's sounds, one function per wave file.

#include "synth.h"

#include <vector>

namespace wavegen {

struct SoundRecipe {
    const char* fileName;
    Buffer (*make)();
};

// Every sound the game plays, by the file name it looks for in its sound folder.
const std::vector<SoundRecipe>& SoundRecipes();

// At the places: trading and doors.
Buffer MakeBuy();
Buffer MakeMoney();
Buffer MakeShutDoor();
Buffer MakeOpenDoor();
Buffer MakeAirport();

// Street violence.
Buffer MakeKill();
Buffer MakeDeath();
Buffer MakeDog();
Buffer MakeHit();
Buffer MakeFlee();
Buffer MakeZap();

// The city itself: traffic, stench, mockery, heat and dust.
Buffer MakeEngine();
Buffer MakeVomit();
Buffer MakeLaugh();
Buffer MakeSigh();
Buffer MakeWind();

}  // namespace wavegen
