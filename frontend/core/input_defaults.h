// The default values of the input record: the section resets, each for the
// record's unit system, and start-up initialisation.
#pragma once

#include "input_record.h"

namespace fe {

// The ten section resets. Each writes only its own section, with the English
// defaults when IUNITS is 1 and the SI defaults when it is 2; with any other
// IUNITS the fields whose default depends on the units keep their values. The
// counts of a section are set to 0; its arrays are left as they are.
void ResetOptions(InputRecord& r);
void ResetMaterial(InputRecord& r);  // PHI depends on ISOIL
void ResetSoilParameters(InputRecord& r);  // KA depends on ISOIL
void ResetLoads(InputRecord& r);
void ResetSoilConfiguration(InputRecord& r);
void ResetWallConfiguration(InputRecord& r);
void ResetRebarConfiguration(InputRecord& r);
void ResetSpreadFooting(InputRecord& r);
void ResetPileFooting(InputRecord& r);
void ResetTitles(InputRecord& r);

// Every section whose defaults depend on the unit system: material, loads,
// soil configuration, wall, rebar, spread and pile footing (not the options
// nor the soil parameters). The units question's "yes" loads these.
void ResetUnitDefaults(InputRecord& r);

// Reset > All: every section but the titles. The window refreshes afterwards.
void ResetAll(InputRecord& r);

// Start-up: clears Refreshing, takes the unit system selected in the window
// (1 English, 2 SI) and resets the titles and every section, options first, so
// that the material and soil defaults see the constant-slope backfill. The
// window refreshes afterwards.
void InitialiseInput(InputRecord& r, int selectedUnits);

}  // namespace fe
