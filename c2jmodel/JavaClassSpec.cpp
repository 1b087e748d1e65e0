#include "JavaClassSpec.h"

CJavaClassSpec::~CJavaClassSpec() {
    if (!m_classRefVm || !m_classRef) return;
    JNIEnv* env = nullptr;
    if (m_classRefVm->GetEnv(reinterpret_cast<void**>(&env), JNI_VERSION_1_2) == JNI_OK && env)
        env->DeleteGlobalRef(m_classRef);
}

void CJavaClassSpec::RenameOwner(void* owner, int kind, const char* newName) {
    if (!owner) return;
    if (kind == kComNameMethod) static_cast<CJavaMethodSpec*>(owner)->m_comName = newName;
    else if (kind == kComNameField) static_cast<CJavaFieldSpec*>(owner)->m_comName = newName;
}
