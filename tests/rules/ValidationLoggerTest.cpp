#include <gtest/gtest.h>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <string>
#include <vector>

#include "rules/DatenImpl.h"
#include "rules/LoggerUtilImpl.h"
#include "rules/ValidationLogger.h"

namespace zudadavizu_20_0 {
namespace {

// Records "<kind>:<text>" per log call; query k answers bit k of the mask.
class Aufzeichner : public ILogger {
 public:
  explicit Aufzeichner(unsigned maske) : maske_(maske) {}
  void log1(const std::string& m) override { zeilen.push_back("1:" + m); }
  void log2(const std::string& m) override { zeilen.push_back("2:" + m); }
  void log3(const std::string& m) override { zeilen.push_back("3:" + m); }
  void log4(const std::string& m) override { zeilen.push_back("4:" + m); }
  void log5(const std::string& m) override { zeilen.push_back("5:" + m); }
  void log6(const std::string& m) override { zeilen.push_back("6:" + m); }
  bool ist1() const override { return maske_ & 1u << 1; }
  bool ist2() const override { return maske_ & 1u << 2; }
  bool ist3() const override { return maske_ & 1u << 3; }
  bool ist4() const override { return maske_ & 1u << 4; }
  bool ist5() const override { return maske_ & 1u << 5; }
  bool ist6() const override { return maske_ & 1u << 6; }

  std::vector<std::string> zeilen;

 private:
  unsigned maske_;
};

// The number between the prefix and " microsec", or -1 when the line has another form.
long long mikrosekunden(const std::string& zeile, const std::string& anfang) {
  const std::string ende = " microsec";
  if (zeile.compare(0, anfang.size(), anfang) != 0 || zeile.size() <= anfang.size() + ende.size() ||
      zeile.compare(zeile.size() - ende.size(), ende.size(), ende) != 0) {
    return -1;
  }
  const std::string zahl = zeile.substr(anfang.size(), zeile.size() - anfang.size() - ende.size());
  if (zahl.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stoll(zahl);
}

TEST(ValidationLogger, Weiterleitung) {
  // Slots 3 to 8 go to log2, log3, log1, log5, log6, log4 in this order.
  Aufzeichner ziel(0);
  ValidationLogger logger(ziel);
  logger.debug("a");
  logger.info("b");
  logger.trace("c");
  logger.error("d");
  logger.fatal("e");
  logger.warn("f");
  EXPECT_EQ(ziel.zeilen, (std::vector<std::string>{"2:a", "3:b", "1:c", "5:d", "6:e", "4:f"}));
}

TEST(ValidationLogger, Abfragen) {
  // Slots 9 to 14 answer ist1, ist3, ist2, ist4, ist5, ist6: with only query k set exactly
  // the slot paired with it answers true.
  for (unsigned k = 1; k <= 6; ++k) {
    Aufzeichner ziel(1u << k);
    const ValidationLogger logger(ziel);
    const std::vector<bool> antworten = {logger.istTrace(), logger.istDebug(), logger.istInfo(),
                                         logger.istWarn(),  logger.istError(), logger.istFatal()};
    for (unsigned i = 0; i < 6; ++i) EXPECT_EQ(antworten[i], i + 1 == k) << k << " " << i;
  }
}

TEST(ValidationLogger, RegelmeldungenNurMitIst3) {
  const DatenImpl daten;
  const IdentifierImpl feld("Feld", {3}, 7);
  for (unsigned maske : {0u, 1u << 2, 1u << 3}) {
    Aufzeichner ziel(maske);
    ValidationLogger logger(ziel);
    logger.regelNichtAusgewertet("R1", "Grund.");
    logger.regelFeuert("R2", feld, daten);
    const std::vector<std::string> erwartet =
        maske == 1u << 3 ? std::vector<std::string>{"2:Regel <R1> wird nicht ausgewertet. Grund.",
                                                    "2:Regel 'R2' feuert für 'Feld/3.1@7'"}
                         : std::vector<std::string>{};
    EXPECT_EQ(ziel.zeilen, erwartet) << maske;
  }
}

TEST(ValidationLogger, Zeitmessung) {
  using namespace boost::posix_time;
  Aufzeichner aus(0);
  EXPECT_TRUE(ValidationLogger(aus).zeitstempel().is_not_a_date_time());
  ValidationLogger(aus).logDauer("x", microsec_clock::local_time());
  EXPECT_TRUE(aus.zeilen.empty());

  Aufzeichner an(1u << 3);
  ValidationLogger logger(an);
  const ptime vorher = microsec_clock::local_time();
  const ptime stempel = logger.zeitstempel();
  EXPECT_GE(stempel, vorher);
  EXPECT_LE(stempel - vorher, seconds(5));
  // Started 1.5 s ago: the elapsed time is at least 1,500,000 microseconds.
  const ptime start = microsec_clock::local_time() - microseconds(1500000);
  logger.logDauer("Pruefung", start);
  logger.logDauer("Regel", 42, start);
  logger.logDauer("ohne Start", ptime(not_a_date_time));
  ASSERT_EQ(an.zeilen.size(), 3u);
  const long long dauer = mikrosekunden(an.zeilen[0], "3:Pruefung: ");
  EXPECT_GE(dauer, 1500000) << an.zeilen[0];
  EXPECT_LT(dauer, 60000000) << an.zeilen[0];
  EXPECT_GE(mikrosekunden(an.zeilen[1], "3:Regel(42): "), 1500000) << an.zeilen[1];
  EXPECT_EQ(an.zeilen[2], "3:ohne Start: -1 microsec");
}

TEST(LoggerUtilImpl, WillNichts) {
  LoggerUtilImpl logger;
  EXPECT_FALSE(logger.ist1() || logger.ist2() || logger.ist3() || logger.ist4() || logger.ist5() ||
               logger.ist6());
  logger.log1("verworfen");
}

}  // namespace
}  // namespace zudadavizu_20_0
