// The computes of the three forms (each validates as its screen's change handler does).
#pragma once

#include "analyses/other/form_def.h"

namespace qora {

FormResult ComputeDuctForm(const AppState& state);
FormResult ComputeOperatingForm(const AppState& state);
FormResult ComputeStorageForm(const AppState& state);

}  // namespace qora
