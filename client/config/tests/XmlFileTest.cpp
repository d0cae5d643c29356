#include "config/XmlFile.h"
#include "config/XmlWellFormed.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace {

struct WellFormedCase {
    const char* what;
    const char* text;
    bool wellFormed;
};

TEST(XmlWellFormed, RefusesWhatTheParserWouldLetThrough) {
    const WellFormedCase cases[] = {
        {"plain", "<?xml version=\"1.0\"?>\r\n<a x='1' y=\"2\"><b>t</b><c/></a>\r\n", true},
        {"predefined entities", "<a t='&quot;&apos;'>&amp;&lt;&gt;</a>", true},
        {"character references", "<a>&#20013;&#x6587;&#9;</a>", true},
        {"comment, CDATA, PI", "<a><!-- c --><![CDATA[<&>]]><?pi x?>v</a><!-- end -->", true},
        {"Chinese names", "<记录 名='值'>文本</记录>", true},
        {"raw ampersand", "<a>A & B</a>", false},
        {"ampersand without semicolon", "<a>&amp</a>", false},
        {"undefined entity", "<a>&nbsp;</a>", false},
        {"raw ampersand in attribute", "<a t='&'/>", false},
        {"less-than in attribute", "<a t='<'/>", false},
        {"duplicated attribute", "<a x='1' y='2' x='3'/>", false},
        {"second root", "<a/><b/>", false},
        {"text after the root", "<a/>x", false},
        {"text before the root", "x<a/>", false},
        {"no root", "<?xml version=\"1.0\"?>", false},
        {"control character", "<a>\x01</a>", false},
        {"character reference to NUL", "<a>1&#0;2</a>", false},
        {"character reference to a control", "<a>&#x1F;</a>", false},
        {"character reference beyond Unicode", "<a>&#x110000;</a>", false},
        {"character reference to a surrogate", "<a>&#xD800;</a>", false},
        {"double hyphen in a comment", "<a><!-- a -- b --></a>", false},
        {"document type", "<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>", false},
        {"CDATA end in text", "<a>]]></a>", false},
        {"unclosed tag", "<a", false},
        {"slash inside a tag", "<a / b='1'/>", false},
    };
    for (const WellFormedCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(isWellFormedXmlText(c.text), c.wellFormed);
    }
}

class XmlFileTest : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes) {
        const QString path = dir_.filePath(QLatin1String(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }

    QTemporaryDir dir_;
    XmlFileDocument file_;
};

TEST_F(XmlFileTest, ReadsByTheDeclaredEncoding) {
    const QString path = write("gbk.xml", "<?xml version=\"1.0\" encoding=\"GB2312\"?>"
                                          "<a>\xD6\xD0\xCE\xC4</a>");
    ASSERT_TRUE(loadXmlFile(file_, path));
    EXPECT_EQ(QString::fromUtf8(file_.doc.document_element().child_value()), "中文");
}

TEST_F(XmlFileTest, NotWellFormedFilesAreRefused) {
    for (const char* text : {"<a>A & B</a>", "<a/><b/>", "<a>&#0;</a>", "<a>\x02</a>"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(loadXmlFile(file_, write("bad.xml", text)).status,
                  XmlLoadResult::Status::NotWellFormed);
        EXPECT_FALSE(file_.doc.document_element());
    }
}

TEST_F(XmlFileTest, OnlyRegularFilesOfAPlausibleSizeAreRead) {
    const QString pipe = dir_.filePath(QStringLiteral("pipe.plz"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // A sparse file: larger than any file of the client, without using the disk.
    const QString huge = write("huge.plz", "<a>");
    ASSERT_TRUE(QFile::resize(huge, kMaxXmlFileSize + 1));

    const struct {
        QString path;
        XmlLoadResult::Status status;
    } cases[] = {
        {pipe, XmlLoadResult::Status::Refused},
        {QStringLiteral("/dev/zero"), XmlLoadResult::Status::Refused},
        {dir_.path(), XmlLoadResult::Status::Refused},
        {huge, XmlLoadResult::Status::Refused},
        {dir_.filePath(QStringLiteral("missing.plz")), XmlLoadResult::Status::Unreadable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const XmlLoadResult result = loadXmlFile(file_, c.path);
        EXPECT_EQ(result.status, c.status);
        EXPECT_TRUE(result.message.contains(c.path)) << result.message.toStdString();
    }
}

} // namespace
