#include "WizardPageHooks.h"

void CWizardPageHooks::ShowHelp() {
    if (m_host) m_host->OpenHelpPage(m_host->InstallFolder() + m_helpPath);
}
