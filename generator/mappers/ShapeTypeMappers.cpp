#include "ShapeTypeMappers.h"

#include "JobView.h"
#include "NamingHelpers.h"

#include <cstring>

// ---- fragments not yet written

void CShapeTypeMapper::WritePending(FILE* file, const char* fragment) {
    CString javaType;
    GetJavaType(javaType);
    fprintf(file, "#error no %s conversion for %s\n", fragment, javaType.c_str());
}

void CShapeTypeMapper::EmitInvokeArgument(const CMapperCall&, int, int, bool, const char*, bool, const VARIANT*, FILE* file) {
    WritePending(file, "Invoke argument");
}
void CShapeTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int, int, int, FILE* file) { WritePending(file, "Invoke out"); }
void CShapeTypeMapper::EmitInvokeReturn(FILE* file) { WritePending(file, "Invoke result"); }
void CShapeTypeMapper::GetVtblArgumentExpr(int, int, CString& text) { text = "0 /* no conversion */"; }
void CShapeTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* file) { WritePending(file, "virtual-call result"); }
void CShapeTypeMapper::GetVtblReturnPointer(FILE* file) { fprintf(file, "0 /* no conversion */"); }
void CShapeTypeMapper::EmitVtblReturn(FILE* file) { WritePending(file, "virtual-call result"); }
void CShapeTypeMapper::GetEventArgExpr(int, CString& text) { text = "0 /* no conversion */"; }
void CShapeTypeMapper::GetVtblEventArgExpr(int, CString& text) { text = "0 /* no conversion */"; }

// ---- names

void CVariantTypeMapper::GetJniSignature(bool mangled, CString& text) {
    text = mangled ? "Lbrivel_TavoVariant_2" : "Lbrivel/TavoVariant;";
}

void CFlaggedTypeMapper::GetVtblParamType(CString& text) {
    text = m_cType;
    if (m_byRef) text += " *";
}

void CObjectTypeMapper::GetJniSignature(bool mangled, CString& text) {
    text = mangled ? "Lbrivel_TavoObject_2" : "Lbrivel/TavoObject;";
}

void CNamedTypeMapper::GetJavaType(CString& text) { text = QualifiedName(GetJavaPackage(), m_javaName, '.'); }

void CNamedTypeMapper::GetJniSignature(bool mangled, CString& text) {
    if (mangled) {
        CString name;
        JniMangleName(name, m_javaName);
        text = "L" + QualifiedName(GetMangledPackage(), name, '_') + "_2";
    } else {
        text = "L" + QualifiedName(GetPackagePath(), m_javaName, '/') + ";";
    }
}

CString CNamedTypeMapper::ClassPath() { return QualifiedName(GetPackagePath(), m_javaName, '/'); }

CString CNamedTypeMapper::GetJavaPackage() { return m_job->JavaPackage(); }
CString CNamedTypeMapper::GetPackagePath() { return m_job->SlashPackage(); }
CString CNamedTypeMapper::GetMangledPackage() { return m_job->JniPackage(); }

CKnownInterfaceTypeMapper::CKnownInterfaceTypeMapper(IJobView* job, const char* libraryShortName,
                                                     const char* interfaceName, int level)
    : CDispatchTypeMapper(job, interfaceName, level) {
    if (_stricmp(libraryShortName, "adodb") == 0)
        m_package = job->AdoSettings().package;
    else if (_stricmp(libraryShortName, "msxml") == 0)
        m_package = job->XmlSettings().package;
    for (int i = 0; i < m_package.GetLength(); ++i) {
        char c = m_package.GetAt(i);
        m_packagePath += c == '.' ? '/' : c;
        if (c == '.') m_mangledPackage += "_";
        else if (c == '_') m_mangledPackage += "_1";
        else m_mangledPackage += c;
    }
}
