// pintabo-sheets: prints the pictures as colouring sheets with their colour
// key, one PDF page per picture. Status 0 once the file is complete, 1 when it
// cannot be made, 2 for a usage error.
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <vector>

#include "game/page_table.h"
#include "pdf_file.h"
#include "res/pack.h"
#include "res/platform.h"
#include "sheet_drawing.h"
#include "sheet_options.h"
#include "sheet_texts.h"

namespace {

int fail(const std::string& reason) {
    std::fprintf(stderr, "pintabo-sheets: %s\n", reason.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    SheetOptions options;
    std::setlocale(LC_ALL, "");
    options.paper = locale_paper();
    std::setlocale(LC_ALL, "C");

    std::string error;
    if (!parse_sheet_options(argc, argv, &options, &error)) {
        std::fprintf(stderr, "pintabo-sheets: %s\n%s\n", error.c_str(), sheet_usage);
        return 2;
    }
    if (options.help) {
        std::printf("%s\n", sheet_usage);
        return 0;
    }

    std::vector<int> pictures;
    for (int n = 1; n <= page_count; ++n)
        if (options.picture == 0 || options.picture == n) pictures.push_back(n);
    const std::string folder = get_resources_path();
    // Every archive is looked for before anything is written, so a missing
    // one fails at once.
    for (int n : pictures) {
        const std::string path = folder + page_archive(n, options.detailed);
        if (access(path.c_str(), R_OK) != 0) return fail("cannot read the picture archive " + path);
    }

    PdfFile pdf;
    if (!pdf.open(options.output, options.paper, &error)) return fail(error);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int n = pictures[i];
        const std::string path = folder + page_archive(n, options.detailed);
        Pack archive;
        if (!archive.load(path.c_str())) return fail("cannot read the picture archive " + path);
        const PageFigures& figures = page_figures[n - 1];
        const std::vector<uint32_t> palette(figures.palette, figures.palette + figures.tubes);
        if (i > 0) pdf.next_page();
        if (!draw_sheet(pdf.context(), options.paper, archive, palette,
                        sheet_title(options.language, n, options.detailed), &error))
            return fail(path + ": " + error);
    }
    if (!pdf.commit(&error)) return fail(error);
    return 0;
}
