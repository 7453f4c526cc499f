#pragma once
// The one random generator of the game. Every rule that draws states its bound
// and the order of its draws, so replays and tests depend on this exact stream.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>

// Uniform integer 0..n-1 (0 when n is 0 or less).
int Random(int n);

// Re-seeds from the clock, as at start-up and when a turn is executed.
void Randomize();

// Where Randomize takes its seed; an empty source restores the clock. Tests
// give a fixed source so that whole turns can be replayed draw for draw.
void SetRandomizeSource(std::function<std::uint32_t()> source);

void SetRandomSeed(std::uint32_t seed);
std::uint32_t RandomSeed();

// Draws made since the counter was last reset; tests compare draw counts.
std::uint64_t RandomDrawCount();
void ResetRandomDrawCount();

// A scripted draw: the bound the rule must ask for and the value it gets.
struct ScriptedDraw {
  int bound;
  int value;
};

class RandomScriptError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// While a script is set, each draw takes the next entry instead of the
// generator and throws RandomScriptError when the rule asks for another bound
// or draws past the script's end. Tests use it to pin a rule's draw order.
void ScriptRandomDraws(std::deque<ScriptedDraw> draws);
void StopScriptingRandomDraws();
std::size_t ScriptedDrawsLeft();

// Keeps the generator's state (seed, draw count, script) while it lives and
// puts it back when it goes: a trial that draws leaves the stream as it was.
class RandomStreamKept {
 public:
  RandomStreamKept();
  ~RandomStreamKept();
  RandomStreamKept(const RandomStreamKept&) = delete;
  RandomStreamKept& operator=(const RandomStreamKept&) = delete;

 private:
  std::uint32_t seed_;
  std::uint64_t draws_;
  std::optional<std::deque<ScriptedDraw>> script_;
};
