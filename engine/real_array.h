// A real array of the engine, indexed from 1 like the records it holds.
#pragma once

#include "one_based_array.h"

namespace keldor {

using RealArray = OneBasedArray;

}  // namespace keldor
