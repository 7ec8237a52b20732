// dvhost validate: schema validation of transfer documents.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>

#include "cli/Ausgabe.h"
#include "cli/Befehl.h"
#include "cli/Json.h"

namespace dvhost {
namespace {

constexpr std::uint64_t kStandardGrenze = 256ull << 20;
constexpr std::size_t kStandardMeldungen = 100;

// Keeps the first lines the module logs for one document, to print them below its result,
// and counts the rest.
class SammelLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  explicit SammelLogger(std::size_t grenze) : grenze_(grenze) {}
  void log(const std::string& zeile) override {
    if (zeilen.size() < grenze_) {
      zeilen.push_back(zeile);
    } else {
      ++weitere;
    }
  }
  bool isEnabled() override { return true; }
  std::vector<std::string> zeilen;
  std::size_t weitere = 0;

 private:
  std::size_t grenze_;
};

// Prints the result of one document and its logged lines; kUngueltig unless it is valid.
// name is the file name for the terminal, roh the same as the system gave it.
int pruefe(Sitzung& sitzung, const std::string& name, const std::string& roh, std::string dokument,
           bool json, std::size_t meldungen) {
  SammelLogger logger(meldungen);
  auto dienst = sitzung.modul().schemaValidationService(&logger);
  TextEingabe eingabe(std::move(dokument));
  const int code = dienst->validate(eingabe);
  const std::string text = sitzung.modul().fehlertextService()->getFehlertext(code);
  if (json) {
    sitzung.jsonZeile(JsonObjekt()
                          .datei("datei", roh)
                          .zahl("code", code)
                          .text("text", text)
                          .texte("meldungen", logger.zeilen)
                          .zahl("weitere_meldungen", static_cast<long long>(logger.weitere))
                          .str());
  } else {
    sitzung.zeile(name + ": " + std::to_string(code) + " " + text);
    for (const auto& zeile : logger.zeilen) sitzung.zeile("  " + zeile);
    if (logger.weitere > 0) {
      sitzung.zeile("  ... und " + std::to_string(logger.weitere) +
                    " weitere Meldungen (--alle-meldungen zeigt alle)");
    }
  }
  return code == 0 ? kAllesGueltig : kUngueltig;
}

// Closes a descriptor that this program opened.
struct Deskriptor {
  int fd;
  ~Deskriptor() {
    if (fd > STDIN_FILENO) ::close(fd);
  }
};

// Reads a whole document ("-": standard input) of at most grenze bytes, as bytes, whatever
// its encoding. Returns 0 or the errno of the failure, EFBIG for a larger document; that
// is known before reading for a plain file, after grenze bytes for a stream.
int liesDokument(const std::string& pfad, std::uint64_t grenze, std::string& inhalt) {
  const Deskriptor d{pfad == "-" ? STDIN_FILENO : ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat info;
  if (d.fd < 0 || ::fstat(d.fd, &info) != 0) return errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  if (S_ISREG(info.st_mode)) {
    if (static_cast<std::uint64_t>(info.st_size) > grenze) return EFBIG;
    inhalt.reserve(static_cast<std::size_t>(info.st_size));
  }
  char puffer[1 << 16];
  for (;;) {
    const ssize_t gelesen = ::read(d.fd, puffer, sizeof puffer);
    if (gelesen == 0) return 0;
    if (gelesen < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (inhalt.size() + static_cast<std::uint64_t>(gelesen) > grenze) return EFBIG;
    inhalt.append(puffer, static_cast<std::size_t>(gelesen));
  }
}

// A size in bytes, with K, M or G for KiB, MiB or GiB.
std::uint64_t alsGroesse(const std::string& text) {
  std::size_t ende = 0;
  std::uint64_t zahl = 0;
  while (ende < text.size() && text[ende] >= '0' && text[ende] <= '9' && zahl < (1ull << 50)) {
    zahl = zahl * 10 + static_cast<unsigned>(text[ende++] - '0');
  }
  const std::string einheit = text.substr(ende);
  const int stellen = einheit.empty()  ? 0
                      : einheit == "K" ? 10
                      : einheit == "M" ? 20
                      : einheit == "G" ? 30
                                       : -1;
  if (ende == 0 || stellen < 0 || zahl >= (1ull << (50 - stellen))) {
    throw Benutzungsfehler("--max-groesse erwartet eine Bytezahl, etwa 1000, 64K, 256M oder 2G");
  }
  return zahl << stellen;
}

int validate(Sitzung& sitzung, const Aufruf& aufruf) {
  if (aufruf.werte.empty()) throw Benutzungsfehler("mindestens eine Datei erwartet");
  const std::uint64_t grenze =
      aufruf.hat("--max-groesse") ? alsGroesse(aufruf.wert("--max-groesse")) : kStandardGrenze;
  const std::size_t meldungen =
      aufruf.hat("--alle-meldungen") ? std::numeric_limits<std::size_t>::max() : kStandardMeldungen;
  int status = kAllesGueltig;
  for (std::size_t i = 0; i < aufruf.werte.size(); ++i) {
    const std::string& name = aufruf.werte[i];
    std::string dokument;
    // File names go to the system as they were given, whatever the locale.
    const int fehler = liesDokument(aufruf.roh[i], grenze, dokument);
    if (fehler == EFBIG) {
      sitzung.fehler(name + ": größer als " + std::to_string(grenze) + " Bytes (--max-groesse)");
    } else if (fehler != 0) {
      meldeSystemfehler(name, fehler);
    }
    status =
        std::max(status, fehler != 0 ? static_cast<int>(kEinAusgabe)
                                     : pruefe(sitzung, name, aufruf.roh[i], std::move(dokument),
                                              aufruf.hat("--json"), meldungen));
  }
  return status;
}

const Befehl befehl{
    "validate",
    "Übertragungsdokumente gegen die Schemas prüfen",
    "Aufruf: dvhost validate [OPTIONEN] DATEI...   (- liest die Standardeingabe)\n"
    "Prüft jede Datei gegen die eingebauten XML-Schemas und die Encoding-Angabe "
    "ISO-8859-15 und gibt Ergebniscode, dessen Klartext und die Protokollzeilen des Moduls "
    "aus. Eine Datei, die fehlt, nicht lesbar, ein Verzeichnis oder zu groß ist, wird mit "
    "dem Grund gemeldet (Exit-Status 3); die übrigen werden trotzdem geprüft.\n"
    "  --max-groesse N   größere Eingaben abweisen, ohne sie ganz zu lesen (Bytes, mit K, M "
    "oder G; Standard 256M)\n"
    "  --alle-meldungen  alle Protokollzeilen ausgeben (sonst höchstens 100 je Dokument und "
    "eine Zeile mit der Zahl der übrigen)\n"
    "  --json            je Dokument ein JSON-Objekt mit datei, code, text, meldungen und "
    "weitere_meldungen (UTF-8); ein Byte des Dateinamens, das kein UTF-8 ist, steht in datei "
    "als \\udcXX (XX sein Wert, wie Pythons surrogateescape), so bleiben alle Namen "
    "unterscheidbar",
    {"--json", "--max-groesse=", "--alle-meldungen"},
    validate};
const BefehlRegistrierung registrierung(befehl);

// A complete transfer document on two lines, and the same with a wrong operation name.
const std::string kDemoDokument =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n"
    "<Arbel xmlns=\"http://divide-vira.example/arbel/transfer\"><TransferHeader version=\"8\">"
    "<Verfahren>ArbelDatenabholung</Verfahren><DatenArt>Abholung</DatenArt>"
    "<Vorgang>send-NoSig</Vorgang><HerstellerID>99999</HerstellerID>"
    "<DatenLieferant>Demo</DatenLieferant><Datei><Verschluesselung>none</Verschluesselung>"
    "<Kompression>none</Kompression><DatenGroesse>1</DatenGroesse><TransportSchluessel/>"
    "</Datei></TransferHeader><DatenTeil><Nutzdatenblock><NutzdatenHeader version=\"10\">"
    "<NutzdatenTicket>1</NutzdatenTicket><Empfaenger id=\"F\">9198</Empfaenger><Hersteller>"
    "<ProduktName>Demo</ProduktName><ProduktVersion>1.0</ProduktVersion></Hersteller>"
    "<DatenLieferant>Demo</DatenLieferant></NutzdatenHeader><Nutzdaten>Größe: 1 €</Nutzdaten>"
    "</Nutzdatenblock></DatenTeil></Arbel>";

std::string mitFalschemVorgang() {
  std::string dokument = kDemoDokument;
  const std::string alt = "send-NoSig";
  return dokument.replace(dokument.find(alt), alt.size(), "senden");
}

const DemoRegistrierung demoGueltig({60, "Schemavalidierung: gültiges Dokument", [](Sitzung& s) {
                                       pruefe(s, "abholung.xml", "abholung.xml", kDemoDokument,
                                              false, kStandardMeldungen);
                                     }});
const DemoRegistrierung demoUngueltig({61, "Schemavalidierung: unbekannter Vorgang",
                                       [](Sitzung& s) {
                                         pruefe(s, "abholung_falsch.xml", "abholung_falsch.xml",
                                                mitFalschemVorgang(), false, kStandardMeldungen);
                                       }});

}  // namespace
}  // namespace dvhost
