#include "OptionDialogRuns.h"

#include "BridgeGenerator.h"
#include "KnownLibraryDlg.h"
#include "OptionDlgs.h"

void RunDualInterfaceDialog(CBridgeGenerator& job, HWND owner) {
    CDualInterfaceDlg dialog;
    dialog.m_model = job.DualInterfacePreference();
    if (dialog.DoModal(owner) == IDOK) job.SetDualInterfacePreference(dialog.m_model == 1 ? 1 : 0);
}

void RunDcomSupportDialog(CBridgeGenerator& job, HWND owner) {
    CDcomSupportDlg dialog;
    dialog.m_remoteConstructors = job.IsRemoteConstructors() ? 1 : 0;
    dialog.DoModal(owner);
    job.SetRemoteConstructors(dialog.m_remoteConstructors != 0);
}

void RunAdoSettingsDialog(CBridgeGenerator& job, HWND owner) {
    CAdoXmlDlg dialog(job, owner);
    dialog.DoModal(owner);
}

void RunXmlSettingsDialog(CBridgeGenerator& job, HWND owner) {
    CXmlSettingsDlg dialog(job, owner);
    dialog.DoModal(owner);
}

void RunRemoteAccessDialog(CBridgeGenerator& job, HWND owner) {
    CRemoteAccessDlg dialog;
    dialog.m_buildRemoteAccess = job.IsRemoteAccess() ? 1 : 0;
    if (dialog.DoModal(owner) == IDOK) job.SetRemoteAccess(dialog.m_buildRemoteAccess != 0);
}

void RunObjectCreationDialog(CBridgeGenerator& job, HWND owner) {
    CObjectCreationDlg dialog;
    dialog.m_serverOnly = job.IsServerOnlyCreation() ? 1 : 0;
    if (dialog.DoModal(owner) == IDOK) job.SetServerOnlyCreation(dialog.m_serverOnly != 0);
}
