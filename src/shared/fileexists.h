#pragma once

// The program and the recent-files library must agree on what "exists" means, so the
// program uses the library's own test.
#include "fileroutines.h"

using tolvane::FileExists;
