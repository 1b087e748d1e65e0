#include "BridgeFileCreation.h"

#include "WizardTexts.h"

bool CreateBridgeFiles(IBridgeGenerationJob& job, const BridgeSummary& summary,
                       const std::vector<CString>& callbackInterfaces, IWaitIndicator& wait) {
    job.SetOptions(summary.typeLibraryPath, summary.outputFolder, summary.javaPackage, summary.libraryPath);
    wait.BeginWait(wizard_text::kCreatingFiles);
    // A run repeated after the user changed the list registers only the
    // names listed now.
    job.ClearCallbackInterfaces();
    for (const CString& name : callbackInterfaces) job.AddCallbackInterface(name);
    bool generated = job.Generate();
    job.FinishJob(generated);
    wait.EndWait();
    return generated;
}
