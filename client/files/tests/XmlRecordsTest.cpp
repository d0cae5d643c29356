#include "files/XmlText.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

struct Found {
    qsizetype position;
    QString a;
    QString b;
};

std::vector<Found> records(const pugi::xml_node& root) {
    std::vector<Found> found;
    XmlText::forEachRecord(
        root, "R", {"a", "b"}, [&found](const XmlText::RecordFields& fields, qsizetype k) {
            found.push_back({k, XmlText::elementText(fields[0]), XmlText::elementText(fields[1])});
            return true;
        });
    return found;
}

TEST(XmlRecords, AValueIsTheWholeTextOfItsElement) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(
        "<r><m>1<!-- note -->000.00</m><n><![CDATA[a<]]><![CDATA[&b]]></n><e/></r>"));
    const pugi::xml_node root = doc.document_element();
    EXPECT_EQ(GetChildText(root, "m"), "1000.00");
    EXPECT_EQ(GetChildText(root, "n"), "a<&b");
    EXPECT_EQ(GetChildText(root, "e", "x"), "");
}

// Each record reads the first descendant of each name below it, as GetChildText does, nested
// records included, in document order.
TEST(XmlRecords, NestedRecordsReadWhatGetChildTextReads) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<L>"
                                "<R><a>1</a><R><b>2</b><R><a>3</a></R></R><b>4</b></R>"
                                "<R/>"
                                "<x><R><b>5</b><a>6</a></R></x>"
                                "</L>"));
    const std::vector<Found> found = records(doc.document_element());
    ASSERT_EQ(found.size(), 5u);
    const pugi::xpath_node_set all = doc.document_element().select_nodes(".//R");
    for (size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(found[i].position, qsizetype(i + 1));
        EXPECT_EQ(found[i].a, GetChildText(all[i].node(), "a"));
        EXPECT_EQ(found[i].b, GetChildText(all[i].node(), "b"));
    }
    EXPECT_EQ(found[0].a + found[0].b, "12");
    EXPECT_EQ(found[1].a + found[1].b, "32");
    EXPECT_EQ(found[3].a + found[3].b, "");
}

TEST(XmlRecords, DeeplyNestedRecordsCostInProportionToTheFile) {
    const int depth = 20000;
    std::string text = "<L>";
    for (int i = 0; i < depth; ++i)
        text += "<R><x/>";
    text += "<a>v</a>";
    for (int i = 0; i < depth; ++i)
        text += "</R>";
    text += "</L>";
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(text.c_str()));

    timespec start{}, end{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    const std::vector<Found> found = records(doc.document_element());
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
    // Work in CPU time, far above the linear cost (milliseconds); the quadratic walk takes
    // minutes here.
    EXPECT_LT(double(end.tv_sec - start.tv_sec), 5.0);
    ASSERT_EQ(found.size(), size_t(depth));
    EXPECT_EQ(found.front().a, "v");
    EXPECT_EQ(found.back().a, "v");
    EXPECT_EQ(found.back().b, "");
}

TEST(XmlRecords, StopsWhenTheCallerDoes) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<L><R/><R/><R/></L>"));
    int seen = 0;
    EXPECT_FALSE(XmlText::forEachRecord(doc.document_element(), "R", {},
                                        [&seen](const XmlText::RecordFields&, qsizetype k) {
                                            ++seen;
                                            return k < 2;
                                        }));
    EXPECT_EQ(seen, 2);
}

} // namespace
