// Copies one connection's bytes to the console's output, block by block, as
// they arrive: no translation, no prefix, no buffering beyond one block.
#pragma once

#include <functional>

namespace brivel::console {

// Largest block read from a connection at once.
constexpr int kReadBlockSize = 1024;

// Fills `buffer` with up to `size` bytes; returns how many, 0 at the end of
// the stream, or a negative value on error.
using ReceiveBlock = std::function<int(char* buffer, int size)>;
// Writes up to `size` bytes; returns how many were written, or a negative
// value on error.
using WriteBytes = std::function<int(const char* data, int size)>;

// Receives blocks until the stream ends or fails and puts each block out
// whole (a partial write is followed by the rest). A block the output refuses
// is dropped and copying goes on, so the connection keeps draining. Returns
// the number of bytes received.
long long CopyBlocks(const ReceiveBlock& receive, const WriteBytes& write);

// Writes to a C run-time file descriptor with its unbuffered write call.
int WriteToDescriptor(int fd, const char* data, int size);

}  // namespace brivel::console
