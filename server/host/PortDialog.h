// "Port Selection": one port number of the server, normal or SSL, with its
// type's default a click away.
#pragma once

#include <string>

#include "Dialog.h"

namespace brivel::serverhost {

class CPortDialog : public brivel::winui::Dialog {
public:
    CPortDialog(const char* portType, int defaultPort, int port);
    // The port chosen with OK.
    int Port() const { return port_; }

protected:
    bool OnInitDialog() override;
    // Takes the number only when it is an integer from 1 to 65,535; else
    // says so and leaves the dialog open.
    void OnOK() override;

private:
    std::string portType_;
    int defaultPort_;
    int port_;
};

}  // namespace brivel::serverhost
