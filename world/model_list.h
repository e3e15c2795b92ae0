// The model list: the one model file the game's data names, in the model folder "Textures\"; nothing loads it.
#pragma once

constexpr int ModelFileNameSize = 16;  // bytes of a model file's name, terminator included

// One row of the model list: a model file's name.
struct MODELFILE {
    char Name[ModelFileNameSize];
};

constexpr int ModelListRows = 1;
extern const MODELFILE ModelList[];  // kept beside the texture list; the model table stays empty
