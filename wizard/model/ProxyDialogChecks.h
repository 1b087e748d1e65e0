// The checks of the proxy dialog's OK button, in order: a port the dialog
// can hold, a host, a host that is an address or can be found, and, when
// credentials are asked for, a user name or a password.
#pragma once

#include <functional>

#include "BrvString.h"

struct ProxyDialogFields {
    CString host;
    CString portText;  // the port edit's text
    bool useCredentials = false;
    CString userName;
    CString password;
};

struct ProxyDialogVerdict {
    CString message;     // empty when the dialog may close
    bool errorBox = false;  // shown in the message dialog's own "Error Message" box
    int port = 80;       // the port read, once the port text passed
    bool Ok() const { return message.IsEmpty(); }
};

// `hostKnown` answers whether a host name (not a dotted address) resolves.
ProxyDialogVerdict CheckProxyDialog(const ProxyDialogFields& fields,
                                    const std::function<bool(const char*)>& hostKnown);

// True for a dotted IPv4 address ("10.0.0.1"), which needs no lookup.
bool IsDottedAddress(const char* host);
