// Pile rows of a design: the starting heel width and the layout of a trial.
#pragma once

namespace keldor {

void StartHeelPile();
void PileLayout();

}  // namespace keldor
