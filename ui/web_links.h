#pragma once

#include <string>

// The maker's web site, where the main menu's and the about dialog's link
// buttons lead.
extern const char* const site_address;

// Link 0 is the site itself, 1 its Facebook page, 2 its Twitter page. The
// address carries the tracking query with the game's version and the
// language (0 to 4, as Config::language; any other number counts as English).
// An unknown link leads to the site itself.
std::string web_address(int link, int language);
