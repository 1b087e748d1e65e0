#include "ControlMessage.h"

#include "ByteOrder.h"

namespace brivel::serverhost {

std::string ControlRequestBytes(bool force) {
    std::string request;
    PutUInt16LE(request, 4);
    request += 'Q';
    request += force ? '2' : '1';
    return request;
}

ControlReply ReadControlReply(const std::string& bytes) {
    ControlReply reply;
    if (bytes.size() < kControlReplySize || bytes[2] != 'O') return reply;
    reply.quitting = false;
    reply.openConnections = GetUInt32LE(bytes.data() + 3);
    return reply;
}

}  // namespace brivel::serverhost
