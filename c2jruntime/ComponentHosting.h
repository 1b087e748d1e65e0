// Component hosting's state that the runtime's unloading clears.
#pragma once

#include <jni.h>

namespace brivel::c2j {

// Disposes of every window handed out for hosting and lets go of them
// (the runtime unloads: AWT's threads, which the VM waits for, end once
// its windows are gone). The caller waits for Swing's event thread,
// dispatching its messages (see HostingPlatform.h).
void DisposeHostedWindows(JavaVM* vm);

// Forgets the classes defined for hosting (the VM is gone): the next
// component defines them again.
void ForgetHostingClasses();

}  // namespace brivel::c2j
