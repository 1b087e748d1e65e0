// Compiles the runtime library's header as a generated bridge includes it.
#include "brivellib18.h"
