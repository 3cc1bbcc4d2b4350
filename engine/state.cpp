#include "state.h"

namespace keldor {

EngineState S;

}  // namespace keldor
