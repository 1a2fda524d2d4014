#include "sound_recipes.h"

namespace wavegen {

const std::vector<SoundRecipe>& SoundRecipes()
{
    static const std::vector<SoundRecipe> recipes = {
        {"buy.wav", MakeBuy},         {"money.wav", MakeMoney},
        {"shutdoor.wav", MakeShutDoor}, {"opendoor.wav", MakeOpenDoor},
        {"airport.wav", MakeAirport}, {"kill.wav", MakeKill},
        {"death.wav", MakeDeath},     {"dog.wav", MakeDog},
        {"harley.wav", MakeEngine},   {"hit.wav", MakeHit},
        {"flee.wav", MakeFlee},       {"el.wav", MakeZap},
        {"vomit.wav", MakeVomit},     {"level.wav", MakeLaugh},
        {"lan.wav", MakeSigh},        {"breath.wav", MakeWind},
    };
    return recipes;
}

}  // namespace wavegen
