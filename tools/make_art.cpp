// make_art FOLDER: writes every picture the game loads into FOLDER/Textures and FOLDER/Textures/Font.
#include <cstdio>
#include <string>

#include "tools/art.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art FOLDER\n");
        return 2;
    }
    std::string error;
    if (!MakeArt(argv[1], error)) {
        std::fprintf(stderr, "make_art: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
