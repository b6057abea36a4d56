#pragma once
// The seams every window is handed from main: prompts, clock and paths.

#include "common/clock.h"
#include "common/paths.h"
#include "common/prompts.h"

struct AppContext {
    Prompts& prompts;
    const Clock& clock;
    Paths paths;
};
