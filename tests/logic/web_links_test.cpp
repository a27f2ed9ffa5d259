// Where the link buttons of the main menu and the about dialog lead.
#include "ui/web_links.h"
#include "save/languages.h"

#include <gtest/gtest.h>

#include <string>

#include "res/platform.h"

namespace {

const std::string query_start = "/?utm_source=pintabo&utm_medium=mac-ad&utm_term=main&utm_content=1.0.1&utm_campaign=";

TEST(WebLinks, EachLinkInEachLanguage) {
    const char* const paths[3] = {"", "/facebook", "/twitter"};
    for (int link = 0; link < 3; ++link)
        for (int language = 0; language < 5; ++language)
            EXPECT_EQ(web_address(link, language),
                      site_address + std::string(paths[link]) + query_start + language_codes[language])
                << "link " << link << ", language " << language;
}

TEST(WebLinks, UnknownLanguageCountsAsEnglishAndUnknownLinkIsTheSite) {
    EXPECT_EQ(web_address(2, 7), web_address(2, 0));
    EXPECT_EQ(web_address(1, -1), web_address(1, 0));
    EXPECT_EQ(web_address(3, 3), web_address(0, 3));
    EXPECT_EQ(web_address(-1, 4), web_address(0, 4));
}

TEST(WebLinks, EveryAddressIsOneTheBrowserIsGiven) {
    for (int link = 0; link < 3; ++link) EXPECT_TRUE(is_web_address(web_address(link, 0))) << web_address(link, 0);
}

}  // namespace
