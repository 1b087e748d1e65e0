#include "BuildSteps.h"

#include "BuildClientTexts.h"

void CBuildSteps::Reset(bool dllStepOffered) {
    m_stepsOffered = dllStepOffered ? 4 : 3;
    m_currentStep = 1;
    m_stepsStarted = 0;
    m_dllStepCounted = false;
    for (bool& finished : m_finished) finished = false;
}

bool CBuildSteps::AllFinished() const {
    for (int step = 1; step <= m_stepsOffered; ++step)
        if (!m_finished[step]) return false;
    return true;
}

void CBuildSteps::StepStarted(int step) {
    if (step == 4) {
        if (m_dllStepCounted) return;
        m_dllStepCounted = true;
    }
    ++m_stepsStarted;
}

CBuildSteps::Effects CBuildSteps::StepFinished(int step) {
    Effects effects;
    if (step < 1 || step > 4) return effects;
    m_finished[step] = true;
    switch (step) {
    case 1:
        effects.enableJarAndJavadocButtons = true;
        break;
    case 2:
        effects.checkClasspathBox = true;
        break;
    case 3:
        effects.checkJavadocBox = true;
        break;
    default:
        break;
    }
    // The text moves on from a step only when that step itself is done.
    if (step <= 3 && m_currentStep == step) m_currentStep = step + 1;
    return effects;
}

CString CBuildSteps::StepText(const char* outputFolder) const {
    if (AllFinished()) return build_text::kStepsComplete;
    static const char* const kTexts[] = {build_text::kStep1, build_text::kStep1, build_text::kStep2,
                                         build_text::kStep3, build_text::kStep4};
    int step = m_currentStep >= 1 && m_currentStep <= 4 ? m_currentStep : 1;
    return CString(kTexts[step]) + outputFolder;
}

const char* CBuildSteps::CommandFile(int step) {
    switch (step) {
    case 1: return "MakeJava.bat";
    case 2: return "MakeJar.bat";
    case 3: return "MakeJavadoc.bat";
    case 4: return "MakeDLL.bat";
    default: return nullptr;
    }
}
