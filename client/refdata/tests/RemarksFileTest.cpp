#include "config/GbkCodec.h"
#include "refdata/Remarks.h"
#include "refdata/tests/RefFixture.h"

#include <QFileInfo>

namespace {

class RemarksFileTest : public RefFixture {
protected:
    FileCommandOutcome exportTo(const QString& file) {
        RefList list = Remarks::makeList();
        Remarks::reload(list, *db_);
        return Remarks::exportFiles(messages_, list, [file] { return file; });
    }
    FileCommandOutcome importFrom(const QString& file) {
        return Remarks::importFile(
            *db_, messages_, [file] { return file; }, [] {});
    }
    QStringList remarks() const {
        return rows(QStringLiteral("select remark from user_remark order by remark"));
    }
    void addRemarks(int n) const {
        for (int i = 1; i <= n; ++i)
            sql(QStringLiteral("insert into user_remark (remark) values ('备注%1')")
                    .arg(i, 2, 10, QLatin1Char('0')));
    }
    // The Value texts of a written file.
    static QStringList values(const QString& file) {
        QStringList found;
        for (const QByteArray& line : bytes(file).split('\n'))
            if (line.startsWith("\t\t<Value>"))
                found << decodeText(line.mid(9, line.indexOf("</") - 9), "GBK").value_or("?");
        return found;
    }
};

TEST_F(RemarksFileTest, FileNamesDropOnlyATrailingXmlInAnyCase) {
    const struct {
        const char* chosen;
        qsizetype phrases;
        QStringList names;
    } cases[] = {
        {"/d/a.xml", 10, {"/d/a.xml"}},
        {"/d/a.XML", 1, {"/d/a.xml"}},
        {"/tmp/ab", 3, {"/tmp/ab.xml"}},
        {"/d/a.xml", 11, {"/d/a-1.xml", "/d/a-2.xml"}},
        {"/d/a.Xml", 21, {"/d/a-1.xml", "/d/a-2.xml", "/d/a-3.xml"}},
        {"/tmp/ab", 20, {"/tmp/ab-1.xml", "/tmp/ab-2.xml"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Remarks::exportFileNames(c.chosen, c.phrases), c.names) << c.chosen;
}

TEST_F(RemarksFileTest, TwentyFivePhrasesGoIntoFilesOfTenTenAndFive) {
    addRemarks(25);
    EXPECT_EQ(exportTo(path("a.xml")).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"导出备注完毕"});
    EXPECT_FALSE(QFileInfo::exists(path("a.xml")));
    const QStringList first = values(path("a-1.xml"));
    const QStringList third = values(path("a-3.xml"));
    EXPECT_EQ(first.size(), 10);
    EXPECT_EQ(values(path("a-2.xml")).size(), 10);
    EXPECT_EQ(third.size(), 5);
    EXPECT_EQ(first.value(0), "备注01");
    EXPECT_EQ(third.value(4), "备注25");
}

TEST_F(RemarksFileTest, OneFileIsWrittenLineForLineUnderTheChosenName) {
    sql(QStringLiteral("insert into user_remark (remark) values ('货款'),('A&B<C>')"));
    EXPECT_EQ(exportTo(path("one.xml")).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(bytes(path("one.xml")), fixture("user_remark.xml"));
}

TEST_F(RemarksFileTest, ExportThenImportKeepsEveryPhrase) {
    sql(QStringLiteral("insert into user_remark (remark) values ('货款'),('A&B<C>'),('x > y')"));
    const QStringList before = remarks();
    exportTo(path("round.xml"));
    sql(QStringLiteral("delete from user_remark"));
    prompter_.clear();
    EXPECT_EQ(importFrom(path("round.xml")).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(prompter_.texts(), QStringList{"导入备注完毕"});
    EXPECT_EQ(remarks(), before);
    // Importing phrases that are all present changes nothing.
    EXPECT_EQ(importFrom(path("round.xml")).status, FileCommandOutcome::Status::Done);
    EXPECT_EQ(remarks(), before);
}

TEST_F(RemarksFileTest, ImportTrimsMergesAndStopsAtABlankPhrase) {
    sql(QStringLiteral("insert into user_remark (remark) values ('旧的')"));
    writeFile("in.xml", "<?xml version=\"1.0\"?><Root><UserRemark><Remark><Value>  运费 "
                        "</Value></Remark><Remark><Value> </Value></Remark><Remark><Value>"
                        "不到</Value></Remark></UserRemark></Root>");
    EXPECT_EQ(importFrom(path("in.xml")).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts(), QStringList{"备注文件中有空白的备注，导入文件中止"});
    EXPECT_EQ(remarks(), (QStringList{"旧的", "运费"}));

    prompter_.clear();
    writeFile("other.xml", "<?xml version=\"1.0\"?><Remarks><Remark><Value>甲</Value></Remark>"
                           "</Remarks>");
    EXPECT_EQ(importFrom(path("other.xml")).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts(), QStringList{"文件读写错误，导入备注失败"});
}

TEST_F(RemarksFileTest, AFailingInsertKeepsThePhrase) {
    sql(QStringLiteral("insert into user_remark (remark) values ('甲')"));
    sql(QStringLiteral("create trigger refuse before insert on user_remark begin select "
                       "raise(abort,'refused'); end"));
    writeFile("in.xml", "<UserRemark><Remark><Value>甲</Value></Remark></UserRemark>");
    EXPECT_EQ(importFrom(path("in.xml")).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts().last(), "导入备注发生错误[甲]");
    EXPECT_EQ(remarks(), QStringList{"甲"});
}

TEST_F(RemarksFileTest, APhraseGbkCannotHoldStopsTheExportBeforeAnyFile) {
    addRemarks(12);
    sql(QStringLiteral("insert into user_remark (remark) values ('笑😀')"));
    EXPECT_EQ(exportTo(path("e.xml")).status, FileCommandOutcome::Status::Failed);
    EXPECT_EQ(prompter_.texts(),
              QStringList{"第13条备注的“备注”含有GBK编码无法表示的字符“😀”，导出备注失败"});
    EXPECT_FALSE(QFileInfo::exists(path("e-1.xml")));
}

} // namespace
