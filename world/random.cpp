#include "world/random.h"

#include <chrono>
#include <optional>
#include <string>

namespace {

std::uint32_t seed = 0;
std::uint64_t draws = 0;
std::optional<std::deque<ScriptedDraw>> script;
std::function<std::uint32_t()> randomize_source;

std::uint32_t ClockSeed() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

int NextScriptedDraw(int n) {
  if (script->empty())
    throw RandomScriptError("Random(" + std::to_string(n) + ") drawn after the script ran out");
  const ScriptedDraw next = script->front();
  if (next.bound != n)
    throw RandomScriptError("Random(" + std::to_string(n) +
                            ") drawn where the script expects Random(" +
                            std::to_string(next.bound) + ")");
  script->pop_front();
  return next.value;
}

}  // namespace

int Random(int n) {
  ++draws;
  if (script) return NextScriptedDraw(n);
  seed = seed * 134775813u + 1u;
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n)) >> 32);
}

void Randomize() {
  seed = randomize_source ? randomize_source() : ClockSeed();
}

void SetRandomizeSource(std::function<std::uint32_t()> source) {
  randomize_source = std::move(source);
}

void SetRandomSeed(std::uint32_t value) {
  seed = value;
}
std::uint32_t RandomSeed() {
  return seed;
}

std::uint64_t RandomDrawCount() {
  return draws;
}
void ResetRandomDrawCount() {
  draws = 0;
}

void ScriptRandomDraws(std::deque<ScriptedDraw> list) {
  script = std::move(list);
}
void StopScriptingRandomDraws() {
  script.reset();
}
std::size_t ScriptedDrawsLeft() {
  return script ? script->size() : 0;
}

RandomStreamKept::RandomStreamKept() : seed_(seed), draws_(draws), script_(script) {}

RandomStreamKept::~RandomStreamKept() {
  seed = seed_;
  draws = draws_;
  script = std::move(script_);
}
