#include "net/peer_transport.h"

#include <algorithm>

namespace tarnel::net {

void TransportPair::End::Send(std::string_view bytes) {
  if (!open_ || bytes.empty()) return;
  outbox_.append(bytes);
  cuts_.push_back(outbox_.size());
}

void TransportPair::End::Close() {
  if (!open_) return;
  open_ = false;
  hangUp_ = true;
}

TransportPair::TransportPair() {
  server_.pair_ = this;
  server_.other_ = &client_;
  client_.pair_ = this;
  client_.other_ = &server_;
}

void TransportPair::Connect() {
  for (End* end : {&server_, &client_}) {
    end->open_ = true;
    end->hangUp_ = false;
    end->outbox_.clear();
    end->cuts_.clear();
  }
  for (End* end : {&client_, &server_})
    if (end->events_) end->events_->Connected();
}

// Takes the waiting bytes out first: the reader's handlers may send again.
bool TransportPair::Deliver(End& from, std::size_t splitSize, bool joined) {
  End& to = *from.other_;
  std::string bytes = std::move(from.outbox_);
  std::vector<std::size_t> cuts = std::move(from.cuts_);
  from.outbox_.clear();
  from.cuts_.clear();
  bool delivered = false;
  if (!bytes.empty() && to.open_) {
    std::vector<std::string> reads;
    if (joined) {
      reads.push_back(bytes);
    } else if (splitSize > 0) {
      for (std::size_t i = 0; i < bytes.size(); i += splitSize)
        reads.push_back(bytes.substr(i, splitSize));
    } else {
      std::size_t begin = 0;
      for (std::size_t cut : cuts) {
        reads.push_back(bytes.substr(begin, cut - begin));
        begin = cut;
      }
    }
    for (const std::string& read : reads) {
      if (!to.open_) break;
      if (to.events_) to.events_->DataRead(read);
      delivered = true;
    }
  }
  if (from.hangUp_) {
    from.hangUp_ = false;
    if (to.open_) {
      to.open_ = false;
      if (to.events_) to.events_->Disconnected();
    }
    delivered = true;
  }
  return delivered;
}

bool TransportPair::Pump() {
  bool a = Deliver(server_, 0, false);
  bool b = Deliver(client_, 0, false);
  return a || b;
}

bool TransportPair::PumpJoined(End& from) {
  return Deliver(from, 0, true);
}

bool TransportPair::PumpSplit(End& from, std::size_t size) {
  return Deliver(from, std::max<std::size_t>(size, 1), false);
}

void TransportPair::DropFrom(End& end) {
  End& other = *end.other_;
  other.open_ = false;
  other.hangUp_ = false;
  if (end.open_) {
    end.open_ = false;
    if (end.events_) end.events_->Disconnected();
  }
}

}  // namespace tarnel::net
