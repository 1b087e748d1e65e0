#include "OutputCopier.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace brivel::console {

long long CopyBlocks(const ReceiveBlock& receive, const WriteBytes& write) {
    char block[kReadBlockSize];
    long long total = 0;
    for (;;) {
        int received = receive(block, kReadBlockSize);
        if (received <= 0) break;
        total += received;
        for (int done = 0; done < received;) {
            int written = write(block + done, received - done);
            if (written <= 0) break;
            done += written;
        }
    }
    return total;
}

int WriteToDescriptor(int fd, const char* data, int size) {
#ifdef _WIN32
    return _write(fd, data, static_cast<unsigned>(size));
#else
    return static_cast<int>(::write(fd, data, static_cast<size_t>(size)));
#endif
}

}  // namespace brivel::console
