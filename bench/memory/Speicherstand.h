#pragma once

#include <map>
#include <string>

namespace dvbench {

// Resident memory of this process in KiB, from /proc/self/status.
struct Speicherstand {
  long rssKb;    // VmRSS: resident now
  long hwmKb;    // VmHWM: peak since start or since the last setzeSpitzeZurueck
  long dateiKb;  // RssFile: pages of mapped files (code and data of the module and libraries)
};

// Throws std::runtime_error when /proc/self/status is unreadable.
Speicherstand liesSpeicherstand();

// Resets VmHWM to the current VmRSS (writes "5" to /proc/self/clear_refs); false when the
// kernel refuses.
bool setzeSpitzeZurueck();

// Resident KiB per mapped file (the module, each library), from /proc/self/smaps.
std::map<std::string, long> residentJeDatei();

}  // namespace dvbench
