// The outcome code table, row by row, with neighbours of the rows.
#include <gtest/gtest.h>

#include "errortexts/Hostcodes.h"
#include "taxnumber/Feldtyppruefung.h"

namespace vesk::divideVira {
namespace {

TEST(ErgebnisAlsHostCode, JedeZeileUndIhreNachbarn) {
  // Pairs of code and host code.
  const int zeilen[] = {0,    0,
                        1,    0,
                        101,  hostcode::kBicAufbauFalsch,
                        102,  hostcode::kBicLaendercodeUnbekannt,
                        201,  hostcode::kParameterUngueltig,
                        202,  hostcode::kBufanummerUngueltig,
                        601,  hostcode::kIbanAufbauFalsch,
                        602,  hostcode::kIbanLaendercodeUnbekannt,
                        603,  hostcode::kIbanLaenderformatFalsch,
                        604,  hostcode::kIbanPruefzifferFalsch,
                        701,  hostcode::kIdNrNichtNumerisch,
                        702,  hostcode::kIdNrWiederholungFalsch,
                        703,  hostcode::kIdNrLaengeFalsch,
                        704,  hostcode::kIdNrPruefzifferFalsch,
                        1001, hostcode::kSteuernummerUngueltig,
                        1004, hostcode::kSteuernummerUngueltig,
                        1006, hostcode::kSteuernummerUngueltig,
                        1007, hostcode::kLandesnummerUngueltig};
  for (std::size_t i = 0; i < std::size(zeilen); i += 2) {
    EXPECT_EQ(ergebnisAlsHostCode(zeilen[i]), zeilen[i + 1]) << zeilen[i];
  }
  for (int code : {-1, 2, 100, 103, 200, 203, 301, 401, 501, 600, 605, 700, 705, 801, 901, 1000,
                   1008, hostcode::kSteuernummerUngueltig}) {
    EXPECT_EQ(ergebnisAlsHostCode(code), hostcode::kFehlerhaft) << code;
  }
}

}  // namespace
}  // namespace vesk::divideVira
