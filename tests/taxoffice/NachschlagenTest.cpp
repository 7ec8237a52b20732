// Lookups over the directory, the host record, the address view and the list
// helpers of the XML answers. Expected values: the atoi and lexical rules of
// the lookups, worked out by hand per case.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "taxoffice/FinanzamtAdresseImpl.h"
#include "taxoffice/FinanzamtListenXml.h"
#include "taxoffice/Finanzamtsdaten.h"
#include "taxoffice/Finanzamtstabellen.h"

namespace {

using namespace vesk::divideVira;

TEST(Nachschlagen, FindeFinanzamtEintragReadsTheNumberLikeAtoi) {
  struct Fall {
    const char* text;
    int erwartet;  // 0: no record
  };
  const std::vector<Fall> faelle = {
      {"1010", 1010},    {"01010", 1010},   {" 1010", 1010},
      {"\t+1010", 1010}, {"1010abc", 1010},  // trailing characters ignored
      {"10a10", 0},                          // reads as 10
      {"", 0},           {"abc", 0},        {"-1010", 0},
      {"9259", 9259},    {"9260", 0},       {"1096", 0},  // a test office has no record
      {"2380", 2380},                                     // records outside every list are found
  };
  for (const auto& f : faelle) {
    const FinanzamtEintrag* e = findeFinanzamtEintrag(f.text);
    if (f.erwartet == 0) {
      EXPECT_EQ(e, nullptr) << f.text;
    } else {
      ASSERT_NE(e, nullptr) << f.text;
      EXPECT_EQ(e->nummer, f.erwartet) << f.text;
    }
  }
  EXPECT_STREQ(findeFinanzamtEintrag("1010")->Name, "Saarlouis");
}

TEST(Nachschlagen, TestOffices) {
  EXPECT_EQ(findeTestfinanzamtName("1096"), "Testfinanzamt Saarland");
  EXPECT_EQ(findeTestfinanzamtName(" 5400x"), "Testfinanzamt Nordrhein-Westfalen -5400-");
  EXPECT_EQ(findeTestfinanzamtName("1010"), "");
  EXPECT_EQ(findeTestfinanzamtName("0"), "");
  EXPECT_EQ(findeTestfinanzamtName(""), "");
  struct Fall {
    int nummer;
    bool test;
  };
  for (const Fall& f : std::vector<Fall>{{1096, true},
                                         {1097, true},
                                         {5400, true},
                                         {5624, true},
                                         {5625, false},
                                         {9299, true},
                                         {1010, false},
                                         {0, false},
                                         {-1096, false},
                                         {1096 + 65536, false}}) {
    EXPECT_EQ(istTestfinanzamt(f.nummer), f.test) << f.nummer;
  }
}

TEST(Nachschlagen, ListOffices) {
  struct Fall {
    int nummer;
    bool gelistet;
  };
  for (const Fall& f : std::vector<Fall>{{1010, true},
                                         {1127, true},
                                         {2801, true},
                                         {9181, true},
                                         {2380, false},  // record, but in no list
                                         {5400, false},  // key 54 has no list
                                         {1096, false},  // test office
                                         {1115, false},
                                         {0, false},
                                         {-1010, false},
                                         {1010 + 65536, false}}) {
    EXPECT_EQ(istListenFinanzamt(f.nummer), f.gelistet) << f.nummer;
  }
}

TEST(Nachschlagen, LandTable) {
  EXPECT_EQ(holeBundeslandKuerzel(5), "BF");
  EXPECT_EQ(holeBundeslandKuerzel(51), "NW");
  EXPECT_EQ(holeBundeslandKuerzel(23), "ND");
  EXPECT_EQ(holeBundeslandKuerzel(25), "");
  EXPECT_EQ(holeBundeslandKuerzel(0), "");
  for (int n : {5, 10, 28, 54, 56, 92}) EXPECT_TRUE(istBundeslandNummer(n)) << n;
  for (int n : {0, 1, 25, 57, 90, 93, -28}) EXPECT_FALSE(istBundeslandNummer(n)) << n;
  for (const char* k : {"BW", "BY", "ND", "NW", "BF", "TH"}) EXPECT_TRUE(istBundeslandKuerzel(k));
  for (const char* k : {"nw", "NI", "", "B", "BWX", " BW"}) EXPECT_FALSE(istBundeslandKuerzel(k));
}

TEST(Finanzamtsdaten, DefaultsFlagsAndSelfAssignment) {
  vesk::wex2::Finanzamtsdaten daten;
  EXPECT_TRUE(daten.getKennzeichenA());
  EXPECT_FALSE(daten.getKennzeichenB());
  EXPECT_EQ(daten.getBuFaNummer(), "");
  EXPECT_EQ(daten.getBezugText(), "");
  daten.setKennzeichenA(false);
  daten.setKennzeichenB(true);
  EXPECT_FALSE(daten.getKennzeichenA());
  EXPECT_TRUE(daten.getKennzeichenB());

  daten.setName("Saarlouis");
  daten.setName(daten.getName());
  EXPECT_EQ(daten.getName(), "Saarlouis");
  daten.setOrt("Köln");
  EXPECT_EQ(daten.getOrt(), "Köln");
  EXPECT_EQ(daten.getName(), "Saarlouis");  // fields are independent
}

TEST(FinanzamtAdresseImpl, TakesTheFourAddressFields) {
  vesk::wex2::Finanzamtsdaten daten;
  daten.setStrasse("Am Stadtgraben 1");
  daten.setPlz("66111");
  daten.setOrt("Saarbrücken");
  daten.setName("Saarbrücken Am Stadtgraben");
  daten.setTelefon("0681 1234-0");
  vesk::wex2::FinanzamtAdresseImpl adresse;
  adresse.uebernimm(daten);
  EXPECT_EQ(adresse.getStrasse(), "Am Stadtgraben 1");
  EXPECT_EQ(adresse.getPlz(), "66111");
  EXPECT_EQ(adresse.getOrt(), "Saarbrücken");
  EXPECT_EQ(adresse.getName(), "Saarbrücken Am Stadtgraben");
  adresse.uebernimm(vesk::wex2::Finanzamtsdaten());
  EXPECT_EQ(adresse.getStrasse(), "");
  EXPECT_EQ(adresse.getName(), "");
}

TEST(ListenPaare, PaddingAndNrwFilter) {
  const FinanzamtListenEintrag liste[] = {
      {5, "Bund"},      {28, "BW"},      {54, "NW54"},     {56, "NW56"},
      {57, "X"},        {5399, "vor"},   {5400, "erstes"}, {5699, "letztes"},
      {5700, "danach"}, {12345, "lang"}, {0, ""}};
  std::vector<FinanzamtListenPaar> ohne, mit;
  erzeugeListenPaare(liste, 2, false, ohne);
  erzeugeListenPaare(liste, 4, true, mit);
  EXPECT_EQ(ohne, (std::vector<FinanzamtListenPaar>{{"05", "Bund"},
                                                    {"28", "BW"},
                                                    {"57", "X"},
                                                    {"5399", "vor"},
                                                    {"5700", "danach"},
                                                    {"12345", "lang"}}));
  ASSERT_EQ(mit.size(), 10u);
  EXPECT_EQ(mit[0], (FinanzamtListenPaar{"0005", "Bund"}));
  EXPECT_EQ(mit[2], (FinanzamtListenPaar{"0054", "NW54"}));
  EXPECT_EQ(mit[9], (FinanzamtListenPaar{"12345", "lang"}));

  std::vector<FinanzamtListenPaar> angehaengt = {{"x", "y"}};
  erzeugeListenPaare(liste + 9, 4, false, angehaengt);
  EXPECT_EQ(angehaengt.size(), 2u);  // appends, keeps what was there
}

class SammelnderLogger : public vesk::plugin2::iface::IPluginLogger {
 public:
  void log(const std::string& zeile) override { zeilen.push_back(zeile); }
  bool isEnabled() override { return true; }
  std::vector<std::string> zeilen;
};

TEST(ListeAlsXml, ExceptionIsLoggedOutputEmptiedAndRethrown) {
  struct Fall {
    XmlListenform form;
    const char* zeile;
  };
  for (const Fall& f :
       {Fall{XmlListenform::kFinanzaemter,
             "Unbekannte Ausnahme beim Erzeugen der XML-Daten in finanzaemterAsXml"},
        Fall{XmlListenform::kLaender,
             "Unbekannte Ausnahme beim Erzeugen der XML-Daten in finanzamtLaenderAsXml"}}) {
    SammelnderLogger logger;
    std::string ausgabe = "alt";
    const std::runtime_error ausnahme("abgebrochen");
    try {
      schreibeXml(ausgabe, f.form, &logger, [&](vesk::util::xml::XmlStreamWriter& w) {
        w.writeStartDocument();
        w.writeStartElement("teil");
        throw ausnahme;
      });
      ADD_FAILURE() << "nothing rethrown";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "abgebrochen");
    }
    EXPECT_EQ(ausgabe, "");
    EXPECT_EQ(logger.zeilen, std::vector<std::string>{f.zeile});

    // Without a logger the same happens, silently; non-standard exceptions pass too.
    ausgabe = "alt";
    EXPECT_THROW(schreibeXml(ausgabe, f.form, nullptr,
                             [](vesk::util::xml::XmlStreamWriter& w) {
                               w.writeStartElement("teil");
                               throw 42;
                             }),
                 int);
    EXPECT_EQ(ausgabe, "");
  }
}

TEST(ListeAlsXml, WriterMisuseInsideTheDocumentIsRethrown) {
  SammelnderLogger logger;
  std::string ausgabe;
  EXPECT_THROW(schreibeXml(ausgabe, XmlListenform::kFinanzaemter, &logger,
                           [](vesk::util::xml::XmlStreamWriter& w) { w.writeEndElement(); }),
               vesk::util::xml::XmlStreamWriterException);
  EXPECT_EQ(logger.zeilen.size(), 1u);
  EXPECT_EQ(ausgabe, "");
}

TEST(ListeAlsXml, EmptyListGivesRootOnly) {
  std::string ausgabe = "alt";
  listeAlsXml({}, "Wurzel", XmlListenform::kLaender, ausgabe, nullptr);
  EXPECT_EQ(ausgabe,
            "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\r\n"
            "<Wurzel xmlns=\"http://divide-vira.example/finanzamtsdaten/1.0/Wurzel\"></Wurzel>");
}

}  // namespace
