// The machine's IPv4 interfaces, for the player dialog's address boxes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnel {

struct InterfaceRecord {
  std::string Address;
  std::string Mask;
  std::string Broadcast;
  bool Up = false;
  bool BroadcastSupported = false;
  bool Loopback = false;
};

struct LocalAddresses {
  std::vector<InterfaceRecord> Records;  // at most ten
  std::vector<std::string> Addresses;    // the first six, dotted
  std::string Report;                    // one line per interface; shown nowhere, kept for logs
};

LocalAddresses ListLocalAddresses();
// The report's line of one interface.
std::string InterfaceReportLine(const InterfaceRecord& record);

}  // namespace tarnel
