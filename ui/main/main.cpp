#include <cstdio>
#include <memory>
#include <string>

#include "platform/backend/sdl_backend.h"
#include "platform/forms/application.h"
#include "platform/services/executable_folder.h"
#include "ui/main/program.h"

int main() {
  std::string error;
  std::unique_ptr<TSdlBackend> backend = TSdlBackend::Open("Graymarch", error);
  if (!backend) {
    std::fprintf(stderr, "Graymarch cannot open its window: %s\n", error.c_str());
    return 1;
  }
  Application.SetBackend(backend.get());
  const int exit_code = RunMainWindow(ExecutableFolder());
  Application.SetBackend(nullptr);
  return exit_code;
}
