// The model list: the one model file named, which nothing reads.
#include "world/model_list.h"

#include <iterator>

constexpr MODELFILE ModelList[] = {
    {"BlockShadow.x"},
};
static_assert(std::size(ModelList) == ModelListRows);
