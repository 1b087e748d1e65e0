// Component hosting's state that the runtime's unloading clears.
#pragma once

namespace brivel::c2j {

// Forgets the classes defined for hosting (the VM is gone): the next
// component defines them again.
void ForgetHostingClasses();

}  // namespace brivel::c2j
