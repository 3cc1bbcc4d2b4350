// The record as the program starts with it, in the given units.
#pragma once

#include "input_defaults.h"
#include "keldor.h"

inline fe::InputRecord StartUp(int units = KELDOR_ENGLISH) {
  fe::InputRecord r;
  fe::InitialiseInput(r, units);
  return r;
}
