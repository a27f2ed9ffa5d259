// pintabo-sheets: prints the pictures as colouring sheets with their colour
// key, one PDF page per picture. Status 0 once the file is complete, 1 when it
// cannot be made, 2 for a usage error.
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <vector>

#include "game/page_catalogue.h"
#include "game/page_table.h"
#include "pdf_file.h"
#include "res/archive.h"
#include "res/platform_paths.h"
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

    // --all is the built-in pictures; --picture may name one of the child's
    // own, found in their folder as the game finds them.
    if (options.picture > page_count) scan_own_pictures();
    std::vector<const Page_source*> pictures;
    if (options.picture == 0) {
        for (int n = 1; n <= page_count; ++n) pictures.push_back(find_page(n));
    } else if (const Page_source* own = find_page(options.picture)) {
        pictures.push_back(own);
    } else {
        return fail("there is no picture " + std::to_string(options.picture) + " in " + get_own_pictures_path());
    }
    const std::string folder = get_resources_path();
    const auto archive_path = [&](const Page_source* p) {
        return p->own() ? p->archive(options.detailed) : folder + p->archive(options.detailed);
    };
    // Every archive is looked for before anything is written, so a missing
    // one fails at once.
    for (const Page_source* p : pictures) {
        const std::string path = archive_path(p);
        if (!p->has(options.detailed) || access(path.c_str(), R_OK) != 0)
            return fail("cannot read the picture archive " + path);
    }

    PdfFile pdf;
    if (!pdf.open(options.output, options.paper, &error)) return fail(error);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const Page_source* p = pictures[i];
        const std::string path = archive_path(p);
        Archive archive;
        if (!archive.load(path.c_str())) return fail("cannot read the picture archive " + path);
        const std::vector<uint32_t> palette(p->figures.palette, p->figures.palette + p->figures.tubes);
        const std::string title = p->own() ? sheet_title_named(options.language, p->name, options.detailed)
                                           : sheet_title(options.language, p->number, options.detailed);
        if (i > 0) pdf.next_page();
        if (!draw_sheet(pdf.context(), options.paper, archive, palette, title, &error))
            return fail(path + ": " + error);
    }
    if (!pdf.commit(&error)) return fail(error);
    return 0;
}
