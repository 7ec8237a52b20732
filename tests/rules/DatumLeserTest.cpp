#include <gtest/gtest.h>

#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

#include "HeuteFest.h"
#include "rules/DatumLeser.h"

namespace zudadavizu_20_0 {
namespace {

Darstellungsinformation datumsEinstellungen(const char* trenner, const char* reihenfolge,
                                            const char* nullenOptional = "n") {
  Darstellungsinformation info;
  info.setze("DatumTrenner", "", trenner);
  info.setze("DatumBereichTrenner", "", "~");
  info.setze("DatumReihenfolge", "", reihenfolge);
  info.setze("DatumNullenOptional", "", nullenOptional);
  return info;
}

TEST(DatumsSchreibweise, Muster) {
  // Day T/d, month M, year J/y; the format text uses T, M and J.
  const struct {
    const char* muster;
    const char* formatText;
  } faelle[] = {
      {"TT.MM.JJJJ", "TT.MM.JJJJ"},
      {"dd.MM.yyyy", "TT.MM.JJJJ"},
      {"yyyyMMdd", "JJJJMMTT"},
      {"MM/yy", "MM/JJ"},
      {"yyyy", "JJJJ"},
      {"T.M.JJJJ", "T.M.JJJJ"},
      {"am dd.MM.", "am TT.MM."},
  };
  for (const auto& fall : faelle) {
    EXPECT_EQ(DatumsSchreibweise(fall.muster).formatText(), fall.formatText) << fall.muster;
  }
  for (const char* falsch : {"", "..", "TTT.MM.JJJJ", "TT.MM.JJJ", "TT.TT", "TT.MM.yyyy.JJ",
                             "dT.MM.JJJJ", "J", "Tag dd"}) {
    EXPECT_THROW(DatumsSchreibweise{falsch}, std::invalid_argument) << falsch;
  }
}

TEST(DatumLeser, FormatTextDerAnzeige) {
  // The pattern's components in the order of the settings, joined by their separator.
  const struct {
    const char* muster;
    const char* trenner;
    const char* reihenfolge;
    const char* einzeln;
  } faelle[] = {
      {"TT.MM.JJJJ", "-", "JMT", "JJJJ-MM-TT"},
      {"TT.MM.JJJJ", "/", "MTJ", "MM/TT/JJJJ"},
      {"TT.MM.JJJJ", "", "TMJ", "TTMMJJJJ"},
      {"MM.JJ", "/", "TJM", "JJ/MM"},
      {"JJJJ", ".", "TMJ", "JJJJ"},
  };
  for (const auto& fall : faelle) {
    const DatumsSchreibweise muster(fall.muster);
    const DatumDarstellung d(datumsEinstellungen(fall.trenner, fall.reihenfolge), 2099);
    EXPECT_EQ(DatumLeser(muster, d, "").getFormatText(), fall.einzeln);
    EXPECT_EQ(DatumLeser(muster, d, "-").getFormatText(),
              std::string(fall.einzeln) + "~" + fall.einzeln);
  }
  const DatumsSchreibweise muster("TT.MM.JJJJ");
  const DatumDarstellung ohne(Darstellungsinformation(), 2099);
  EXPECT_EQ(DatumLeser(muster, ohne, "").getFormatText(), "TT.MM.JJJJ");
  EXPECT_EQ(DatumLeser(muster, ohne, "-").getFormatText(), "TT.MM.JJJJ-TT.MM.JJJJ");
}

TEST(DatumLeser, Lesen) {
  // Texts as written; "-" marks a value that cannot be read.
  const struct {
    const char* muster;
    const char* trenner;  // nullptr: no date settings
    const char* reihenfolge;
    const char* nullenOptional;
    const char* wert;
    const char* teile;  // "tag|monat|jahr"
  } faelle[] = {
      {"TT.MM.JJJJ", nullptr, "", "n", "01.02.2015", "01|02|2015"},
      {"TT.MM.JJJJ", nullptr, "", "n", "1.02.2015", "-"},
      {"TT.MM.JJJJ", nullptr, "", "n", "01.02.2015 ", "-"},
      {"TT.MM.JJJJ", nullptr, "", "n", "01-02-2015", "-"},
      {"TT.MM.JJJJ", nullptr, "", "n", "01.+2.2015", "-"},
      {"TT.MM.JJJJ", nullptr, "", "n", "", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "n", "2015-02-01", "01|02|2015"},
      {"TT.MM.JJJJ", "-", "JMT", "n", "01.02.2015", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "n", "2015-2-1", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "2015-2-1", "1|2|2015"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "2015-12-01", "01|12|2015"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "15-2-1", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "2015-123-1", "-"},
      {"TT.MM.JJJJ", "-", "JMT", "j", "2015--1", "-"},
      {"TT.MM.JJJJ", ".", "TMJ", "j", "0.0.0000", "0|0|0000"},
      {"TT.MM.JJJJ", "", "JMT", "n", "20150201", "01|02|2015"},
      {"MM.JJJJ", "/", "TMJ", "n", "02/2015", "|02|2015"},
      {"JJJJ", "/", "TMJ", "n", "2015", "||2015"},
  };
  for (const auto& fall : faelle) {
    const Darstellungsinformation info =
        fall.trenner == nullptr
            ? Darstellungsinformation()
            : datumsEinstellungen(fall.trenner, fall.reihenfolge, fall.nullenOptional);
    const DatumsSchreibweise muster(fall.muster);
    const DatumDarstellung d(info, 2099);
    DatumsTeile teile[2];
    const std::size_t anzahl = DatumLeser(muster, d, "").liesAnzeige(fall.wert, teile);
    const std::string gelesen =
        anzahl == 0 ? "-" : teile[0].tag + "|" + teile[0].monat + "|" + teile[0].jahr;
    EXPECT_EQ(gelesen, fall.teile) << fall.muster << " " << fall.wert;
  }
}

TEST(DatumLeser, KonvertierungInBeideRichtungen) {
  // Stored form is the pattern; display form follows the settings; zeros are restored when
  // writing; unreadable values come back unchanged.
  const struct {
    const char* muster;
    const char* bereich;
    const char* trenner;
    const char* reihenfolge;
    const char* nullenOptional;
    const char* anzeige;
    const char* gespeichert;
  } faelle[] = {
      {"TT.MM.JJJJ", "", "-", "JMT", "n", "2015-02-01", "01.02.2015"},
      {"TT.MM.JJJJ", "", "/", "MTJ", "j", "2/1/2015", "01.02.2015"},
      {"yyyyMMdd", "", ".", "TMJ", "n", "01.02.2015", "20150201"},
      {"TT.MM.JJJJ", "-", "/", "JMT", "n", "2015/02/01~2016/01/31", "01.02.2015-31.01.2016"},
      {"JJJJ", "-", ".", "TMJ", "n", "2010~2011", "2010-2011"},
  };
  for (const auto& fall : faelle) {
    const DatumsSchreibweise muster(fall.muster);
    const DatumDarstellung d(
        datumsEinstellungen(fall.trenner, fall.reihenfolge, fall.nullenOptional), 2099);
    const DatumLeser leser(muster, d, fall.bereich);
    EXPECT_EQ(leser.konvertiere(fall.anzeige, false), fall.gespeichert) << fall.anzeige;
    const std::string zurueck = leser.konvertiere(fall.gespeichert, true);
    EXPECT_EQ(leser.konvertiere(zurueck, false), fall.gespeichert) << zurueck;
    EXPECT_EQ(leser.konvertiere("kein Datum", false), "kein Datum");
    EXPECT_EQ(leser.konvertiere("kein Datum", true), "kein Datum");
  }
  // Writing fills leading zeros: 2/1/2015 comes back as 02/01/2015.
  const DatumsSchreibweise muster("TT.MM.JJJJ");
  const DatumDarstellung d(datumsEinstellungen("/", "MTJ", "j"), 2099);
  EXPECT_EQ(DatumLeser(muster, d, "").konvertiere("01.02.2015", true), "02/01/2015");
}

TEST(DatumLeser, PruefeDatumsTeile) {
  // Ids: teilbekanntFehler first, then 50 for zeros under "Bekannt" and impossible dates.
  const HeuteFest heute(boost::gregorian::date(2016, 6, 15));
  const struct {
    const char* muster;
    const char* tag;
    const char* monat;
    const char* jahr;
    int art;
    int id;
    int datum;  // yyyymmdd when valid
  } faelle[] = {
      {"TT.MM.JJJJ", "29", "02", "2016", 0, 0, 20160229},
      {"TT.MM.JJJJ", "29", "02", "2015", 0, 50, 0},
      {"TT.MM.JJJJ", "31", "04", "2015", 0, 50, 0},
      {"TT.MM.JJJJ", "01", "13", "2015", 0, 50, 0},
      {"TT.MM.JJJJ", "00", "01", "2015", 0, 50, 0},
      {"TT.MM.JJJJ", "01", "00", "2015", 0, 50, 0},
      {"TT.MM.JJJJ", "01", "01", "0000", 0, 50, 0},
      {"TT.MM.JJJJ", "00", "01", "2015", 1, 0, 20150100},
      {"TT.MM.JJJJ", "32", "01", "2015", 1, 50, 0},
      {"TT.MM.JJJJ", "00", "00", "2015", 2, 0, 20150000},
      {"TT.MM.JJJJ", "00", "00", "0000", 3, 0, 0},
      {"TT.MM.JJJJ", "29", "02", "0000", 3, 57, 0},
      {"T.M.JJJJ", "0", "5", "2015", 2, 59, 0},
      {"TT.MM.JJ", "29", "02", "00", 0, 0, 20000229},
      {"TT.MM.JJ", "01", "01", "17", 0, 0, 19170101},
      {"TT.MM", "29", "02", "", 0, 50, 0},
      {"TT.MM", "28", "02", "", 0, 0, 228},
      {"MM.JJJJ", "", "12", "2015", 0, 0, 20151200},
  };
  for (const auto& fall : faelle) {
    const Datumsbefund befund = pruefeDatumsTeile({fall.tag, fall.monat, fall.jahr},
                                                  DatumsSchreibweise(fall.muster), fall.art);
    SCOPED_TRACE(std::string(fall.tag) + "." + fall.monat + "." + fall.jahr);
    EXPECT_EQ(befund.fehlerId, fall.id);
    if (fall.id == 0) {
      EXPECT_EQ(befund.datum.jahr * 10000 + befund.datum.monat * 100 + befund.datum.tag,
                fall.datum);
    }
  }
}

}  // namespace
}  // namespace zudadavizu_20_0
