// Checks that the record holds what the engine cannot work without: required
// quantities positive and required record groups present.
#pragma once

#include <string>

#include "input_record.h"

namespace fe {

// Where validation's messages go. The window shows each in a modal OK message
// box titled "Keldor" after a beep; the batch command prints them; tests
// collect them.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void show(const std::string& text, bool beep) = 0;
};

// Evaluates every rule in order, one message (with a beep) per failure;
// validation never stops at the first failure. Sets r.InputValid to whether
// every rule passed and returns it. Nothing else in the record changes.
bool ValidateInput(InputRecord& r, MessageSink& messages);

}  // namespace fe
