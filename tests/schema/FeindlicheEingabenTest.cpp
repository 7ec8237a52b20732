// Hostile documents: each ends with a result code within seconds and bounded
// memory, and no file or network address named in them is ever opened.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>

#include "schema/VeskEntityResolver.h"
#include "schema/XmlValidierung.h"
#include "tests/schema/SchemaTestHilfen.h"
#include "xml/XStr.h"
#include "xml/XmlPlattform.h"

namespace {

using namespace dvtest;

#if defined(__SANITIZE_ADDRESS__)
constexpr double kZeitFaktor = 4;
constexpr long kSpeicherZuschlagKb = 512 * 1024;  // quarantine and shadow memory
#else
constexpr double kZeitFaktor = 1;
constexpr long kSpeicherZuschlagKb = 0;
#endif

// Outcome of a function run in a child process under a time limit.
struct KindLauf {
  bool beendet;     // finished within the limit
  int wert;         // what the function returned
  double sekunden;  // wall time until it finished or was killed
  long maxRssKb;    // the child's peak resident memory
};

// Runs funktion in a forked child; kills it after zeitlimitSekunden. Memory the
// child only shares with this process counts once it touches it.
KindLauf imKindprozess(const std::function<int()>& funktion, double zeitlimitSekunden) {
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

const std::string kDeklaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n";

// A valid transfer document whose payload is inhalt.
std::string transfer(const std::string& inhalt) {
  std::string dokument = muster("gueltig_abholung.xml");
  return dokument.replace(dokument.find("<Nutzdaten/>"), 12,
                          "<Nutzdaten>" + inhalt + "</Nutzdaten>");
}

std::string billionLaughs(int stufen) {
  std::string dtd = "<!ENTITY a0 \"ha\">";
  for (int i = 1; i <= stufen; ++i) {
    const std::string vorige = "&a" + std::to_string(i - 1) + ";";
    dtd += "<!ENTITY a" + std::to_string(i) + " \"" + vorige + vorige + vorige + vorige + "\">";
  }
  return dtd;
}

// A scratch working directory whose files report every open through inotify,
// and a listening loopback socket that reports every connection.
class Beobachter {
 public:
  explicit Beobachter(const std::vector<std::string>& dateien) {
    char muster[] = "/tmp/dv_schema_XXXXXX";
    pfad_ = mkdtemp(muster);
    for (const auto& datei : dateien) std::ofstream(pfad_ + "/" + datei) << "<!ENTITY x \"y\">";
    vorher_ = getcwd(nullptr, 0);
    EXPECT_EQ(chdir(pfad_.c_str()), 0);
    inotify_ = inotify_init1(IN_NONBLOCK);
    inotify_add_watch(inotify_, pfad_.c_str(), IN_OPEN | IN_ACCESS);
    socket_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t laenge = sizeof adresse;
    EXPECT_EQ(bind(socket_, reinterpret_cast<sockaddr*>(&adresse), laenge), 0);
    EXPECT_EQ(listen(socket_, 4), 0);
    getsockname(socket_, reinterpret_cast<sockaddr*>(&adresse), &laenge);
    url = "http://127.0.0.1:" + std::to_string(ntohs(adresse.sin_port));
  }
  ~Beobachter() {
    close(socket_);
    close(inotify_);
    (void)!chdir(vorher_);
    std::free(vorher_);
    std::system(("rm -rf " + pfad_).c_str());
  }
  // Names of the files opened or read since the last call; "<netz>" for a connection.
  std::vector<std::string> zugriffe() {
    std::vector<std::string> namen;
    alignas(inotify_event) char puffer[4096];
    for (ssize_t n; (n = read(inotify_, puffer, sizeof puffer)) > 0;) {
      for (char* p = puffer; p < puffer + n;) {
        const auto* ereignis = reinterpret_cast<const inotify_event*>(p);
        if (ereignis->len > 0) namen.push_back(ereignis->name);
        p += sizeof(inotify_event) + ereignis->len;
      }
    }
    for (int verbindung; (verbindung = accept(socket_, nullptr, nullptr)) >= 0; close(verbindung)) {
      namen.push_back("<netz>");
    }
    return namen;
  }
  std::string url;

 private:
  std::string pfad_;
  char* vorher_;
  int inotify_, socket_;
};

struct Fall {
  std::string name, dokument;
  int code;
  double sekunden = 5;  // limit on this machine without sanitizers
  long zusatzMb = 16;   // memory beyond the document and a small run's peak ...
  int jeByte = 0;       // ... plus this many bytes per document byte
};

int validiere(const Fall& fall) {
  PLUGIN_NAMESPACE::GrammatikSpeicher grammatik(PLUGIN_NAMESPACE::kRootSchemaSystemId);
  const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  return PLUGIN_NAMESPACE::validateXml(fall.dokument.data(), fall.dokument.size(), grammatik,
                                       *resolver, nullptr);
}

TEST(FeindlicheEingaben, EndenMitCodeInZeitUndSpeicherOhneZugriffNachAussen) {
  Beobachter beobachter({"&probe.dtd", "probe.dtd", "probe.xsd"});
  const std::size_t kGross = 100u << 20;
  std::string zeilen, tief, zufall(1u << 20, '\0');
  for (int i = 0; zeilen.size() < kGross; ++i) {
    zeilen += "<Zeile nr=\"" + std::to_string(i) +
              "\">Umsatz 19 % auf Lieferungen und sonstige Leistungen: 1234,56 EUR</Zeile>\n";
  }
  for (int i = 0; i < 100000; ++i) tief += "<t>";
  for (int i = 0; i < 100000; ++i) tief += "</t>";
  std::mt19937 erzeuger(20240601);  // fixed seed: the same bytes on every run
  for (auto& b : zufall) b = static_cast<char>(erzeuger() & 0xff);
  std::string zufallOhneNull = zufall;
  for (auto& b : zufallOhneNull) b = b == 0 ? ' ' : b;
  // Schema locations named in the document itself are not followed.
  std::string mitOrten = transfer("");
  const std::string arbel = "<Arbel xmlns=\"http://divide-vira.example/arbel/transfer\"";
  mitOrten.replace(mitOrten.find(arbel), arbel.size(),
                   arbel +
                       " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
                       " xsi:schemaLocation=\"http://divide-vira.example/arbel/transfer " +
                       beobachter.url + "/a.xsd\" xsi:noNamespaceSchemaLocation=\"probe.xsd\"");
  const auto doctype = [](const std::string& rest, const std::string& wurzel = "<Arbel/>") {
    return kDeklaration + "<!DOCTYPE Arbel " + rest + ">" + wurzel;
  };
  const std::vector<Fall> kFaelle = {
      {"billion laughs", doctype("[" + billionLaughs(20) + "]", "<Arbel>&a20;</Arbel>"), 610301006},
      {"externe Entitaet", doctype("[<!ENTITY e SYSTEM \"probe.dtd\">]", "<Arbel>&e;</Arbel>"),
       610301006},
      // Refused ids: a file, a URL.
      {"externe DTD Datei", doctype("SYSTEM \"probe.dtd\""), 610301201},
      {"externe DTD URL", doctype("SYSTEM \"" + beobachter.url + "/a.dtd\""), 610301201},
      // Ids the resolver answers with null: the library must not resolve them itself.
      {"externe DTD &-Id", doctype("SYSTEM \"&probe.dtd\""), 610301006},
      {"externe DTD leere Id", doctype("PUBLIC \"-//x//y\" \"\""), 610301006},
      {"Schemaorte im Dokument", mitOrten, 0},
      // The parser streams elements, but keeps one text or attribute value whole,
      // as 16-bit characters in several copies: memory stays linear in its length.
      {"100 MB Zeilen", transfer(zeilen), 0, 30, 64},
      {"100 MB ein Text", transfer(std::string(kGross, 'x')), 0, 30, 64, 4},
      {"100 MB ein Attribut", transfer("<z a=\"" + std::string(kGross, 'x') + "\"/>"), 0, 30, 64,
       10},
      {"100000 tief in Nutzdaten", transfer(tief), 610301200, 5, 64},
      {"100000 tief als Wurzel", kDeklaration + tief, 610301200, 5, 64},
      {"Zufall", zufall, 610301108},
      {"Zufall nach Deklaration", kDeklaration + zufall, 610301006},
      {"Zufall ohne Null nach <", "<" + zufallOhneNull, 610301108},
  };
  const Fall klein{"klein", transfer(""), 0};
  const long basisKb = imKindprozess([&] { return validiere(klein); }, 60 * kZeitFaktor).maxRssKb;
  for (const auto& fall : kFaelle) {
    SCOPED_TRACE(fall.name);
    const auto lauf = imKindprozess([&] { return validiere(fall); }, fall.sekunden * kZeitFaktor);
    ASSERT_TRUE(lauf.beendet) << "killed after " << lauf.sekunden << " s";
    EXPECT_EQ(lauf.wert, fall.code);
    const long kb = static_cast<long>(fall.dokument.size() / 1024);
    const long zusatzKb = lauf.maxRssKb - basisKb - kb;
    EXPECT_LE(zusatzKb, fall.zusatzMb * 1024 + kSpeicherZuschlagKb + fall.jeByte * kb);
    EXPECT_EQ(beobachter.zugriffe(), std::vector<std::string>{});
    std::printf("  %-26s %9zu bytes  %6.2f s  %+7ld KB\n", fall.name.c_str(), fall.dokument.size(),
                lauf.sekunden, zusatzKb);
  }

  // Control: a reader left to the library's own resolution opens the probe
  // file, so the watch would have seen it. (In a child: that reader leaks.)
  const auto kontrolle = imKindprozess(
      [] {
        vesk::util::xml::xmlPlattform();
        const std::string dokument = "<!DOCTYPE a SYSTEM \"&probe.dtd\"><a/>";
        xercesc::MemBufInputSource quelle(reinterpret_cast<const XMLByte*>(dokument.data()),
                                          dokument.size(), u"kontrolle");
        std::unique_ptr<xercesc::SAX2XMLReader> reader(
            xercesc::XMLReaderFactory::createXMLReader());
        reader->parse(quelle);
        return 0;
      },
      60 * kZeitFaktor);
  ASSERT_TRUE(kontrolle.beendet);
  const auto zugriffe = beobachter.zugriffe();
  ASSERT_FALSE(zugriffe.empty());
  for (const auto& name : zugriffe) EXPECT_EQ(name, "&probe.dtd");
}

}  // namespace
