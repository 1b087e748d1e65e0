// The sink of a dual event interface, from the options bridge as the
// generator wrote it, on the real i386 VM: a COM caller that holds the
// event interface calls its methods through the virtual table (slot 7 and
// up), and each call reaches the Java listener with its arguments, writes
// IN/OUT values back and answers the listener's boolean result.
#include <gtest/gtest.h>
#include <windows.h>
#include <oaidl.h>

#include <string>

#include "../ProbedSink.h"

using brivel::testing::TakePendingException;

// The event interface as its callers see it (IDL order, results lifted
// back into the parameters). Not in an unnamed namespace: the compiler would
// know that no class of this file implements it and would not call through
// the table.
struct IGadgetEvents : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Turned(long turns, BSTR caption) = 0;
    virtual HRESULT STDMETHODCALLTYPE Counted(short* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Level(long* level) = 0;
    virtual HRESULT STDMETHODCALLTYPE Moved(VARIANT where, int mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE Asked(IDispatch* asker, VARIANT_BOOL* agreed) = 0;
    virtual HRESULT STDMETHODCALLTYPE Seen(VARIANT* where, long after) = 0;
};

namespace {

const IID kGadgetEventsIid = {0x6b2c0100, 0x0, 0x4000, {0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x50}};

class VtableSink : public brivel::testing::ProbedSink<IGadgetEvents> {
protected:
    void SetUp() override { StartProbe({BRIVEL18_JAR, OPTIONS_JAR, PROBE_JAR}, "probe/GadgetEventsProbe", kGadgetEventsIid); }
    void SetFlag(const char* name, bool value) {
        env->SetBooleanField(probe, env->GetFieldID(probeClass, name, "Z"), value ? JNI_TRUE : JNI_FALSE);
    }
};

}  // namespace

TEST_F(VtableSink, EventsArriveThroughTheirSlotsWithTheirArguments) {
    BSTR caption = SysAllocString(L"seven");
    EXPECT_EQ(events->Turned(7, caption), S_OK);
    SysFreeString(caption);
    EXPECT_EQ(Log(), "Turned 7 seven;");

    // A VARIANT by value takes its sixteen bytes: the argument after it
    // arrives intact.
    VARIANT where;
    VariantInit(&where);
    V_VT(&where) = VT_I4;
    V_I4(&where) = 5;
    EXPECT_EQ(events->Moved(where, 1), S_OK);
    EXPECT_EQ(Log(), "Moved 5 1;");
    // An IN-only VARIANT pointer stays a pointer on the stack.
    V_I4(&where) = 6;
    EXPECT_EQ(events->Seen(&where, 9), S_OK);
    EXPECT_EQ(Log(), "Seen 6 9;");

    // A property of the event interface has no Java method: its slot answers
    // and calls nothing.
    long level = 99;
    EXPECT_EQ(events->get_Level(&level), S_OK);
    EXPECT_EQ(level, 99);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(TakePendingException(env).className, "");
}

TEST_F(VtableSink, InOutValuesReturnOnlyWhenTheHandlerSucceeds) {
    short count = 41;
    EXPECT_EQ(events->Counted(&count), S_OK);
    EXPECT_EQ(count, 42);
    EXPECT_EQ(Log(), "Counted 41;");

    // A handler that throws: the listener hears of it, the caller's value
    // stays as it was and no Java exception is left pending.
    SetFlag("throwNext", true);
    EXPECT_EQ(events->Counted(&count), S_OK);
    EXPECT_EQ(count, 42);
    EXPECT_EQ(Log(), "Counted 42;Exception Counted handler failed;");
    EXPECT_EQ(TakePendingException(env).className, "");
}

TEST_F(VtableSink, BooleanEventAnswersThroughItsResult) {
    VARIANT_BOOL agreed = VARIANT_TRUE;
    SetFlag("answer", false);
    EXPECT_EQ(events->Asked(nullptr, &agreed), S_FALSE);
    EXPECT_EQ(agreed, VARIANT_FALSE);
    SetFlag("answer", true);
    EXPECT_EQ(events->Asked(nullptr, &agreed), S_OK);
    EXPECT_EQ(agreed, VARIANT_TRUE);
    EXPECT_EQ(Log(), "Asked null;Asked null;");
}
