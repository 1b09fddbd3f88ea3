#include "exports/MimeHandlers.h"

#include <gtest/gtest.h>

namespace {

struct HandlerCase
{
    const char* text;
    bool listed;
};

class MimeHandlersTest : public ::testing::TestWithParam<HandlerCase>
{};

TEST_P(MimeHandlersTest, FindsAnApplicationForTheType)
{
    EXPECT_EQ(ListsHandlerFor(QString::fromUtf8(GetParam().text), "application/vnd.ms-htmlhelp"),
              GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Associations, MimeHandlersTest,
    ::testing::Values(
        HandlerCase{"[MIME Cache]\napplication/vnd.ms-htmlhelp=xchm.desktop;\n", true},
        HandlerCase{"[Default Applications]\r\napplication/vnd.ms-htmlhelp=a.desktop;b.desktop\r\n",
                    true},
        HandlerCase{"[MIME Cache]\napplication/vnd.ms-htmlhelp=\n", false},
        HandlerCase{"[MIME Cache]\napplication/vnd.ms-htmlhelp=;\n", false},
        HandlerCase{"[MIME Cache]\napplication/vnd.ms-htmlhelp-x=a.desktop;\n", false},
        HandlerCase{"[MIME Cache]\ntext/html=firefox.desktop;\n", false},
        HandlerCase{"[Removed Associations]\napplication/vnd.ms-htmlhelp=xchm.desktop;\n", false},
        HandlerCase{"", false}));

} // namespace
