#pragma once

#include <string>

// Bringing a picture of the child's own into the game from the gallery's
// "+" tile: the desktop's file chooser (zenity or kdialog, whichever is
// installed), then pintabo-import on it, both as child processes on a
// worker thread while the game goes on.

// Whether the "+" tile can be offered: a chooser and the importer are there.
bool own_import_offered();

// Starts choosing and importing; false while one is under way.
bool start_own_import();

// 0 to 100 while under way, -1 when nothing is.
int own_import_progress();

// Once, when an import has ended: the new picture's number (0 when the
// child chose nothing or it failed; a failure has been said on stderr).
// `ended` says whether there was anything to take.
int take_own_import(bool& ended);

// Waits for an import under way (at quit).
void own_import_wait();
