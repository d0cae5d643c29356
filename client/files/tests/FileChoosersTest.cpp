#include "files/FileChoosers.h"
#include "files/ClientMessages.h"
#include "files/XmlText.h"
#include "store/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FileChoosersTest, FilterNamesTheExtensionInBothCases) {
    EXPECT_EQ(fileChooserFilter("plz"), "PLZ (*.PLZ *.plz)");
    EXPECT_EQ(fileChooserFilter("xml"), "XML (*.XML *.xml)");
}

TEST(FileChoosersTest, SaveChooserAsksBeforeOverwriting) {
    QTemporaryDir dir;
    const QString existing = dir.filePath("old.plz");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString fresh = dir.filePath("new");
    ScriptedPrompter prompter;
    ClientMessages messages(prompter);

    prompter.choose(fresh + ".plz");
    EXPECT_EQ(getSaveFileName(messages, "plz"), fresh + ".plz");
    EXPECT_TRUE(prompter.boxes().empty());

    prompter.choose(existing);
    prompter.answer(MsgAnswer::Cancel);
    EXPECT_EQ(getSaveFileName(messages, "plz"), "");
    prompter.choose(existing);
    EXPECT_EQ(getSaveFileName(messages, "plz"), existing);
    ASSERT_EQ(prompter.boxes().size(), 2u);
    EXPECT_EQ(prompter.boxes()[0].text, "该文件名已经存在，是否覆盖原有文件?");
    EXPECT_EQ(prompter.boxes()[0].title, "澄川银行企业网上银行批量制单工具v1.2");
    EXPECT_EQ(prompter.boxes()[0].icon, MsgIcon::Question);
    EXPECT_EQ(prompter.boxes()[0].buttons, MsgButtons::OkCancel);

    EXPECT_EQ(getSaveFileName(messages, "plz"), "");
    ASSERT_EQ(prompter.choosers().size(), 4u);
    EXPECT_TRUE(prompter.choosers()[0].save);
    EXPECT_EQ(prompter.choosers()[0].filter, "PLZ (*.PLZ *.plz)");
    EXPECT_EQ(prompter.choosers()[0].directory, "");
}

// The loader's chooser lists files by their extension: a name typed without one gets it.
TEST(FileChoosersTest, SaveChooserAddsTheExtensionToANameWithoutOne) {
    QTemporaryDir dir;
    QFile existing(dir.filePath("old.dfz"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    ScriptedPrompter prompter;
    ClientMessages messages(prompter);
    const struct {
        QString typed;
        const char* extension;
        QString chosen;
    } cases[] = {
        {dir.filePath("batch"), "plz", dir.filePath("batch.plz")},
        {dir.filePath("batch."), "plz", dir.filePath("batch.plz")},
        {dir.filePath("batch.plz"), "plz", dir.filePath("batch.plz")},
        {dir.filePath("batch.PLZ"), "plz", dir.filePath("batch.PLZ")},
        {dir.filePath("batch.txt"), "plz", dir.filePath("batch.txt")},
        {dir.filePath("名册"), "xml", dir.filePath("名册.xml")},
        {dir.filePath("工资"), "dfz", dir.filePath("工资.dfz")},
    };
    for (const auto& c : cases) {
        prompter.choose(c.typed);
        EXPECT_EQ(getSaveFileName(messages, c.extension), c.chosen) << c.typed.toStdString();
    }
    EXPECT_TRUE(prompter.boxes().empty());

    // The overwrite question is about the file that would be written.
    prompter.choose(dir.filePath("old"));
    prompter.answer(MsgAnswer::Cancel);
    EXPECT_EQ(getSaveFileName(messages, "dfz"), "");
    EXPECT_EQ(prompter.texts(), QStringList{"该文件名已经存在，是否覆盖原有文件?"});
}

TEST(FileChoosersTest, OpenChooserNeverAsks) {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    ClientMessages messages(prompter);
    prompter.choose(dir.path());
    EXPECT_EQ(getOpenFileName(messages, "dfz"), dir.path());
    EXPECT_EQ(getOpenFileName(messages, "dfz"), "");
    EXPECT_TRUE(prompter.boxes().empty());
    ASSERT_EQ(prompter.choosers().size(), 2u);
    EXPECT_FALSE(prompter.choosers()[0].save);
    EXPECT_EQ(prompter.choosers()[0].filter, "DFZ (*.DFZ *.dfz)");
}

TEST(XmlTextTest, EscapesMarkupCharactersOnly) {
    EXPECT_EQ(XmlText::escape("A&B <c> \"d\" 'e'"), "A&amp;B &lt;c&gt; \"d\" 'e'");
    EXPECT_EQ(XmlText::escape("普通文本"), "普通文本");
}

TEST(XmlTextTest, GetChildTextFindsTheFirstDescendantAtAnyDepth) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<r><a><b>深</b></a><b>浅</b><c/></r>"));
    const pugi::xml_node root = doc.document_element();
    EXPECT_EQ(GetChildText(root, "b"), "深");
    EXPECT_EQ(GetChildText(root, "c", "x"), "");
    EXPECT_EQ(GetChildText(root, "d", "缺省"), "缺省");
}

} // namespace
