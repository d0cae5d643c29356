#include "config/tests/SysConfFixture.h"

namespace {

const QString kDefaultDocument = QStringLiteral(
    "<?xml version='1.0' encoding='gb2312'?>\r\n"
    "<SysConf bank_name=\"\" sys_icon=\"\">"
    "<PatchPayFile><FunctionName for=\"批量支付文件\"/>"
    "<GatherAccountNo field_name=\"收款帐号\" id=\"1\" obj_type=\"combox\"/>"
    "<GatherAccountName field_name=\"帐户户名\" id=\"2\" obj_type=\"combox\"/>"
    "<GatherAccountNetNo field_name=\"收款帐开户网点号\" id=\"3\" obj_type=\"text\"/>"
    "<GatherAccountAreaCode field_name=\"收款帐户地区号\" id=\"4\" obj_type=\"text\"/>"
    "<GatherAccountLinkNo field_name=\"收款方联行号\" id=\"5\" obj_type=\"text\"/>"
    "<PaySum field_name=\"付款金额\" id=\"6\" obj_type=\"text\"/>"
    "<PatchPayFileRemark field_name=\"备注\" id=\"7\" obj_type=\"combox\"/>"
    "</PatchPayFile>"
    "<SubSalaryFile><FunctionName for=\"代发工资/代报销文件\"/>"
    "<PayeeName field_name=\"收款人名称\" id=\"8\" obj_type=\"combox\"/>"
    "<PayeeAccountNo field_name=\"收款人帐号\" id=\"9\" obj_type=\"combox\"/>"
    "<Sum field_name=\"金额\" id=\"10\" obj_type=\"text\"/>"
    "<SubSalaryFileRemark field_name=\"备注\" id=\"11\" obj_type=\"combox\"/>"
    "</SubSalaryFile>"
    "<PayAccountMana><FunctionName for=\"付款账户维护\"/>"
    "<PayAccountNo field_name=\"付款帐号\" id=\"12\" obj_type=\"text\"/>"
    "<PayeeAccountName field_name=\"付款账户户名\" id=\"13\" obj_type=\"text\"/>"
    "</PayAccountMana>"
    "<GatherAccountMana><FunctionName for=\"收款帐户维护\"/>"
    "<GatherAccountNo field_name=\"收款帐号\" id=\"14\" obj_type=\"text\"/>"
    "<GatherAccountName field_name=\"帐户户名\" id=\"15\" obj_type=\"text\"/>"
    "<GatherAccountNetNo field_name=\"收款帐户开户网点号\" id=\"16\" obj_type=\"text\"/>"
    "</GatherAccountMana>"
    "<SubSalaRollMana><FunctionName for=\"代发工资/代报销名册维护\"/>"
    "<PerAccountNo field_name=\"个人帐号\" id=\"17\" obj_type=\"text\"/>"
    "<PerAccountName field_name=\"户名\" id=\"18\" obj_type=\"text\"/>"
    "<CertificateNo field_name=\"证件号码\" id=\"19\" obj_type=\"text\"/>"
    "</SubSalaRollMana>"
    "<RemarkMana><FunctionName for=\"备注维护\"/>"
    "<RemarkName field_name=\"汇款备注名称\" id=\"20\" obj_type=\"text\"/>"
    "</RemarkMana>"
    "<ccAddNewItemsMana><FunctionName for=\"澄川银行\"/>"
    "<payeeBankName field_name=\"收款银行名称\" id=\"21\" obj_type=\"text\"/>"
    "<sameCityLiquidateNo field_name=\"同城清算行号\" id=\"22\" obj_type=\"text\"/>"
    "<payeeCity field_name=\"城市\" id=\"23\" obj_type=\"text\"/>"
    "<presentPayBankNo field_name=\"现代支付行号\" id=\"24\" obj_type=\"text\"/>"
    "</ccAddNewItemsMana>"
    "</SysConf>\r\n");

using SysConfDefaultFile = SysConfFixture;

TEST_F(SysConfDefaultFile, MissingFileIsWrittenAsTheDefaultDocument) {
    SysConf conf;
    EXPECT_EQ(iniText(), kDefaultDocument);
}

TEST_F(SysConfDefaultFile, DefaultDocumentIsGbkUnderGb2312Declaration) {
    SysConf conf;
    const QByteArray bytes = iniBytes();
    EXPECT_TRUE(bytes.startsWith("<?xml version='1.0' encoding='gb2312'?>\r\n<SysConf "));
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("c5fac1bfd6a7b8b6cec4bcfe"))); // 批量支付文件
    EXPECT_TRUE(bytes.contains(QByteArray::fromHex("b3ceb4a8d2f8d0d0")));         // 澄川银行
    EXPECT_FALSE(bytes.contains(QStringLiteral("澄川银行").toUtf8()));
}

TEST_F(SysConfDefaultFile, EveryWriteGivesTheSameBytes) {
    SysConf first;
    const QByteArray once = iniBytes();
    ASSERT_TRUE(QFile::remove(iniPath()));
    SysConf second;
    EXPECT_EQ(iniBytes(), once);
    EXPECT_TRUE(second.setValues());
    EXPECT_EQ(iniBytes(), once);
}

TEST_F(SysConfDefaultFile, DamagedFileIsReplacedWithTheDefaultDocument) {
    const QByteArray damaged[] = {
        "",
        "not xml at all",
        "<?xml version='1.0' encoding='gb2312'?>\r\n<SysConf bank_name=\"x\"><PatchPayFile>",
        "<?xml version='1.0' encoding='gb2312'?>\r\n<SysConf bank_name=\"\xff\xff\"/>",
        "<?xml version='1.0' encoding='no-such-encoding'?><SysConf/>",
        QByteArray("\x00\x01\x02<SysConf/>", 13),
    };
    for (const QByteArray& bytes : damaged) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        writeIni(bytes);
        SysConf conf;
        EXPECT_EQ(iniText(), kDefaultDocument);
    }
}

TEST_F(SysConfDefaultFile, SharedValuesStayEmptyUntilTheWrittenFileIsLoaded) {
    sharedConfig().bankName = QStringLiteral("earlier");
    SysConf first;
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("earlier"));
    EXPECT_TRUE(sharedConfig().FieldRule[1].field_name.isEmpty());

    SysConf second;
    EXPECT_EQ(sharedConfig().bankName, QString());
    EXPECT_EQ(sharedConfig().FieldRule[1].field_name, QStringLiteral("收款帐号"));
    EXPECT_EQ(sharedConfig().FieldRule[24].field_name, QStringLiteral("现代支付行号"));
    EXPECT_EQ(sharedConfig().FieldRule[14].field_name, QStringLiteral("收款帐号"));
}

TEST_F(SysConfDefaultFile, ProgramFolderGetsItsTrailingSeparator) {
    SysConf conf;
    EXPECT_EQ(sharedConfig().programFolder, folder());
    EXPECT_EQ(conf.filePath(), iniPath());
}

TEST_F(SysConfDefaultFile, FileIsReadByItsDeclaredEncoding) {
    writeIni(QStringLiteral(
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?><SysConf bank_name=\"澄川银行\"/>")
                 .toUtf8());
    SysConf conf;
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("澄川银行"));

    writeIni(QByteArray("<?xml version='1.0' encoding='GBK'?><SysConf bank_name=\"") +
             QByteArray::fromHex("b3ceb4a8d2f8d0d0") + "\"/>");
    SysConf gbk;
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("澄川银行"));

    // GBK characters beyond GB2312 under a gb2312 declaration, as files written elsewhere hold.
    writeIni(QByteArray("<?xml version='1.0' encoding='gb2312'?><SysConf bank_name=\"") +
             QByteArray::fromHex("e94686b4") + "\"/>");
    SysConf wider;
    EXPECT_EQ(sharedConfig().bankName, QStringLiteral("镕喆"));
}

} // namespace
