#include "core/model/LinkTools.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;

TEST(LinkTools, NormalizedUrlAndInvalid) {
    const struct {
        QString in, normalized;
        const char* url; // nullptr: not a link
    } cases[] = {
        {u"  example.com/a?id=5 \n"_s, u"https://example.com/a?id=5"_s, "https://example.com/a?id=5"},
        {u"WWW.Example.COM"_s, u"https://WWW.Example.COM"_s, "https://www.example.com"},
        {u"Http://Example.com"_s, u"Http://Example.com"_s, "http://example.com"},
        {u"http://localhost/page"_s, u"http://localhost/page"_s, nullptr},
        {u"ftp://files.example.com"_s, u"ftp://files.example.com"_s, nullptr},
        {u"https://exa mple.com"_s, u"https://exa mple.com"_s, nullptr},
        {u" two words.here "_s, u"two words.here"_s, nullptr},
        {u"слово"_s, u"слово"_s, nullptr},
        {u"пример.рф"_s, u"https://пример.рф"_s, "https://пример.рф"},
        {u" \t\u00A0"_s, QString(), ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(LinkTools::normalized(c.in), c.normalized) << c.in.toStdString();
        const auto url = LinkTools::url(c.in);
        EXPECT_EQ(url ? url->toString() : QString(), c.url && *c.url ? QString::fromUtf8(c.url) : QString());
        EXPECT_EQ(LinkTools::isInvalid(c.in), !c.url) << c.in.toStdString(); // blank text is never invalid
    }
}
