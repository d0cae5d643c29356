#include "store/DBAccess.h"
#include "store/ScriptedPrompter.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The province and city rows of the delivered database, read through the statements the
// province and city lists use.
class Geography : public ::testing::Test {
protected:
    void SetUp() override {
        const QFileInfo file(qEnvironmentVariable("PSD_USERDB"));
        db = std::make_unique<DBAccess>(file.absolutePath() + '/', prompter);
    }

    QStringList cities(const QString& province) {
        QStringList names;
        auto rows = db->Query(QStringLiteral("select cityName from city a, province b where "
                                             "provinceName=? and a.provinceId = b.provinceId"),
                              {province});
        for (; rows && !rows->atEnd(); rows->moveNext())
            names << rows->text("cityName");
        return names;
    }

    int count(const char* sql) {
        auto rows = db->Query(QString::fromUtf8(sql));
        return rows ? rows->value(0, 0).toInt() : -1;
    }

    ScriptedPrompter prompter;
    std::unique_ptr<DBAccess> db;
};

TEST_F(Geography, EveryCityBelongsToAProvinceAndEveryProvinceHasCities) {
    EXPECT_EQ(count("select count(*) from city where provinceId not in "
                    "(select provinceId from province)"),
              0);
    EXPECT_EQ(count("select count(*) from province where provinceId not in "
                    "(select provinceId from city)"),
              0);
    EXPECT_EQ(count("select count(*) from (select cityName, provinceId from city "
                    "group by cityName, provinceId having count(*) > 1)"),
              0);
    // 333 prefecture-level divisions, plus one row each for the four municipalities, Hong Kong,
    // Macau and Taiwan.
    EXPECT_EQ(count("select count(*) from city"), 340);
    EXPECT_TRUE(prompter.boxes().empty());
}

TEST_F(Geography, ProvincesHoldTheirPrefectureLevelDivisions) {
    const struct {
        const char* province;
        int cities;
        const char* sample;
    } cases[] = {
        {"河北省", 11, "石家庄市"},
        {"内蒙古自治区", 12, "锡林郭勒盟"},
        {"黑龙江省", 13, "大兴安岭地区"},
        {"江苏省", 13, "苏州市"},
        {"山东省", 16, "济南市"},
        {"河南省", 17, "驻马店市"},
        {"湖北省", 13, "恩施土家族苗族自治州"},
        {"广东省", 21, "深圳市"},
        {"海南省", 4, "三沙市"},
        {"四川省", 21, "凉山彝族自治州"},
        {"云南省", 16, "西双版纳傣族自治州"},
        {"西藏自治区", 7, "阿里地区"},
        {"青海省", 8, "海西蒙古族藏族自治州"},
        {"新疆维吾尔自治区", 14, "伊犁哈萨克自治州"},
        {"北京市", 1, "北京市"},
        {"香港特别行政区", 1, "香港特别行政区"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.province);
        const QStringList names = cities(QString::fromUtf8(c.province));
        EXPECT_EQ(names.size(), c.cities);
        EXPECT_TRUE(names.contains(QString::fromUtf8(c.sample)));
    }
}

TEST_F(Geography, UnknownProvinceHasNoCities) {
    EXPECT_TRUE(cities(QStringLiteral("不存在省")).isEmpty());
    EXPECT_TRUE(cities(QStringLiteral("广东省' or '1'='1")).isEmpty());
}

} // namespace
