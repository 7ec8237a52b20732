#include "bench/memory/Speicherstand.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dvbench {

namespace {

// Value of a "Name:   1234 kB" line, or -1 when the line has another name.
long kbWert(const std::string& zeile, const std::string& name) {
  if (zeile.compare(0, name.size() + 1, name + ":") != 0) return -1;
  std::istringstream rest(zeile.substr(name.size() + 1));
  long kb = -1;
  rest >> kb;
  return kb;
}

}  // namespace

Speicherstand liesSpeicherstand() {
  std::ifstream status("/proc/self/status");
  Speicherstand stand{-1, -1, -1};
  for (std::string zeile; std::getline(status, zeile);) {
    if (long kb = kbWert(zeile, "VmRSS"); kb >= 0) stand.rssKb = kb;
    if (long kb = kbWert(zeile, "VmHWM"); kb >= 0) stand.hwmKb = kb;
    if (long kb = kbWert(zeile, "RssFile"); kb >= 0) stand.dateiKb = kb;
  }
  if (stand.rssKb < 0 || stand.hwmKb < 0 || stand.dateiKb < 0) {
    throw std::runtime_error("/proc/self/status ohne VmRSS/VmHWM/RssFile");
  }
  return stand;
}

bool setzeSpitzeZurueck() {
  std::ofstream clearRefs("/proc/self/clear_refs");
  clearRefs << "5";
  clearRefs.close();
  return !clearRefs.fail();
}

std::map<std::string, long> residentJeDatei() {
  std::ifstream smaps("/proc/self/smaps");
  std::map<std::string, long> dateien;
  long* summe = nullptr;
  for (std::string zeile; std::getline(smaps, zeile);) {
    // A mapping starts with "start-end perms offset dev inode [path]"; its fields follow.
    std::istringstream teile(zeile);
    std::string bereich, rechte, versatz, geraet, inode, pfad;
    teile >> bereich >> rechte >> versatz >> geraet >> inode >> pfad;
    if (bereich.find('-') != std::string::npos && bereich.back() != ':') {
      summe = pfad.size() > 1 && pfad[0] == '/' ? &dateien[pfad] : nullptr;
    } else if (long kb = kbWert(zeile, "Rss"); summe != nullptr && kb >= 0) {
      *summe += kb;
    }
  }
  return dateien;
}

}  // namespace dvbench
