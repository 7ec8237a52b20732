#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <stdexcept>

namespace dvtest {

// Outcome of a function run in a child process under a time limit.
struct KindLauf {
  bool beendet;     // finished within the limit
  int wert;         // what the function returned
  double sekunden;  // wall time until it finished or was killed
  long maxRssKb;    // the child's peak resident memory
};

// Runs funktion in a forked child; kills it after zeitlimitSekunden. Memory the
// child only shares with this process counts once it touches it.
inline KindLauf imKindprozess(const std::function<int()>& funktion, double zeitlimitSekunden) {
  int rohr[2];
  if (pipe(rohr) != 0) throw std::runtime_error("pipe");
  const auto start = std::chrono::steady_clock::now();
  const pid_t kind = fork();
  if (kind < 0) throw std::runtime_error("fork");
  if (kind == 0) {
    close(rohr[0]);
    const int wert = funktion();
    (void)!write(rohr[1], &wert, sizeof wert);
    _exit(0);
  }
  close(rohr[1]);
  pollfd warte{rohr[0], POLLIN, 0};
  const bool beendet = poll(&warte, 1, static_cast<int>(zeitlimitSekunden * 1000)) == 1;
  int wert = 0;
  if (!beendet || read(rohr[0], &wert, sizeof wert) != sizeof wert) kill(kind, SIGKILL);
  close(rohr[0]);
  int status = 0;
  rusage verbrauch{};
  wait4(kind, &status, 0, &verbrauch);
  const double sekunden =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const bool sauber = beendet && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return {sauber, wert, sekunden, verbrauch.ru_maxrss};
}

}  // namespace dvtest
