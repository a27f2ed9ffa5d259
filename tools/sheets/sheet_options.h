#pragma once

#include <string>

#include "sheet_layout.h"

// The command line of pintabo-sheets.
struct SheetOptions {
    int picture = 0;  // 1 to 20, or 0 for every picture
    bool detailed = false;
    int language = 0;  // see sheet_texts.h
    PaperSize paper = paper_a4;
    std::string output = "pintabo-sheets.pdf";
    bool help = false;
};

extern const char* const sheet_usage;

// Reads the arguments over `options`, which holds the defaults. Returns
// false with a one-line reason in *error on a usage error.
bool parse_sheet_options(int argc, char** argv, SheetOptions* options, std::string* error);

// The paper of the locale's LC_PAPER: letter where the locale says so, else A4.
// Call after setlocale(LC_ALL, "").
PaperSize locale_paper();
