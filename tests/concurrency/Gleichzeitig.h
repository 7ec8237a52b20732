#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/IbanBeispiele.h"

namespace dvtest {

// The inputs of every operation, valid and invalid mixed; what each gives is taken from the
// single-threaded run.
inline std::vector<std::string> werte() {
  std::vector<std::string> t(std::begin(IBAN_BEISPIELE), std::end(IBAN_BEISPIELE));
  auto fuegeAn = [&t](const char* liste) {  // the texts between the '|'
    std::istringstream s(liste);
    for (std::string wert; std::getline(s, wert, '|');) t.push_back(wert);
  };
  // Published samples of IBANs (above), VAT numbers, BICs and identification numbers.
  fuegeAn(
      "ATU13585627|BE0428759497|BG175074752|BG7523169263|CY10259033P|CZ25123891|CZ640903926|"
      "CZ7103192745|DE136695976|DK13585628|EE100931558|EL094259216|ES54362315K|ESA13585625|"
      "ESX2482300W|FI20774740|FR40303265045|FRK7399859412|GB802311782|HR33392005961|"
      "HU12892312|IE6433435F|IT00743110157|LT100001919017|LT119511515|LU15027442|"
      "LV16117519997|LV40003521600|MT11679112|NL004495445B01|PL5260001246|PT501964843|"
      "RO11198699|SE123456789701|SI50223054|SK2022749619|DEUTDEFF|DEUTDEFF500|MARKDEF1100|"
      "BNPAFRPP|86095742719|65929970489|57549285017");
  for (std::size_t i = 0, n = t.size(); i < n; ++i) {  // each with its last character changed
    t.push_back(t[i]);
    t.back().back() = t[i].back() == '1' ? '2' : '1';
  }
  // The first listed office of each Land, test office 1096, 2380 (a record outside the lists), 1191
  // (no record), the Bayern office 9181, and tax numbers of each with every check digit.
  for (int amt : {1010, 1113, 1127, 2111, 2201, 2303, 2457, 2601, 2613, 2701, 2801, 3046, 3102,
                  3202, 4069, 4151, 5101, 5201, 5301, 9101, 9181, 9201, 1096, 2380, 1191}) {
    t.push_back(std::to_string(amt));
    for (char p = '0'; p <= '9'; ++p) t.push_back(std::to_string(amt) + "01234567" + p);
  }
  for (int n = -1; n <= 101; ++n) t.push_back(std::to_string(n));  // Land keys, message numbers
  // Extremes, Land abbreviations and notations, dates, e-mail addresses, malformed texts.
  fuegeAn(
      "-2147483648|2147483647|9999|10000|8990999|610001034|610301200|28abc|BY|NW|by|XX|B|BYY|"
      "1/22|27-12-340|27\\123\\45673|181/123/45678|013 123 45678|1.1.04|29.02.04|29.02.01|"
      "31.04.10|01.13.10|01-01-10|12.99|00.50|13.04|a@b.de|x@localhost|@example.de|a@@b.de|"
      "a b@c.de|\xE4@b.de||x|1234567890a|11111111111|11270123456733|9116080000000|"
      "de89370400440532013000|DEUTDEF\xE4|DE89 3704 0044 0532 0130 00");
  return t;
}

// One named operation, applied to every input of werte() unless it brings its own.
struct Aufgabe {
  std::string name;
  std::vector<std::string> eigeneWerte;
  std::function<std::string(const std::string&)> op;
};

// What the code under test logged on this thread during the current call.
inline thread_local std::string protokoll;

// The answers of a task, each followed by its log and ';'; an exception's text is an answer too.
inline std::string antworten(const Aufgabe& a) {
  static const std::vector<std::string> alle = werte();
  std::string text;
  for (const std::string& wert : a.eigeneWerte.empty() ? alle : a.eigeneWerte) {
    try {
      text += a.op(wert);
    } catch (const std::exception& e) {
      text += std::string("Ausnahme: ") + e.what();
    }
    text += protokoll + ';';
    protokoll.clear();
  }
  return text;
}

// The answers of all tasks from one thread of a forked child: whatever the child builds on first
// use dies with it, so this process stays unused. Answers hold no NUL byte.
inline std::vector<std::string> einzelnImKind(const std::vector<Aufgabe>& aufgaben) {
  std::FILE* datei = std::tmpfile();
  if (fork() == 0) {
    for (const Aufgabe& a : aufgaben) {
      const std::string text = antworten(a);
      std::fwrite(text.c_str(), 1, text.size() + 1, datei);
    }
    _exit(std::fflush(datei));
  }
  int status = 1;
  wait(&status);
  EXPECT_EQ(status, 0) << "Kindprozess gescheitert";
  std::rewind(datei);
  std::string alles;
  for (int c; (c = std::getc(datei)) != EOF;) alles += static_cast<char>(c);
  std::fclose(datei);
  std::istringstream zerlegt(alles);
  std::vector<std::string> texte;
  for (std::string text; std::getline(zerlegt, text, '\0');) texte.push_back(text);
  texte.resize(aufgaben.size());
  return texte;
}

// Runs the tasks on eight threads and expects every answer to equal the single-threaded one.
// First all threads run task k together and wait for each other before task k+1, so whatever a
// task builds on first use is built by all threads at once (ThreadSanitizer then sees any
// unguarded one-time construction); then all tasks once more without waiting, each thread from
// its own offset. Returns the single-threaded answers by task name.
inline std::map<std::string, std::string> pruefeGleichzeitig(const std::vector<Aufgabe>& aufgaben) {
  constexpr std::size_t kThreads = 8;
  const std::vector<std::string> einzeln = einzelnImKind(aufgaben);
  const std::size_t n = aufgaben.size();
  std::atomic<std::size_t> angekommen{0};
  std::vector<std::vector<std::string>> abweichend(kThreads);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      auto pruefe = [&](std::size_t k) {
        if (antworten(aufgaben[k]) != einzeln[k]) abweichend[t].push_back(aufgaben[k].name);
      };
      for (std::size_t k = 0; k < n; ++k) {
        for (++angekommen; angekommen < (k + 1) * kThreads;) std::this_thread::yield();
        pruefe(k);
      }
      for (std::size_t i = 0; i < n; ++i) pruefe((i + t * n / kThreads) % n);
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (std::size_t t = 0; t < kThreads; ++t) {
    EXPECT_TRUE(abweichend[t].empty()) << "Thread " << t << ", zuerst " << abweichend[t].front();
  }
  std::map<std::string, std::string> nachName;
  for (std::size_t k = 0; k < n; ++k) nachName[aufgaben[k].name] = einzeln[k];
  return nachName;
}

}  // namespace dvtest
