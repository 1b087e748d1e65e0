// The last Java-to-COM page: runs the generated command files one after
// another (each process watched by a thread of its own), builds the JNI DLL
// with MakeDLL.bat or through the server build dialog, and when the wizard
// closes opens the readme and the javadoc and adds the JAR to the
// machine-wide CLASSPATH. Its Cancel button reads "Close"; Back is hidden.
#pragma once

#include "BuildSteps.h"
#include "WizardPage.h"

class CBuildPage : public CWizardPage {
public:
    CBuildPage();

    void OnPageShown() override;
    CString GetCancelLabel() override { return "Close"; }
    bool ShowBack() override { return false; }
    // Enter on this page closes the wizard the way "Close" does, closing
    // steps included.
    bool ValidatePage() override;
    // Asks before leaving unfinished build steps, then runs the closing steps.
    bool CanExit() override;

    // Starts the command file of a step; a step above 0 is watched, and its
    // end reaches UpdateStepTexts. False when it could not start (the user
    // was told).
    bool RunCommandFile(const char* fileName, int step);
    // A step's command file has ended, or the DLL was built.
    void UpdateStepTexts(int finishedStep);
    // The closing step "Add Jar file to CLASSPATH"; false when it failed.
    bool AddJarToClasspath();

    // The output folder, always ending with a backslash.
    CString m_outputFolder;
    CBuildSteps m_steps;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnRunMakeJava();
    void OnRunMakeJar();
    void OnRunMakeJavadoc();
    void OnRunMakeDll();
    void OnJavaStep(int buttonId, int step);
    void ShowStepText();

    int m_viewReadme = 0;
    int m_viewJavadoc = 0;
    int m_addToClasspath = 0;
};
