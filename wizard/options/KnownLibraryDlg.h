// The ADO and MSXML settings dialogs: one behaviour over the generation
// job's settings of a pre-generated library (CKnownLibraryChoice), two
// templates. OK stores the settings into the job.
#pragma once

#include <memory>
#include <vector>

#include "Dialog.h"
#include "KnownLibraryChoice.h"
#include "OwnerDrawButton.h"

class CBridgeGenerator;

class CKnownLibraryDlg : public brivel::winui::Dialog {
public:
    // `owner` shows the messages in the wizard's information box when given.
    CKnownLibraryDlg(int templateId, int packageId, int jarId, CBridgeGenerator& job, HWND owner);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

    // The job's settings of this library, its defaults, and the store.
    virtual KnownLibraryValues Current() const = 0;
    virtual KnownLibraryValues Defaults() const = 0;
    virtual void Store(const KnownLibraryValues& values) = 0;

    CBridgeGenerator& m_job;

private:
    void Refresh();
    void OnChoice();
    void OnBrowseJar();
    void OnBrowseDocumentation();
    KnownLibraryValues ReadEdits() const;
    void ShowMessage(const char* text);

    int m_packageId;
    int m_jarId;
    HWND m_owner;
    std::unique_ptr<CKnownLibraryChoice> m_choice;
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};

// "ADO DB Settings".
class CAdoXmlDlg : public CKnownLibraryDlg {
public:
    CAdoXmlDlg(CBridgeGenerator& job, HWND owner);

protected:
    KnownLibraryValues Current() const override;
    KnownLibraryValues Defaults() const override;
    void Store(const KnownLibraryValues& values) override;
};

// "XML Settings".
class CXmlSettingsDlg : public CKnownLibraryDlg {
public:
    CXmlSettingsDlg(CBridgeGenerator& job, HWND owner);

protected:
    KnownLibraryValues Current() const override;
    KnownLibraryValues Defaults() const override;
    void Store(const KnownLibraryValues& values) override;
};
