#include "platform/components/shift_state.h"

namespace {
TShiftState g_keys = 0;
}

TShiftState GetShiftState() {
  return g_keys;
}

void SetShiftState(TShiftState keys) {
  g_keys = keys & (ssShift | ssAlt | ssCtrl);
}
