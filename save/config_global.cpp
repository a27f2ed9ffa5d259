#include "save/config.h"

// Created by the game's start-up from the settings file, deleted at exit.
Config* conf = nullptr;
