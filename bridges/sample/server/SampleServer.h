// The sample control's COM server for the bridge's tests: what a test
// process reaches besides COM itself (the class, the count of references
// handed out, the calls the control received, its failure mode and the
// events it fires on demand).
#pragma once

#include <windows.h>

// The control's class identifier, which the bridge compiles in (the control
// has no ProgID).
const CLSID kSampleControlClsid = {0xD639163A, 0x1B7C, 0x4DA4, {0x91, 0xEE, 0x17, 0x11, 0x2B, 0xCF, 0xD1, 0xA4}};
const IID kSampleEventsIid = {0x35BF51EB, 0x7C71, 0x4E56, {0x8B, 0x0C, 0x1B, 0x1B, 0x34, 0x97, 0x1E, 0x0E}};

// Exports (C names):
//   LONG SampleOutstandingReferences(void)
//       references the server's objects hold from callers (0 when all were released)
//   UINT SampleCalls(char* text, UINT size)
//       the calls the controls received since the last time, one a line, as
//       "<dispid>/<flags> [<argument>, ...]"; copies at most size - 1
//       characters and a terminating zero, answers the whole text's length
//   void SampleFailCalls(HRESULT hr)
//       from now on every call fails with hr (DISP_E_EXCEPTION with its
//       EXCEPINFO "The control failed call <dispid>"); S_OK ends that
//   HRESULT SampleFire(DISPID id, DISPPARAMS* params)
//       calls Invoke of every sink advised on the newest live control;
//       E_FAIL when none is advised
//   LONG SampleSinks(void)
//       the number of sinks advised on all live controls
typedef LONG (*SampleOutstandingReferencesFn)();
typedef UINT (*SampleCallsFn)(char* text, UINT size);
typedef void (*SampleFailCallsFn)(HRESULT hr);
typedef HRESULT (*SampleFireFn)(DISPID id, DISPPARAMS* params);
typedef LONG (*SampleSinksFn)();
