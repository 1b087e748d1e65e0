#include "JavaClassSpec.h"

void CJavaClassSpec::RenameOwner(void* owner, int kind, const char* newName) {
    if (!owner) return;
    if (kind == kComNameMethod) static_cast<CJavaMethodSpec*>(owner)->m_comName = newName;
    else if (kind == kComNameField) static_cast<CJavaFieldSpec*>(owner)->m_comName = newName;
}
