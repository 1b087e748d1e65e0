// The control request that asks a running Java server to quit, and its
// reply, over one loop-back TCP connection to the server's defaultPort.
//
//   request: 04 00 'Q' '1' (quit when no client connection is open, else
//            report how many are) or '2' (quit now)
//   reply:   2 bytes not read, 'O' (keeps running) and the number of open
//            connections as unsigned 32-bit little endian; any other byte
//            there, or fewer than 7 bytes before the connection ends, means
//            the server is quitting.
#pragma once

#include <cstdint>
#include <string>

namespace brivel::serverhost {

constexpr int kDefaultServerPort = 24044;
constexpr size_t kControlReplySize = 7;

std::string ControlRequestBytes(bool force);

struct ControlReply {
    bool quitting = true;
    uint32_t openConnections = 0;
};
// The reply's meaning; `bytes` as received until the connection ended or 7
// bytes arrived.
ControlReply ReadControlReply(const std::string& bytes);

}  // namespace brivel::serverhost
