// torvane-wavegen: writes the game's sound effects into the folder it is given.

#include "wave_writer.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string error = wavegen::WriteSounds(argv[1]);
    if (!error.empty()) {
        std::cerr << argv[0] << ": " << error << '\n';
        return 1;
    }
    return 0;
}
