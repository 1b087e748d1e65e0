// The listener classes of COM events (C2jLoadInterface, C2jGetEventObject),
// as far as the rest of the runtime reaches them.
#pragma once

#include <jni.h>

namespace brivel::c2j {

// When `obj` is a listener object, sets its sink to 0: a Java call that
// reaches one of its handlers afterwards finds none. Any thread, no lock.
void CutListenerSink(JNIEnv* env, jobject obj);

// The VM went away: forgets the listener classes (the caller holds the
// class-loading lock).
void ForgetListenerClasses();

}  // namespace brivel::c2j
