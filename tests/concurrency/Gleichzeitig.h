#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace dvtest {

// One named operation and its answer as text (code, output, log lines or exception text).
struct Aufgabe {
  std::string name;
  std::function<std::string()> lauf;
};

// An exception becomes the answer, so that it is compared too.
inline std::string antwortAuf(const Aufgabe& aufgabe) {
  try {
    return aufgabe.lauf();
  } catch (const std::exception& e) {
    return std::string("Ausnahme: ") + e.what();
  }
}

inline std::vector<std::string> fuehreAus(const std::vector<Aufgabe>& aufgaben) {
  std::vector<std::string> antworten;
  antworten.reserve(aufgaben.size());
  for (const Aufgabe& aufgabe : aufgaben) antworten.push_back(antwortAuf(aufgabe));
  return antworten;
}

// Runs erzeuge in a forked child and returns what it produced. The caller's process
// stays untouched: whatever the child loads and initialises dies with it.
inline std::vector<std::string> imKindprozess(
    const std::function<std::vector<std::string>()>& erzeuge) {
  int rohr[2];
  if (pipe(rohr) != 0) throw std::runtime_error("pipe");
  const pid_t kind = fork();
  if (kind < 0) throw std::runtime_error("fork");
  if (kind == 0) {
    close(rohr[0]);
    std::string daten;
    for (const std::string& s : erzeuge()) {
      const std::uint64_t laenge = s.size();
      daten.append(reinterpret_cast<const char*>(&laenge), sizeof laenge).append(s);
    }
    for (std::size_t geschrieben = 0; geschrieben < daten.size();) {
      const ssize_t n = write(rohr[1], daten.data() + geschrieben, daten.size() - geschrieben);
      if (n <= 0) _exit(1);
      geschrieben += static_cast<std::size_t>(n);
    }
    _exit(0);
  }
  close(rohr[1]);
  std::string daten;
  char puffer[65536];
  for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;) daten.append(puffer, n);
  close(rohr[0]);
  int status = 0;
  waitpid(kind, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("Kindprozess gescheitert");
  }
  std::vector<std::string> ergebnis;
  for (std::size_t pos = 0; pos + sizeof(std::uint64_t) <= daten.size();) {
    std::uint64_t laenge = 0;
    daten.copy(reinterpret_cast<char*>(&laenge), sizeof laenge, pos);
    pos += sizeof laenge;
    ergebnis.push_back(daten.substr(pos, laenge));
    pos += laenge;
  }
  return ergebnis;
}

// Cyclic barrier: each round releases all threads together once the last one arrives.
class Schranke {
 public:
  explicit Schranke(std::size_t anzahl) : anzahl_(anzahl), offen_(anzahl) {}
  void warte() {
    std::unique_lock<std::mutex> sperre(mutex_);
    const std::size_t runde = runde_;
    if (--offen_ == 0) {
      offen_ = anzahl_;
      ++runde_;
      bedingung_.notify_all();
    } else {
      bedingung_.wait(sperre, [&] { return runde_ != runde; });
    }
  }

 private:
  std::mutex mutex_;
  std::condition_variable bedingung_;
  const std::size_t anzahl_;
  std::size_t offen_, runde_ = 0;
};

// Runs arbeit(t, schranke) on threads t = 0 .. anzahl-1, released together.
inline void laufeGleichzeitig(std::size_t anzahl,
                              const std::function<void(std::size_t, Schranke&)>& arbeit) {
  Schranke schranke(anzahl);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < anzahl; ++t) {
    threads.emplace_back([&, t] {
      schranke.warte();
      arbeit(t, schranke);
    });
  }
  for (std::thread& thread : threads) thread.join();
}

// Names of the tasks whose answers differ from the reference. First every task in lockstep:
// all threads run task i, then meet at the barrier before task i+1. So whatever a task
// builds on first use is built by all threads at once, with nothing between them that
// orders one thread's construction before another's read, and ThreadSanitizer sees every
// unguarded one-time construction. Then all tasks once more without barriers, each thread
// starting at task versatz, for contention on state that is already built.
inline std::vector<std::string> abweichungen(const std::vector<Aufgabe>& aufgaben,
                                             const std::vector<std::string>& referenz,
                                             Schranke& schranke, std::size_t versatz) {
  std::vector<std::string> namen;
  auto pruefe = [&](std::size_t k) {
    if (k >= referenz.size() || antwortAuf(aufgaben[k]) != referenz[k]) {
      namen.push_back(aufgaben[k].name);
    }
  };
  for (std::size_t k = 0; k < aufgaben.size(); ++k) {
    schranke.warte();
    pruefe(k);
  }
  for (std::size_t i = 0; i < aufgaben.size(); ++i) pruefe((i + versatz) % aufgaben.size());
  return namen;
}

}  // namespace dvtest
