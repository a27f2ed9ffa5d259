#include "res/drawn_resources.h"

uint64_t drawn_resources_generation = 0;
