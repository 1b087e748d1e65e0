/* Machine-dependent JNI definitions for 32-bit Windows, as the Windows Java VM
 * expects them: natives are __stdcall and exported from the DLL.
 *
 * A library whose exports are listed in a .def file defines
 * BRIVEL_JNI_EXPORTS_BY_DEF: the .def then names each export exactly
 * (`_Java_..._method@N`) and no undecorated duplicate is exported besides it. */
#ifndef BRIVEL_JNI_MD_H
#define BRIVEL_JNI_MD_H

#ifdef BRIVEL_JNI_EXPORTS_BY_DEF
#define JNIEXPORT
#else
#define JNIEXPORT __declspec(dllexport)
#endif
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef __int64 jlong;
typedef signed char jbyte;

#endif
