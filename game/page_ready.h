#pragma once

// Whether picture `number` can be built in a variant now: it is in the
// catalogue, and its archive is open or is still there as the folder showed
// it (recheck_own_page(), which leaves out one that has gone, with a line).
// The arrows, the gallery and the builders ask before they go to a picture.
bool page_ready(int number, bool detailed);
