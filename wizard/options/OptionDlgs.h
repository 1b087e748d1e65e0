// The option dialogs that show one generation option each: the caller
// passes the job's value in and stores what comes back (the advanced page
// says when).
#pragma once

#include <memory>
#include <vector>

#include "Dialog.h"
#include "OwnerDrawButton.h"

// A dialog whose push buttons are owner-drawn and whose value is one check
// box or radio group.
class COptionDlg : public brivel::winui::Dialog {
public:
    explicit COptionDlg(int templateId) : Dialog(templateId) {}

protected:
    bool OnInitDialog() override;

private:
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};

// "DCOM Support": constructors that create objects on a remote machine.
// OK is its only button; the close box and Escape keep the box's state too.
class CDcomSupportDlg : public COptionDlg {
public:
    CDcomSupportDlg();
    int m_remoteConstructors = 0;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
    void OnCancel() override;
};

// "Dual Interface Preference": 0 the dispatch model, 1 the virtual tables.
class CDualInterfaceDlg : public COptionDlg {
public:
    CDualInterfaceDlg();
    int m_model = 0;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};

// "Remote Access Support": the remote-access files.
class CRemoteAccessDlg : public COptionDlg {
public:
    CRemoteAccessDlg();
    int m_buildRemoteAccess = 0;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};

// "Object Creation Options": default constructors with server-only options.
class CObjectCreationDlg : public COptionDlg {
public:
    CObjectCreationDlg();
    int m_serverOnly = 0;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;
};
