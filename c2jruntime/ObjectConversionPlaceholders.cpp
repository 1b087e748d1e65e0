// The COM-to-Java runtime has no object conversions of its own: its
// converters leave VARIANT and interface elements empty. The bridge runtime
// links the same converters with working conversions instead.
#include <windows.h>

#include "BrivelC2J18.h"

extern "C" jfieldID brivelGetComId(void) { return nullptr; }
extern "C" VARIANT* brivelGetTavoVariant(JNIEnv*, jobject) { return nullptr; }
extern "C" jobject brivelVariantObject(JNIEnv*, VARIANT*) { return nullptr; }
extern "C" jobject brivelBestUnknownToJobject(JNIEnv*, IUnknown*, void*, int) { return nullptr; }
// Its callers see a pending exception for themselves.
extern "C" void brivelConverterLeftPending(JNIEnv*) {}
