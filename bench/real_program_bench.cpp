// The real program on a virtual X display: the time from its start to its
// first frame, and the memory it holds once a game is on the map. The game,
// started with GRAYMARCH_TRACE set, says on stderr when it shows its first
// frame and where each dialog opens; xdotool answers the start dialogs. Needs
// Xvfb and xdotool, which scripts/setup installs; skipped without them.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWaitMs = 20000;

// Reads lines from a pipe until one starts with `prefix`; nothing once the
// pipe ends or `timeout_ms` passes.
class LineReader {
 public:
  explicit LineReader(int fd) : fd_(fd) {}
  std::optional<std::string> WaitFor(const std::string& prefix, int timeout_ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      for (size_t end; (end = buffer_.find('\n')) != std::string::npos;) {
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        if (line.rfind(prefix, 0) == 0) return line;
      }
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return std::nullopt;
      pollfd ready{fd_, POLLIN, 0};
      if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
      char chunk[4096];
      const ssize_t got = read(fd_, chunk, sizeof chunk);
      if (got <= 0) return std::nullopt;
      buffer_.append(chunk, static_cast<size_t>(got));
    }
  }

 private:
  int fd_;
  std::string buffer_;
};

// Starts `argv` with only the environment `env`, its stderr (or, when given,
// what it writes to `extra_fd`) piped back; the child is killed when it is
// dropped, or when the benchmark ends.
class Child {
 public:
  Child(const std::vector<std::string>& argv, const std::vector<std::string>& env,
        const std::filesystem::path& folder, int extra_fd = -1) {
    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
      dup2(out[1], extra_fd >= 0 ? extra_fd : STDERR_FILENO);
      const int null = open("/dev/null", O_RDWR);
      dup2(null, STDIN_FILENO);
      dup2(null, STDOUT_FILENO);
      if (extra_fd >= 0) dup2(null, STDERR_FILENO);
      std::vector<char*> args;
      for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
      args.push_back(nullptr);
      std::vector<char*> vars;
      for (const std::string& var : env) vars.push_back(const_cast<char*>(var.c_str()));
      vars.push_back(nullptr);
      execve(args[0], args.data(), vars.data());
      _exit(127);
    }
    close(out[1]);
    fd_ = out[0];
    reader_ = LineReader(fd_);
  }
  ~Child() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (fd_ >= 0) close(fd_);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool Started() const { return pid_ > 0 && fd_ >= 0; }
  pid_t Pid() const { return pid_; }
  LineReader& Output() { return reader_; }

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
  LineReader reader_{-1};
};

std::string Run(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char chunk[256];
    while (fgets(chunk, sizeof chunk, pipe)) output += chunk;
    pclose(pipe);
  }
  return output;
}

// One Xvfb for the whole benchmark run, on a display number it picks itself.
class VirtualDisplay {
 public:
  static VirtualDisplay& Shared() {
    static VirtualDisplay display;
    return display;
  }
  const std::string& Name() const { return name_; }

 private:
  VirtualDisplay()
      : server_(
            {"/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
            {"PATH=/usr/bin:/bin"}, {}, 3) {
    if (!server_.Started()) return;
    if (auto number = server_.Output().WaitFor("", kWaitMs)) name_ = ":" + *number;
  }
  Child server_;
  std::string name_;
};

// The game in its own folder on the shared display.
class Game {
 public:
  explicit Game(const std::string& display)
      : folder_(MakeFolder()),
        process_({std::string(GRAYMARCH_GAME_DIR) + "/graymarch"},
                 {"DISPLAY=" + display, "HOME=" + folder_.string(), "SDL_AUDIODRIVER=dummy",
                  "GRAYMARCH_TRACE=1", "PATH=/usr/bin:/bin"},
                 folder_),
        display_(display) {}
  ~Game() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  bool Started() const { return process_.Started(); }
  std::optional<std::string> WaitFor(const std::string& prefix) {
    return process_.Output().WaitFor("trace: " + prefix, kWaitMs);
  }

  // Waits for the named dialog and clicks the points of its client area.
  bool Answer(const std::string& dialog, const std::vector<std::pair<int, int>>& points) {
    const auto line = WaitFor("modal " + dialog + " ");
    if (!line) return false;
    std::istringstream words(line->substr(line->find(dialog) + dialog.size()));
    int x = 0;
    int y = 0;
    words >> x >> y;
    if (window_.empty()) {
      std::istringstream found(Run("DISPLAY=" + display_ + " xdotool search --onlyvisible --pid " +
                                   std::to_string(process_.Pid())));
      found >> window_;
    }
    for (const auto& [px, py] : points) {
      Run("DISPLAY=" + display_ + " xdotool mousemove --window " + window_ + " " +
          std::to_string(x + px) + " " + std::to_string(y + py) + " click 1");
    }
    return WaitFor("closed " + dialog).has_value();
  }

  // A line of /proc/<pid>/status, in megabytes.
  double Megabytes(const std::string& field) const {
    std::ifstream status("/proc/" + std::to_string(process_.Pid()) + "/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024.0;
    }
    return 0;
  }

 private:
  static std::filesystem::path MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "graymarch-bench-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
  }

  std::filesystem::path folder_;
  Child process_;
  std::string display_;
  std::string window_;
};

bool DisplayReady(benchmark::State& state) {
  if (!VirtualDisplay::Shared().Name().empty()) return true;
  state.SkipWithError("no virtual display: Xvfb did not start");
  return false;
}

void BM_StartToFirstFrame(benchmark::State& state) {
  if (!DisplayReady(state)) return;
  for (auto _ : state) {
    const auto start = Clock::now();
    Game game(VirtualDisplay::Shared().Name());
    if (!game.Started() || !game.WaitFor("frame")) {
      state.SkipWithError("the game showed no frame");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The 1861 scenario chosen with both sides human, the Union's side taken:
// the map and its forces are up and the player gives orders.
void BM_ResidentMemoryOnTheMap(benchmark::State& state) {
  if (!DisplayReady(state)) return;
  for (auto _ : state) {
    Game game(VirtualDisplay::Shared().Name());
    const bool playing = game.Started() && game.Answer("Intro_Load", {{60, 27}, {118, 111}}) &&
                         game.Answer("TSetUp", {{448, 350}}) &&
                         game.Answer("sideselect", {{60, 16}});
    if (!playing) {
      state.SkipWithError("the game did not reach its map");
      return;
    }
    state.counters["resident_MB"] = game.Megabytes("VmRSS");
    state.counters["peak_resident_MB"] = game.Megabytes("VmHWM");
  }
}
BENCHMARK(BM_ResidentMemoryOnTheMap)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
