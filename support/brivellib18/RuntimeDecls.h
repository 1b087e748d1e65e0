// The runtime's own functions that its files call across each other.
#pragma once

#include "RuntimeApi.h"

extern "C" {
jfieldID brivelGetComId();
jfieldID brivelGetEventId();
jfieldID brivelGetVariantData();
jmethodID brivelGetVariantCtorId();
jclass brivelGetComVariantClass();
void brivelInitThread(JNIEnv* env);
jstring brivelBstrToJstr(JNIEnv* env, BSTR bstring);
BSTR brivelJstringToBstr(JNIEnv* env, jstring jstr);
void brivelThrowComExceptionObject(JNIEnv* env, HRESULT hr, EXCEPINFO* excepInfo);
jobject brivelVariantObject(JNIEnv* env, VARIANT* variant);
jobject brivelBestUnknownToJobject(JNIEnv* env, IUnknown* pUnk, void* iidMap, int n);
jobject brivelUnknownToJobject(JNIEnv* env, IUnknown* pUnk);
}
