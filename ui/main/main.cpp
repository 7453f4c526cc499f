#include <cstdio>

int main() {
  std::puts("Graymarch 2.7: the rules are being built; the main window does not exist yet.");
  return 0;
}
