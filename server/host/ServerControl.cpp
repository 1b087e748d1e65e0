#include "ServerControl.h"

#include "BrvServerConfig.h"
#include "BrvString.h"
#include "ControlConnection.h"
#include "HostTexts.h"

namespace brivel::serverhost {

bool SendControlRequest(CHostMessages& messages, bool showMessages, bool force, DWORD& count, bool& unreachable,
                        unsigned timeoutMs) {
    count = 0;
    unreachable = false;
    int port = BrvServerGetConfigItemInt("defaultPort", kDefaultServerPort);
    ControlExchange exchange = ExchangeControlRequest(port, force, timeoutMs);
    switch (exchange.outcome) {
    case ControlOutcome::NoSocket:
        messages.Show(kNoNetworkResources);
        return false;
    case ControlOutcome::Unreachable:
    case ControlOutcome::NoAnswer:
        unreachable = true;
        if (showMessages) messages.Show(kCannotCommunicate);
        return false;
    case ControlOutcome::SendFailed:
        messages.Show(kSendFailed);
        return false;
    case ControlOutcome::Quitting:
        return true;
    case ControlOutcome::Running:
        count = exchange.openConnections;
        return false;
    }
    return false;
}

bool StopServerWithConfirmation(CHostMessages& messages, bool showMessages, bool& unreachable, unsigned timeoutMs) {
    DWORD count = 0;
    if (SendControlRequest(messages, showMessages, false, count, unreachable, timeoutMs)) return true;
    if (count == 0) return false;
    std::string question = FormatString(kOpenConnectionsQuestion, static_cast<int>(count));
    if (!messages.AskYesNo(question, kOpenConnectionsCaption)) return false;
    return SendControlRequest(messages, showMessages, true, count, unreachable, timeoutMs);
}

}  // namespace brivel::serverhost
