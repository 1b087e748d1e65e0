// The installer's dialogs: the javac notice (107), the installation folder
// (101), the licence agreement (104) and the progress dialog (102), each
// centred over the background window's client area.
#pragma once

#include <windows.h>

#include <thread>

#include "Dialog.h"
#include "InstallSession.h"

namespace brivel::setup {

// Centres `dialog` over the client area of `owner` (the background window).
void CenterOverClient(HWND dialog, HWND owner);

class CenteredDialog : public winui::Dialog {
public:
    using winui::Dialog::Dialog;

protected:
    bool OnInitDialog() override;
};

// "More Information" opens the help page on installing the Java compiler;
// either button goes on with the installation.
class JavacMissingDialog : public CenteredDialog {
public:
    JavacMissingDialog();

protected:
    void OnOK() override;
};

class FolderDialog : public CenteredDialog {
public:
    explicit FolderDialog(InstallSession& session);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnBrowse();
    InstallSession& session_;
};

class LicenseDialog : public CenteredDialog {
public:
    explicit LicenseDialog(const InstallSession& session);

protected:
    bool OnInitDialog() override;

private:
    const InstallSession& session_;
};

// Runs the installation thread and ends when the thread's Done message
// arrives. Escape and the close command do nothing meanwhile: the
// installation cannot be left half done by a key.
class ProgressDialog : public CenteredDialog {
public:
    explicit ProgressDialog(InstallSession& session);
    ~ProgressDialog() override;

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    InstallSession& session_;
    std::thread worker_;
};

// Checks a dialog field: an empty value, or a non-digit in a numeric one,
// is reported with the field's name and answers false.
bool ValidateDialogField(HWND owner, const std::string& value, const char* fieldName, bool numeric);

}  // namespace brivel::setup
