#include "payment/frmPaymentB2B.h"
#include "config/SysConf.h"
#include "payment/tests/PaymentWidgetFixture.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

namespace {

const QString kPayer = QStringLiteral("622200001111");

class frmPaymentB2BTest : public PaymentWidgetFixture {
protected:
    std::unique_ptr<frmPaymentB2B> openEditor() {
        auto editor = std::make_unique<frmPaymentB2B>(*db_, prompter_);
        editor->setParentForm(tab_.get());
        return editor;
    }
    // The fields every instruction needs, for the payee account `recAcc`.
    void fillRequired(const QWidget& editor, const QString& recAcc,
                      const QString& amount = QStringLiteral("1,234.5")) {
        setText(&editor, "comboPayAccNo", kPayer);
        setText(&editor, "comboPayAccName", "澄川贸易有限公司");
        setText(&editor, "comboRecAccNo", recAcc);
        setText(&editor, "comboRecAccName", "收款人" + recAcc);
        setText(&editor, "txtAmount", amount);
        setText(&editor, "comboRemark", "货款");
    }
    QString payment(const QString& columns) const {
        return rows("select " + columns + " from payment").join('\n');
    }
};

TEST_F(frmPaymentB2BTest, OpensAsSameBankWithItsFieldStates) {
    auto editor = openEditor();
    EXPECT_EQ(editor->windowTitle(), "付款指令");
    EXPECT_TRUE(find<QRadioButton>(editor.get(), "optRecAccType_0")->isChecked());
    const QColor block =
        find<QLineEdit>(editor.get(), "blockText")->palette().color(QPalette::Base);
    EXPECT_FALSE(find<QLineEdit>(editor.get(), "blockText")->isVisibleTo(editor.get()));

    const struct {
        int kind;
        std::vector<const char*> on;
        std::vector<const char*> off;
    } states[] = {
        {0,
         {},
         {"txtRecBankName", "txtSameCityLiquidateNo", "comboProvince", "comboCity",
          "txtPresentPayBankNo"}},
        {1,
         {"txtRecBankName", "txtSameCityLiquidateNo"},
         {"comboProvince", "comboCity", "txtPresentPayBankNo"}},
        {2,
         {"txtRecBankName", "comboProvince", "comboCity", "txtPresentPayBankNo"},
         {"txtSameCityLiquidateNo"}},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.kind);
        click(editor.get(), QStringLiteral("optRecAccType_%1").arg(state.kind).toLatin1());
        for (const char* name : state.on) {
            EXPECT_TRUE(find<QWidget>(editor.get(), name)->isEnabled()) << name;
            EXPECT_EQ(find<QWidget>(editor.get(), name)->palette().color(QPalette::Base),
                      QColor(Qt::white))
                << name;
        }
        for (const char* name : state.off) {
            EXPECT_FALSE(find<QWidget>(editor.get(), name)->isEnabled()) << name;
            EXPECT_EQ(find<QWidget>(editor.get(), name)->palette().color(QPalette::Base), block)
                << name;
        }
        EXPECT_EQ(find<QRadioButton>(editor.get(), "optRemitType_1")->isEnabled(), state.kind == 1);
    }
    EXPECT_GT(find<QComboBox>(editor.get(), "comboProvince")->count(), 30);

    click(editor.get(), "optRecAccType_1");
    setText(editor.get(), "txtPresentPayBankNo", "x");
    click(editor.get(), "optRemitType_1");
    EXPECT_FALSE(find<QWidget>(editor.get(), "txtSameCityLiquidateNo")->isEnabled());
    EXPECT_TRUE(find<QWidget>(editor.get(), "txtPresentPayBankNo")->isEnabled());
    setText(editor.get(), "txtPresentPayBankNo", "102581000013");
    click(editor.get(), "optRemitType_0");
    EXPECT_TRUE(find<QWidget>(editor.get(), "txtSameCityLiquidateNo")->isEnabled());
    EXPECT_EQ(text(editor.get(), "txtPresentPayBankNo"), "");
}

TEST_F(frmPaymentB2BTest, SavesChangesAndDeletesAnInstructionOfEachKind) {
    const struct {
        int kind;
        const char* code;
        const char* bank;
        const char* clearing;
        const char* province;
        const char* city;
        const char* modern;
        const char* remitOption;
    } kinds[] = {
        {0, "00", "澄川银行", "", "", "", "", "optRemitType_0"},
        {1, "01", "工商银行深圳分行", "102584", "", "", "", "optRemitType_0"},
        {2, "02", "建设银行广州分行", "", "广东省", "广州市", "105581000016", "optRemitType_0"},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.code);
        prompter_.clear();
        sql("delete from payment");
        auto editor = openEditor();
        click(editor.get(), QStringLiteral("optRecAccType_%1").arg(k.kind).toLatin1());
        const QString recAcc = QStringLiteral("95588000000%1").arg(k.kind);
        fillRequired(*editor, recAcc);
        if (k.kind != 0)
            setText(editor.get(), "txtRecBankName", k.bank);
        setText(editor.get(), "txtSameCityLiquidateNo", k.clearing);
        setText(editor.get(), "comboProvince", k.province);
        setText(editor.get(), "comboCity", k.city);
        setText(editor.get(), "txtPresentPayBankNo", k.modern);

        editor->cmdAdd_Click();

        EXPECT_EQ(prompter_.texts(), QStringList{"新建指令成功"});
        const QString stored =
            QStringLiteral("%1|%2|%3|%4|%5|%6|%7|1234.5|货款|0")
                .arg(k.code, recAcc, k.bank, k.clearing, k.province, k.city, k.modern);
        EXPECT_EQ(payment("rec_acc_type,rec_acc_no,rec_bank_name,same_city_liquidate_no,"
                          "province,city,presentBankNo,pay_amt,remark,remit_type"),
                  stored);
        EXPECT_EQ(rows("select acc_name,acc_type,branch_id,rec_bank_name from payee_acc where "
                       "acc_no='" +
                       recAcc + "'"),
                  QStringList{"收款人" + recAcc + "|" + k.code + "||" +
                              (k.kind == 0 ? "澄川银行" : k.bank)});
        EXPECT_EQ(payment("length(serial_no)"), "22");
        EXPECT_EQ(text(editor.get(), "comboRecAccNo"), "");
        EXPECT_EQ(text(editor.get(), "txtAmount"), "");
        EXPECT_EQ(text(editor.get(), "lblPayIdx"), "2");
        EXPECT_EQ(status_.panel(2), "1");

        // Change: the tab fills the editor from the grid row.
        prompter_.clear();
        auto change = openEditor();
        change->fillFromRow(tab_->paymentList().row(1));
        EXPECT_EQ(text(change.get(), "txtAmount"), "1,234.50");
        EXPECT_TRUE(find<QRadioButton>(change.get(),
                                       QStringLiteral("optRecAccType_%1").arg(k.kind).toLatin1())
                        ->isChecked());
        EXPECT_TRUE(find<QRadioButton>(change.get(), k.remitOption)->isChecked());
        setText(change.get(), "txtAmount", "99");
        change->cmdUpdate_Click();
        EXPECT_EQ(prompter_.texts(), QStringList{"修改指令成功"});
        EXPECT_EQ(payment("pay_amt,rec_bank_name,province,city"),
                  QStringLiteral("99|%1|%2|%3").arg(k.bank, k.province, k.city));

        prompter_.clear();
        change->cmdDelete_Click();
        EXPECT_EQ(prompter_.texts(), (QStringList{"是否确认要删除批量付款指令?", "删除指令成功"}));
        EXPECT_EQ(count("payment"), 0);
    }
}

TEST_F(frmPaymentB2BTest, ChangeKeepsAnUrgentRemitType) {
    auto editor = openEditor();
    click(editor.get(), "optRecAccType_1");
    click(editor.get(), "optRemitType_1");
    fillRequired(*editor, "955880000009");
    setText(editor.get(), "txtRecBankName", "工商银行");
    setText(editor.get(), "txtPresentPayBankNo", "102584000001");
    editor->cmdAdd_Click();
    ASSERT_EQ(payment("remit_type"), "1");

    auto change = openEditor();
    change->fillFromRow(tab_->paymentList().row(1));
    EXPECT_TRUE(find<QRadioButton>(change.get(), "optRemitType_1")->isChecked());
    change->cmdUpdate_Click();
    EXPECT_EQ(payment("remit_type,presentBankNo"), "1|102584000001");
}

TEST_F(frmPaymentB2BTest, ChangeAndDeleteNeedAShownInstruction) {
    auto editor = openEditor();
    editor->cmdUpdate_Click();
    editor->cmdDelete_Click();
    EXPECT_EQ(prompter_.texts(), (QStringList{"请选择记录进行修改", "请选择记录进行删除"}));
}

TEST_F(frmPaymentB2BTest, SamePayerAndPayeeAccountIsRefusedBeforeAnythingIsWritten) {
    auto editor = openEditor();
    fillRequired(*editor, " " + kPayer + " ");

    editor->cmdAdd_Click();

    EXPECT_EQ(prompter_.texts(), QStringList{"转入转出账号相同"});
    EXPECT_EQ(count("payment"), 0);
    EXPECT_EQ(count("pay_acc"), 0);
    EXPECT_EQ(count("payee_acc"), 0);
}

TEST_F(frmPaymentB2BTest, CancelledDuplicateQuestionWritesNothing) {
    addPayment("2024010112000000010001", "00", "955880000001", "10");
    auto editor = openEditor();
    fillRequired(*editor, "955880000001");
    setText(editor.get(), "comboPayAccNo", "622200009999");
    prompter_.answer(MsgAnswer::Cancel);

    editor->cmdAdd_Click();

    ASSERT_EQ(prompter_.boxes().size(), 1u);
    EXPECT_EQ(prompter_.boxes()[0].text, "该收款账号的支付记录已存在，请确认是否要继续保存?");
    EXPECT_EQ(prompter_.boxes()[0].icon, MsgIcon::Question);
    EXPECT_EQ(prompter_.boxes()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(count("payment"), 1);
    EXPECT_EQ(count("pay_acc"), 0);
    EXPECT_EQ(count("payee_acc"), 0);

    prompter_.clear();
    editor->cmdAdd_Click();
    EXPECT_EQ(prompter_.texts().last(), "新建指令成功");
    EXPECT_EQ(count("payment"), 2);
}

TEST_F(frmPaymentB2BTest, TypedPayerIsStoredAndATypedNameReplacesTheStoredOne) {
    auto editor = openEditor();
    fillRequired(*editor, "955880000001");
    editor->cmdAdd_Click();
    EXPECT_EQ(rows("select acc_no,acc_name,currency from pay_acc"),
              QStringList{kPayer + "|澄川贸易有限公司|01"});

    fillRequired(*editor, "955880000002");
    setText(editor.get(), "comboPayAccName", "澄川贸易股份公司");
    editor->cmdAdd_Click();
    EXPECT_EQ(rows("select acc_no,acc_name from pay_acc"),
              QStringList{kPayer + "|澄川贸易股份公司"});
    EXPECT_EQ(find<QComboBox>(editor.get(), "comboPayAccNo")->count(), 1);
}

TEST_F(frmPaymentB2BTest, SameBankInstructionStoresTheBankNameAndEmptyBankFields) {
    auto editor = openEditor();
    click(editor.get(), "optRecAccType_2");
    click(editor.get(), "optRecAccType_0");
    fillRequired(*editor, "955880000001");

    editor->cmdAdd_Click();

    EXPECT_EQ(payment("rec_bank_name,same_city_liquidate_no,province,city,presentBankNo"),
              "澄川银行||||");
}

TEST_F(frmPaymentB2BTest, RemarkOfSixtyCharactersIsAcceptedAndSixtyOneRefused) {
    auto editor = openEditor();
    fillRequired(*editor, "955880000001");
    setText(editor.get(), "comboRemark", QString(61, QChar(0x6B3E)));
    editor->cmdAdd_Click();
    EXPECT_EQ(prompter_.texts(), QStringList{"备注长度超过最长60位的长度"});
    EXPECT_EQ(count("payment"), 0);
    EXPECT_EQ(count("pay_acc"), 0);

    prompter_.clear();
    setText(editor.get(), "comboRemark", " " + QString(60, QChar(0x6B3E)) + " ");
    editor->cmdAdd_Click();
    EXPECT_EQ(prompter_.texts(), QStringList{"新建指令成功"});
    EXPECT_EQ(count("payment"), 1);
}

TEST_F(frmPaymentB2BTest, FormCheckMessagesInOrder) {
    const struct {
        const char* field;
        const char* value;
        const char* message;
        const char* amountAfter;
    } cases[] = {
        {"comboPayAccNo", " ", "批量支付文件：付款账号不能为空", "1,234.5"},
        {"comboPayAccName", "", "批量支付文件：付款账户户名不能为空", "1,234.5"},
        {"txtAmount", " ", "请输入金额", " "},
        {"txtAmount", "12.345", "金额格式错误", ""},
        {"txtAmount", "100000000000.01", "金额范围超过系统限制", ""},
        {"txtAmount", "0.00", "金额必须大于零元", ""},
    };
    auto editor = openEditor();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        prompter_.clear();
        fillRequired(*editor, "955880000001");
        setText(editor.get(), c.field, c.value);
        editor->cmdAdd_Click();
        EXPECT_EQ(prompter_.texts(), QStringList{c.message});
        EXPECT_EQ(text(editor.get(), "txtAmount"), c.amountAfter);
    }
    EXPECT_EQ(count("payment"), 0);

    prompter_.clear();
    fillRequired(*editor, "955880000001", "100000000000.00");
    editor->cmdAdd_Click();
    EXPECT_EQ(prompter_.texts(), QStringList{"新建指令成功"});
}

TEST_F(frmPaymentB2BTest, TypedPayeeNumberSelectsTheStoredAccountOnLeavingTheField) {
    sql("insert into payee_acc (acc_no,acc_name,acc_type,branch_id,area_no,net_no,rec_bank_name,"
        "same_city_liquidate_no,province,city,presentBankNo) values ('955880000001','甲公司','02',"
        "'','','','建设银行','','广东省','广州市','105581000016'),('9558800000011','乙公司','02',"
        "'','','','农业银行','','广东省','深圳市','103584000001')");
    auto editor = openEditor();
    editor->show();
    click(editor.get(), "optRecAccType_2");
    QComboBox* number = find<QComboBox>(editor.get(), "comboRecAccNo");
    ASSERT_EQ(number->count(), 2);
    number->setFocus();
    number->lineEdit()->setText("955880000001");
    emit number->lineEdit()->textEdited("955880000001");
    find<QWidget>(editor.get(), "comboRecAccName")->setFocus();
    QApplication::processEvents();
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(number, &leave);

    EXPECT_EQ(text(editor.get(), "comboRecAccName"), "甲公司");
    EXPECT_EQ(text(editor.get(), "txtRecBankName"), "建设银行");
    EXPECT_EQ(text(editor.get(), "comboProvince"), "广东省");
    EXPECT_EQ(text(editor.get(), "comboCity"), "广州市");
    EXPECT_EQ(text(editor.get(), "txtPresentPayBankNo"), "105581000016");
    EXPECT_EQ(find<QComboBox>(editor.get(), "comboRecBankName")->currentIndex(), 0);

    find<QComboBox>(editor.get(), "comboRecAccName")->setCurrentIndex(1);
    emit find<QComboBox>(editor.get(), "comboRecAccName")->activated(1);
    EXPECT_EQ(text(editor.get(), "comboRecAccNo"), "9558800000011");
    EXPECT_EQ(text(editor.get(), "comboCity"), "深圳市");
}

TEST_F(frmPaymentB2BTest, PayerListsFollowEachOther) {
    sql("insert into pay_acc (acc_no,acc_name) values ('1001','甲'),('1002','乙')");
    auto editor = openEditor();
    QComboBox* number = find<QComboBox>(editor.get(), "comboPayAccNo");
    number->setCurrentIndex(1);
    emit number->activated(1);
    EXPECT_EQ(text(editor.get(), "comboPayAccName"), "乙");
}

} // namespace

namespace {

TEST_F(frmPaymentB2BTest, EnterInTheAmountShowsItFormattedAndInCapitals) {
    auto editor = openEditor();
    QLineEdit* amount = find<QLineEdit>(editor.get(), "txtAmount");
    amount->setText("10001");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(amount, &enter);
    EXPECT_EQ(amount->text(), "10,001.00");
    EXPECT_EQ(text(editor.get(), "lblCnPayAmount"), "壹万零壹元整");
    EXPECT_TRUE(prompter_.boxes().empty());
}

} // namespace

namespace {

TEST_F(frmPaymentB2BTest, OlderBankFieldsFollowTheirEditRuleWhileTheAmountStaysEditable) {
    auto closed = openEditor();
    for (const char* name : {"txtRecBankId", "txtAreaNo", "txtNetNo"})
        EXPECT_FALSE(find<QLineEdit>(closed.get(), name)->isEnabled()) << name;
    EXPECT_TRUE(find<QLineEdit>(closed.get(), "txtAmount")->isEnabled());

    for (int id = 3; id <= 6; ++id)
        sharedConfig().FieldRule[static_cast<size_t>(id)].can_edit = true;
    auto open = openEditor();
    for (const char* name : {"txtRecBankId", "txtAreaNo", "txtNetNo", "txtAmount"})
        EXPECT_TRUE(find<QLineEdit>(open.get(), name)->isEnabled()) << name;
    EXPECT_FALSE(find<QLineEdit>(open.get(), "txtRecBankId")->isVisibleTo(open.get()));
}

} // namespace

namespace {

// Rules set for one test and restored afterwards.
class RuleScope {
public:
    explicit RuleScope(std::initializer_list<int> ids) {
        for (int id : ids) {
            saved_.emplace_back(id, sharedConfig().FieldRule[static_cast<size_t>(id)]);
            FieldRuleEntry& rule = sharedConfig().FieldRule[static_cast<size_t>(id)];
            rule.field_name = QStringLiteral("字段%1").arg(id);
            rule.not_null = true;
            rule.length = QStringLiteral("10000");
            rule.max_value = 1e308;
        }
    }
    ~RuleScope() {
        for (const auto& [id, rule] : saved_)
            sharedConfig().FieldRule[static_cast<size_t>(id)] = rule;
    }

private:
    std::vector<std::pair<int, FieldRuleEntry>> saved_;
};

TEST_F(frmPaymentB2BTest, ClearedPayeeNameOfAPickedAccountIsEmpty) {
    const RuleScope rules{2};
    sql("insert into payee_acc (acc_no,acc_name,acc_type,rec_bank_name) values "
        "('955880000001','甲公司','00','澄川银行'),('955880000002','乙公司','00','澄川银行')");
    auto editor = openEditor();
    fillRequired(*editor, "955880000002");
    QComboBox* name = find<QComboBox>(editor.get(), "comboRecAccName");
    name->setCurrentIndex(1);
    emit name->activated(1);
    ASSERT_EQ(text(editor.get(), "comboRecAccNo"), "955880000002");

    name->setEditText(QString());
    editor->cmdAdd_Click();

    EXPECT_EQ(prompter_.texts(), QStringList{"字段2不能为空，请重新输入。"});
    EXPECT_EQ(count("payment"), 0);
}

// Bank fields a kind does not use are disabled; their rules cannot be met and are not checked.
TEST_F(frmPaymentB2BTest, RequiredBankFieldsAreCheckedOnlyWhereTheKindUsesThem) {
    const RuleScope rules{21, 22, 24};
    const struct {
        int kind;
        int remit;
        std::vector<const char*> filled;
        const char* missing; // the field left empty, or none
        const char* message;
    } cases[] = {
        {0, 0, {}, nullptr, "新建指令成功"},
        {1, 0, {"txtRecBankName", "txtSameCityLiquidateNo"}, nullptr, "新建指令成功"},
        {1, 1, {"txtRecBankName", "txtPresentPayBankNo"}, nullptr, "新建指令成功"},
        {2, 0, {"txtRecBankName", "txtPresentPayBankNo"}, nullptr, "新建指令成功"},
        {1, 0, {"txtRecBankName"}, "txtSameCityLiquidateNo", "字段22不能为空，请重新输入。"},
        {2, 0, {"txtRecBankName"}, "txtPresentPayBankNo", "字段24不能为空，请重新输入。"},
        {2, 0, {"txtPresentPayBankNo"}, "txtRecBankName", "字段21不能为空，请重新输入。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.kind).arg(c.remit).toStdString());
        prompter_.clear();
        sql("delete from payment");
        auto editor = openEditor();
        click(editor.get(), QStringLiteral("optRecAccType_%1").arg(c.kind).toLatin1());
        click(editor.get(), QStringLiteral("optRemitType_%1").arg(c.remit).toLatin1());
        fillRequired(*editor, "955880000001");
        for (const char* field : c.filled)
            setText(editor.get(), field, "102584000001");

        editor->cmdAdd_Click();

        EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(count("payment"), c.missing ? 0 : 1);
    }
}

TEST_F(frmPaymentB2BTest, KindWithoutRemitChoiceStoresAndWritesAnOrdinaryRemittance) {
    auto editor = openEditor();
    click(editor.get(), "optRecAccType_1");
    click(editor.get(), "optRemitType_1");
    click(editor.get(), "optRecAccType_0");
    EXPECT_TRUE(find<QRadioButton>(editor.get(), "optRemitType_0")->isChecked());
    fillRequired(*editor, "955880000001");
    editor->cmdAdd_Click();
    ASSERT_EQ(payment("rec_acc_type,remit_type"), "00|0");

    click(editor.get(), "optRecAccType_1");
    click(editor.get(), "optRemitType_1");
    click(editor.get(), "optRecAccType_2");
    fillRequired(*editor, "955880000002");
    setText(editor.get(), "txtRecBankName", "建设银行");
    editor->cmdAdd_Click();
    EXPECT_EQ(rows("select rec_acc_type,remit_type from payment order by rec_acc_no"),
              (QStringList{"00|0", "02|0"}));

    const QString file = path("remit.plz");
    prompter_.choose(file);
    tab_->writeUploadFile();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count("<remitType>0</remitType>"), 2);
}

TEST_F(frmPaymentB2BTest, FailedDeleteShowsTheListAnewAsASuccessfulOneDoes) {
    addPayment("2024010112000000010001", "00", "955880000001", "10");
    tab_->resetPaymentB2B();
    auto editor = openEditor();
    editor->fillFromRow(tab_->paymentList().row(1));
    sql("create trigger keep before delete on payment begin select raise(abort, 'kept'); end");
    addPayment("2024010112000000020002", "00", "955880000002", "5");
    ASSERT_EQ(status_.panel(2), "1");

    editor->cmdDelete_Click();

    EXPECT_EQ(prompter_.texts().last(), "删除指令失败");
    EXPECT_EQ(status_.panel(2), "2");
    EXPECT_EQ(status_.panel(4), "15.00");
}

} // namespace

namespace {

TEST_F(frmPaymentB2BTest, EditorIsAFixedDialogWithoutMinimiseOrMaximise) {
    auto editor = openEditor();
    editor->show();
    QApplication::processEvents();
    const Qt::WindowFlags flags = editor->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(editor->minimumSize(), editor->maximumSize());
    const QSize shown = editor->size();
    editor->resize(shown * 2);
    QApplication::processEvents();
    EXPECT_EQ(editor->size(), shown);

    // Every kind shows its fields at the same place in the same window.
    for (int kind : {1, 2, 0}) {
        click(editor.get(), QStringLiteral("optRecAccType_%1").arg(kind).toLatin1());
        QApplication::processEvents();
        EXPECT_EQ(editor->size(), shown) << kind;
    }
}

} // namespace

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// The program folder is delivered with rules that keep what the editor's stars promise.
TEST_F(frmPaymentB2BTest, DeliveredRulesRefuseEmptyStarredFieldsAndAccountsOfOddLength) {
    EXPECT_EQ(fileBytes(QStringLiteral(PSD_CLIENT_DIR "/sysConf.ini")),
              fileBytes(QStringLiteral(PSD_DELIVERED_SYSCONF)));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PSD_DELIVERED_SYSCONF), path("sysConf.ini")));
    const SysConf delivered;
    ASSERT_EQ(sharedConfig().bankName, "澄川银行");

    const struct {
        const char* field;
        const char* message;
    } starred[] = {
        {"comboPayAccNo", "批量支付文件：付款账号不能为空"},
        {"comboPayAccName", "批量支付文件：付款账户户名不能为空"},
        {"comboRecAccNo", "收款帐号不能为空，请重新输入。"},
        {"comboRecAccName", "帐户户名不能为空，请重新输入。"},
        {"txtAmount", "付款金额不能为空，请重新输入。"},
    };
    for (const auto& s : starred) {
        SCOPED_TRACE(s.field);
        prompter_.clear();
        auto editor = openEditor();
        fillRequired(*editor, "955880000001");
        setText(editor.get(), s.field, "");
        editor->cmdAdd_Click();
        EXPECT_EQ(prompter_.texts(), QStringList{QString::fromUtf8(s.message)});
    }

    const struct {
        int digits;
        bool accepted;
    } lengths[] = {{7, false}, {8, true}, {19, true}, {22, true}, {32, true}, {33, false}};
    for (const auto& l : lengths) {
        SCOPED_TRACE(l.digits);
        prompter_.clear();
        sql("delete from payment");
        auto editor = openEditor();
        fillRequired(*editor, QString(l.digits, u'6'));
        editor->cmdAdd_Click();
        EXPECT_EQ(prompter_.texts(),
                  QStringList{l.accepted
                                  ? QStringLiteral("新建指令成功")
                                  : QStringLiteral("收款帐号输入错误，请输入正确的帐号,帐号位数为8-"
                                                   "32。")});
        EXPECT_EQ(count("payment"), l.accepted ? 1 : 0);
    }
}

} // namespace

namespace {

TEST_F(frmPaymentB2BTest, EnterWalksTheFormFromThePayerToTheSaveButtonWithoutSaving) {
    auto editor = openEditor();
    editor->show();
    QApplication::setActiveWindow(editor.get());
    // 跨行同城 enables every field a clerk can type into, the remit choice among them; an option
    // group is one stop, whichever of its options takes the focus.
    find<QRadioButton>(editor.get(), "optRecAccType_1")->click();
    const char* const order[] = {
        "comboPayAccNo",   "comboPayAccName", "optRecAccType_", "comboRecAccNo",
        "comboRecAccName", "optRemitType_",   "txtRecBankName", "txtSameCityLiquidateNo",
        "txtAmount",       "comboRemark",     "cmdAdd"};
    find<QWidget>(editor.get(), order[0])->setFocus();
    for (size_t i = 1; i < std::size(order); ++i) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &enter);
        const QString focused = QApplication::focusWidget()->objectName();
        EXPECT_TRUE(focused.startsWith(QLatin1String(order[i])))
            << "after Enter in " << order[i - 1] << " the focus is on " << focused.toStdString();
    }
    EXPECT_TRUE(prompter_.boxes().empty());
    EXPECT_EQ(count("payment"), 0);
}

} // namespace
