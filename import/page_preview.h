#pragma once

#include <string>

#include "page_import.h"

// The page as the child will see it, for a parent to look at before it is
// added: per variant a row of the page blank with its numbers and the page
// painted, then the tubes' colours in their order. Written as a PNG to
// `path`; "" or what went wrong.
std::string write_page_preview(const std::string& path, const ImportedPicture& picture);
