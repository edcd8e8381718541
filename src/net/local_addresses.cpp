#include "net/local_addresses.h"

#include <QNetworkInterface>

namespace tarnel {
namespace {

constexpr std::size_t kMaxRecords = 10;
constexpr std::size_t kMaxAddresses = 6;

}  // namespace

std::string InterfaceReportLine(const InterfaceRecord& record) {
  std::string line =
      " IP=" + record.Address + ", Mask=" + record.Mask + ", Broadcast=" + record.Broadcast + ",";
  line += record.Up ? " Interface UP," : " Interface DOWN,";
  line += record.BroadcastSupported ? " Broadcasts supported," : " Broadcasts NOT supported,";
  line += record.Loopback ? " Loopback interface" : " Network interface";
  return line + "\r\n";
}

LocalAddresses ListLocalAddresses() {
  LocalAddresses result;
  for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
    const auto flags = face.flags();
    for (const QNetworkAddressEntry& entry : face.addressEntries()) {
      if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol) continue;
      if (result.Records.size() == kMaxRecords) break;
      InterfaceRecord record;
      record.Address = entry.ip().toString().toStdString();
      record.Mask = entry.netmask().toString().toStdString();
      record.Broadcast = entry.broadcast().toString().toStdString();
      record.Up = flags.testFlag(QNetworkInterface::IsUp);
      record.BroadcastSupported = flags.testFlag(QNetworkInterface::CanBroadcast);
      record.Loopback = flags.testFlag(QNetworkInterface::IsLoopBack);
      result.Report += InterfaceReportLine(record);
      if (result.Addresses.size() < kMaxAddresses) result.Addresses.push_back(record.Address);
      result.Records.push_back(std::move(record));
    }
  }
  return result;
}

}  // namespace tarnel
