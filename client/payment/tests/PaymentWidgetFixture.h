#pragma once

#include "page/StatusPanels.h"
#include "payment/PaymentTab.h"
#include "payment/tests/PaymentFixture.h"
#include "testsupport/WidgetDriver.h"

// The payment tab on a real database, with the dialogs it opens driven through their names.
class PaymentWidgetFixture : public PaymentFixture {
protected:
    void SetUp() override {
        PaymentFixture::SetUp();
        tab_ = std::make_unique<PaymentTab>(*db_, prompter_, status_);
        tab_->resetPaymentB2B();
    }
    void TearDown() override {
        tab_.reset();
        PaymentFixture::TearDown();
    }

    StatusPanels status_;
    std::unique_ptr<PaymentTab> tab_;
};
