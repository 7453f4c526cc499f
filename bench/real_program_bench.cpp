// The real game on a virtual X display: how long a player waits from starting
// it to its first frame, and how much memory it holds while a game is played.
// Both skip, saying why, when no display server can start on the machine.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kStartLimit = std::chrono::seconds(20);
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;
// How an end-to-end run says it could not start a display.
constexpr int kSkipped = 77;

// A child process whose standard error is read by the benchmark, killed when
// it goes out of scope.
class Child {
 public:
  Child(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
        const fs::path& folder, int kept_fd = -1) {
    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(pipe_fds[1], STDERR_FILENO);
      const int null = open("/dev/null", O_RDWR);
      dup2(null, STDIN_FILENO);
      dup2(null, STDOUT_FILENO);
      if (kept_fd >= 0) fcntl(kept_fd, F_SETFD, 0);
      if (chdir(folder.c_str()) != 0) _exit(127);
      std::vector<char*> argv;
      for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
      argv.push_back(nullptr);
      std::vector<char*> envp;
      for (const std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
      envp.push_back(nullptr);
      execvpe(argv[0], argv.data(), envp.data());
      _exit(127);
    }
    close(pipe_fds[1]);
    error_fd_ = pipe_fds[0];
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (error_fd_ >= 0) close(error_fd_);
  }

  pid_t pid() const { return pid_; }

  // Reads standard error until a line equal to `wanted` comes, or the time is up.
  bool WaitForLine(const std::string& wanted, Clock::duration limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
      for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
        const std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (line == wanted) return true;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      pollfd ready{error_fd_, POLLIN, 0};
      if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
      char buffer[4096];
      const ssize_t got = read(error_fd_, buffer, sizeof buffer);
      if (got <= 0) return false;
      pending_.append(buffer, static_cast<std::size_t>(got));
    }
  }

  // Whether the child has ended by itself; its exit status is then kept.
  bool Ended() {
    int status = 0;
    if (pid_ <= 0 || waitpid(pid_, &status, WNOHANG) != pid_) return pid_ <= 0;
    pid_ = -1;
    exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
  }
  int exit_code() const { return exit_code_; }

 private:
  pid_t pid_ = -1;
  int exit_code_ = -1;
  int error_fd_ = -1;
  std::string pending_;
};

fs::path FreshFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / (name + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder / "home");
  return folder;
}

// What a child may inherit: where programs and libraries are, and the
// sanitizers' settings; nothing of the desktop the benchmark runs on.
std::vector<std::string> Inherited() {
  std::vector<std::string> environment;
  for (const char* inherited : {"PATH", "LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
    if (const char* value = std::getenv(inherited)) environment.push_back(std::string(inherited) + "=" + value);
  }
  return environment;
}

// Xvfb on a display number it picks itself; empty when none can start. It
// does not reset as each started game leaves, which would close it to the
// next one for that moment.
class VirtualDisplay {
 public:
  VirtualDisplay() : folder_(FreshFolder("graymarch-display-")) {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) return;
    server_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(pipe_fds[1]),
                                             "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                                             "-noreset"},
                    Inherited(), folder_, pipe_fds[1]);
    close(pipe_fds[1]);
    std::string number;
    pollfd ready{pipe_fds[0], POLLIN, 0};
    char digit;
    while (number.find('\n') == std::string::npos && poll(&ready, 1, 20000) > 0 &&
           read(pipe_fds[0], &digit, 1) == 1) {
      number += digit;
    }
    close(pipe_fds[0]);
    if (!number.empty() && number.back() == '\n') name_ = ":" + number.substr(0, number.size() - 1);
  }
  ~VirtualDisplay() { fs::remove_all(folder_); }

  const std::string& name() const { return name_; }

 private:
  fs::path folder_;
  std::optional<Child> server_;
  std::string name_;
};

std::vector<std::string> GameEnvironment(const std::string& display, const fs::path& folder) {
  std::vector<std::string> environment = Inherited();
  for (std::string entry : {"DISPLAY=" + display, "HOME=" + (folder / "home").string(),
                            std::string("SDL_AUDIODRIVER=dummy"), std::string("SDL_VIDEODRIVER=x11"),
                            std::string("GRAYMARCH_TRACE=1")}) {
    environment.push_back(std::move(entry));
  }
  return environment;
}

// A figure of /proc/PID/status in bytes ("VmHWM", "VmRSS"); 0 once the process is gone.
double StatusBytes(pid_t pid, const std::string& field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  for (double kilobytes; status >> key;) {
    if (key == field + ":" && status >> kilobytes) return kilobytes * 1024.0;
    status.ignore(4096, '\n');
  }
  return 0;
}

const fs::path kGame = fs::path(GRAYMARCH_GAME_DIR) / "graymarch";

void BM_StartToFirstFrame(benchmark::State& state) {
  VirtualDisplay display;
  if (display.name().empty()) {
    state.SkipWithError("no virtual display server could start");
    return;
  }
  const fs::path folder = FreshFolder("graymarch-start-");
  double resident = 0;
  for (auto _ : state) {
    const auto started = Clock::now();
    Child game({kGame.string()}, GameEnvironment(display.name(), folder), folder);
    if (!game.WaitForLine("trace: frame", kStartLimit)) {
      state.SkipWithError("the game showed no frame");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - started).count());
    resident = StatusBytes(game.pid(), "VmHWM");
  }
  state.counters["first_frame_peak_MB"] = resident / kBytesPerMegabyte;
  fs::remove_all(folder);
}
BENCHMARK(BM_StartToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// The game a child of `parent` runs, once it has started.
std::optional<pid_t> GameOf(pid_t parent) {
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string pid, name, state;
    pid_t ppid = 0;
    if (stat >> pid >> name >> state >> ppid && ppid == parent && name == "(graymarch)") {
      return std::stoi(pid);
    }
  }
  return std::nullopt;
}

// The short end-to-end game (a scenario chosen, a turn executed and watched, a
// game saved and loaded) drives the program; its peak of resident memory is
// sampled until it quits.
void BM_MemoryWhilePlaying(benchmark::State& state) {
  const fs::path folder = FreshFolder("graymarch-memory-");
  const fs::path script = fs::path(GRAYMARCH_E2E_DIR) / "short_game.py";
  double peak = 0;
  for (auto _ : state) {
    // The driver keeps from its environment only what the game needs.
    std::vector<std::string> everything;
    for (char** entry = environ; *entry != nullptr; ++entry) everything.emplace_back(*entry);
    Child driver({GRAYMARCH_PYTHON, "-B", script.string(), kGame.string()}, everything, folder);
    std::optional<pid_t> game;
    while (!driver.Ended()) {
      if (!game) game = GameOf(driver.pid());
      if (game) peak = std::max(peak, StatusBytes(*game, "VmHWM"));
      usleep(20000);
    }
    if (driver.exit_code() != 0) {
      state.SkipWithError(driver.exit_code() == kSkipped ? "no virtual display server could start"
                                                         : "the short game failed");
      break;
    }
  }
  state.counters["peak_resident_MB"] = peak / kBytesPerMegabyte;
  fs::remove_all(folder);
}
BENCHMARK(BM_MemoryWhilePlaying)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
