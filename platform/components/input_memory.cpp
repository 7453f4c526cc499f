#include "platform/components/input_memory.h"

namespace {

// Constant-initialised, so it is empty before any installer runs.
TInputMemory g_memory;

}  // namespace

void InstallInputMemory(const TInputMemory& memory) {
  g_memory = memory;
}

void ReleaseInputWithin(TControl* control) {
  if (g_memory.release_capture_within) g_memory.release_capture_within(control);
}

void ForgetInputOf(TControl* control) {
  if (g_memory.forget) g_memory.forget(control);
}
