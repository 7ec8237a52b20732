// Hostile documents: each ends with a result code within seconds and bounded
// memory, and nothing is read from disk or network.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/inotify.h>
#include <sys/socket.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/sax2/SAX2XMLReader.hpp>
#include <xercesc/sax2/XMLReaderFactory.hpp>

#include "tests/schema/Kindprozess.h"
#include "tests/schema/SchemaTestHilfen.h"
#include "xml/XStr.h"

namespace {

using namespace dvtest;

#if defined(__SANITIZE_ADDRESS__)
constexpr double kZeitFaktor = 4;
constexpr long kSpeicherZuschlagKb = 512 * 1024;  // quarantine and shadow memory
#else
constexpr double kZeitFaktor = 1;
constexpr long kSpeicherZuschlagKb = 0;
#endif

const std::string kDeklaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n";

// A valid transfer document whose payload is inhalt.
std::string transfer(const std::string& inhalt) {
  const std::string text = muster("gueltig_abholung.xml");
  std::string dokument = text;
  dokument.replace(dokument.find("<Nutzdaten/>"), 12, "<Nutzdaten>" + inhalt + "</Nutzdaten>");
  return dokument;
}

int validiereOhneLogger(const std::string& dokument, xercesc::EntityResolver* resolver = nullptr) {
  const auto eigener = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
  return PLUGIN_NAMESPACE::validateXml(dokument.data(), dokument.size(),
                                       PLUGIN_NAMESPACE::kRootSchemaSystemId,
                                       resolver != nullptr ? *resolver : *eigener, nullptr);
}

struct Fall {
  std::string name;
  std::string dokument;
  int code;
  double sekunden;  // limit on this machine without sanitizers
  long zusatzMb;    // memory beyond the document and a small run's peak ...
  int jeByte = 0;   // ... plus this many bytes per document byte
};

void pruefe(const std::vector<Fall>& faelle, xercesc::EntityResolver* resolver = nullptr) {
  const long basisKb =
      imKindprozess([] { return validiereOhneLogger(transfer("")); }, 60 * kZeitFaktor).maxRssKb;
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const auto lauf = imKindprozess([&] { return validiereOhneLogger(fall.dokument, resolver); },
                                    fall.sekunden * kZeitFaktor);
    ASSERT_TRUE(lauf.beendet) << "killed after " << lauf.sekunden << " s";
    EXPECT_EQ(lauf.wert, fall.code);
    const long zusatzKb = lauf.maxRssKb - basisKb - static_cast<long>(fall.dokument.size() / 1024);
    EXPECT_LE(zusatzKb, fall.zusatzMb * 1024 + kSpeicherZuschlagKb +
                            fall.jeByte * static_cast<long>(fall.dokument.size() / 1024));
    std::printf("  %-28s %9zu bytes  %6.2f s  %+7ld KB\n", fall.name.c_str(), fall.dokument.size(),
                lauf.sekunden, zusatzKb);
  }
}

std::string billionLaughs(int stufen) {
  std::string dtd = "<!ENTITY a0 \"ha\">";
  for (int i = 1; i <= stufen; ++i) {
    const std::string vorige = "&a" + std::to_string(i - 1) + ";";
    dtd += "<!ENTITY a" + std::to_string(i) + " \"" + vorige + vorige + vorige + vorige + "\">";
  }
  return dtd;
}

TEST(FeindlicheEingaben, EntitaetenUndDtds) {
  const std::string lachen = "&a" + std::to_string(20) + ";";
  pruefe({
      {"billion laughs",
       kDeklaration + "<!DOCTYPE Arbel [" + billionLaughs(20) + "]><Arbel>" + lachen + "</Arbel>",
       610301006, 5, 16},
      {"externe Entitaet Datei",
       kDeklaration +
           "<!DOCTYPE Arbel [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><Arbel>&e;</Arbel>",
       610301006, 5, 16},
      {"externe DTD Datei", kDeklaration + "<!DOCTYPE Arbel SYSTEM \"/etc/passwd\"><Arbel/>",
       610301201, 5, 16},
      {"externe DTD URL",
       kDeklaration + "<!DOCTYPE Arbel SYSTEM \"http://127.0.0.1:9/a.dtd\"><Arbel/>", 610301201, 5,
       16},
      {"externe DTD leere Id", kDeklaration + "<!DOCTYPE Arbel PUBLIC \"-//x//y\" \"\"><Arbel/>",
       610301006, 5, 16},
      {"externe DTD &-Id", kDeklaration + "<!DOCTYPE Arbel SYSTEM \"&passwd\"><Arbel/>", 610301006,
       5, 16},
  });
}

// A resolver that serves a DTD of nested entities: only the expansion limit
// keeps this from running for hours.
class LachResolver : public xercesc::EntityResolver {
 public:
  xercesc::InputSource* resolveEntity(const XMLCh* const publicId,
                                      const XMLCh* const systemId) override {
    using vesk::util::xml::StrX;
    if (StrX(systemId, StrX::streng).text() != "lachen.dtd") {
      return schemas_->resolveEntity(publicId, systemId);
    }
    return new xercesc::MemBufInputSource(reinterpret_cast<const XMLByte*>(dtd_.data()),
                                          dtd_.size(), systemId);
  }

 private:
  std::string dtd_ = billionLaughs(40);
  std::unique_ptr<xercesc::EntityResolver> schemas_ = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
};

TEST(FeindlicheEingaben, EntitaetenExpansionIstBegrenzt) {
  LachResolver resolver;
  pruefe({{"billion laughs extern",
           kDeklaration + "<!DOCTYPE Arbel SYSTEM \"lachen.dtd\"><Arbel>&a40;</Arbel>", 610301006,
           10, 16}},
         &resolver);
}

TEST(FeindlicheEingaben, GrosseUndTiefeDokumente) {
  const std::size_t kGross = 100u << 20;
  std::string zeilen;
  for (int i = 0; zeilen.size() < kGross; ++i) {
    zeilen += "<Zeile nr=\"" + std::to_string(i) +
              "\">Umsatz 19 % auf Lieferungen und sonstige Leistungen: 1234,56 EUR</Zeile>\n";
  }
  std::string tief;
  for (int i = 0; i < 100000; ++i) tief += "<t>";
  for (int i = 0; i < 100000; ++i) tief += "</t>";
  // The parser streams elements, but keeps one text or attribute value whole,
  // as 16-bit characters in several copies: memory stays linear in its length.
  pruefe({
      {"100 MB Zeilen", transfer(zeilen), 0, 30, 64},
      {"100 MB ein Text", transfer(std::string(kGross, 'x')), 0, 30, 64, 4},
      {"100 MB ein Attribut", transfer("<z a=\"" + std::string(kGross, 'x') + "\"/>"), 0, 30, 64,
       10},
      {"100000 tief in Nutzdaten", transfer(tief), 610301200, 5, 64},
      {"100000 tief als Wurzel", kDeklaration + tief, 610301200, 5, 64},
  });
}

TEST(FeindlicheEingaben, ZufaelligeBytes) {
  std::mt19937 zufall(20240601);  // fixed seed: the same bytes on every run
  std::string bytes(1u << 20, '\0');
  for (auto& b : bytes) b = static_cast<char>(zufall() & 0xff);
  std::string ohneNull = bytes;
  for (auto& b : ohneNull) b = b == 0 ? ' ' : b;
  pruefe({
      {"Zufall", bytes, 610301108, 5, 16},
      {"Zufall nach Deklaration", kDeklaration + bytes, 610301006, 5, 16},
      {"Zufall ohne Null nach <", "<" + ohneNull, 610301108, 5, 16},
  });
}

// A scratch directory, made the working directory while the object lives, whose
// files report every open through inotify.
class BeobachtetesVerzeichnis {
 public:
  explicit BeobachtetesVerzeichnis(const std::vector<std::string>& dateien) {
    char muster[] = "/tmp/dv_schema_XXXXXX";
    pfad_ = mkdtemp(muster);
    for (const auto& datei : dateien) std::ofstream(pfad_ + "/" + datei) << "<!ENTITY x \"y\">";
    vorher_ = getcwd(nullptr, 0);
    EXPECT_EQ(chdir(pfad_.c_str()), 0);
    inotify_ = inotify_init1(IN_NONBLOCK);
    inotify_add_watch(inotify_, pfad_.c_str(), IN_OPEN | IN_ACCESS);
  }
  ~BeobachtetesVerzeichnis() {
    close(inotify_);
    (void)!chdir(vorher_);
    std::free(vorher_);
    std::system(("rm -rf " + pfad_).c_str());
  }
  // Names of the files opened or read since the last call.
  std::vector<std::string> geoeffnet() {
    std::vector<std::string> namen;
    alignas(inotify_event) char puffer[4096];
    for (ssize_t n; (n = read(inotify_, puffer, sizeof puffer)) > 0;) {
      for (char* p = puffer; p < puffer + n;) {
        const auto* ereignis = reinterpret_cast<const inotify_event*>(p);
        if (ereignis->len > 0) namen.push_back(ereignis->name);
        p += sizeof(inotify_event) + ereignis->len;
      }
    }
    return namen;
  }

 private:
  std::string pfad_;
  char* vorher_;
  int inotify_;
};

// A listening loopback socket that nobody should connect to.
class Lauscher {
 public:
  Lauscher() {
    socket_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(bind(socket_, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    EXPECT_EQ(listen(socket_, 4), 0);
    socklen_t laenge = sizeof adresse;
    getsockname(socket_, reinterpret_cast<sockaddr*>(&adresse), &laenge);
    url_ = "http://127.0.0.1:" + std::to_string(ntohs(adresse.sin_port));
  }
  ~Lauscher() { close(socket_); }
  const std::string& url() const { return url_; }
  bool angerufen() const {
    const int verbindung = accept(socket_, nullptr, nullptr);
    if (verbindung >= 0) close(verbindung);
    return verbindung >= 0;
  }

 private:
  int socket_;
  std::string url_;
};

TEST(FeindlicheEingaben, NichtsWirdVonPlatteOderNetzGelesen) {
  BeobachtetesVerzeichnis verzeichnis({"&probe.dtd", "probe.dtd", "probe.xsd"});
  Lauscher lauscher;
  const std::string arbel = "<Arbel xmlns=\"http://divide-vira.example/arbel/transfer\"";
  std::string mitOrten = transfer("");
  mitOrten.replace(mitOrten.find(arbel), arbel.size(),
                   arbel +
                       " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
                       " xsi:schemaLocation=\"http://divide-vira.example/arbel/transfer " +
                       lauscher.url() + "/a.xsd\" xsi:noNamespaceSchemaLocation=\"probe.xsd\"");
  const struct {
    std::string dokument, schemaId;
    int code;
  } FAELLE[] = {
      // Ids the resolver answers with null: the library must not resolve them itself.
      {kDeklaration + "<!DOCTYPE Arbel SYSTEM \"&probe.dtd\"><Arbel/>",
       PLUGIN_NAMESPACE::kRootSchemaSystemId, 610301006},
      {kDeklaration + "<!DOCTYPE Arbel PUBLIC \"-//x//y\" \"\"><Arbel/>",
       PLUGIN_NAMESPACE::kRootSchemaSystemId, 610301006},
      {transfer(""), "&probe.dtd", 610301200},
      {transfer(""), "", 610301200},
      // Refused ids.
      {kDeklaration + "<!DOCTYPE Arbel SYSTEM \"probe.dtd\"><Arbel/>",
       PLUGIN_NAMESPACE::kRootSchemaSystemId, 610301201},
      {kDeklaration + "<!DOCTYPE Arbel SYSTEM \"" + lauscher.url() + "/a.dtd\"><Arbel/>",
       PLUGIN_NAMESPACE::kRootSchemaSystemId, 610301201},
      {transfer(""), lauscher.url() + "/a.xsd", 610301201},
      // Schema locations named in the document are not followed.
      {mitOrten, PLUGIN_NAMESPACE::kRootSchemaSystemId, 0},
  };
  for (const auto& fall : FAELLE) {
    SCOPED_TRACE(fall.dokument.substr(0, 120) + " / " + fall.schemaId);
    const auto resolver = PLUGIN_NAMESPACE::erzeugeVeskEntityResolver();
    EXPECT_EQ(PLUGIN_NAMESPACE::validateXml(fall.dokument.data(), fall.dokument.size(),
                                            fall.schemaId, *resolver, nullptr),
              fall.code);
    EXPECT_EQ(verzeichnis.geoeffnet(), std::vector<std::string>{});
    EXPECT_FALSE(lauscher.angerufen());
  }

  // Control: a reader left to the library's own resolution opens that file,
  // so the probe would have seen it. (In a child: that reader leaks a little.)
  const auto kontrolle = imKindprozess(
      [] {
        using namespace xercesc;
        const std::string dokument = "<!DOCTYPE a SYSTEM \"&probe.dtd\"><a/>";
        MemBufInputSource quelle(reinterpret_cast<const XMLByte*>(dokument.data()), dokument.size(),
                                 u"kontrolle");
        std::unique_ptr<SAX2XMLReader> reader(XMLReaderFactory::createXMLReader());
        reader->parse(quelle);
        return 0;
      },
      60 * kZeitFaktor);
  ASSERT_TRUE(kontrolle.beendet);
  const auto geoeffnet = verzeichnis.geoeffnet();
  ASSERT_FALSE(geoeffnet.empty());
  for (const auto& name : geoeffnet) EXPECT_EQ(name, "&probe.dtd");
}

}  // namespace
