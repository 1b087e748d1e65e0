// The build page's steps: which command files were started and which have
// finished, the step text the page shows, and what each finished step opens
// up. Step 1 is MakeJava.bat, 2 MakeJar.bat, 3 MakeJavadoc.bat and 4 the JNI
// DLL (MakeDLL.bat or the build service). The texts advance only in order,
// and "Build steps are complete" shows only once every offered step has
// finished (a started step may still fail to start or to build).
#pragma once

#include "BrvString.h"

class CBuildSteps {
public:
    // What a finished step opens up on the page.
    struct Effects {
        bool enableJarAndJavadocButtons = false;  // after MakeJava.bat
        bool checkClasspathBox = false;           // after MakeJar.bat: enable and check
        bool checkJavadocBox = false;             // after MakeJavadoc.bat: enable and check
    };

    // Each showing of the page starts again at step 1 with nothing started;
    // 4 steps are offered when the DLL step is available, else 3.
    void Reset(bool dllStepOffered);

    int CurrentStep() const { return m_currentStep; }
    int StepsStarted() const { return m_stepsStarted; }
    int StepsOffered() const { return m_stepsOffered; }
    bool AllStarted() const { return m_stepsStarted >= m_stepsOffered; }
    bool AllFinished() const;

    // A step button was used (the DLL button counts once, however often it
    // is used).
    void StepStarted(int step);
    // The command file of the step has ended, or the DLL was built.
    Effects StepFinished(int step);

    // The text of the step shown, followed by the output folder, or
    // "Build steps are complete".
    CString StepText(const char* outputFolder) const;

    // The command file that carries a step: "MakeJava.bat" for 1 to
    // "MakeDLL.bat" for 4; null for another number.
    static const char* CommandFile(int step);

private:
    int m_currentStep = 1;
    int m_stepsStarted = 0;
    int m_stepsOffered = 3;
    bool m_dllStepCounted = false;
    bool m_finished[5] = {};
};
