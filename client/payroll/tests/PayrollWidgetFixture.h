#pragma once

#include "page/StatusPanels.h"
#include "payroll/LaborageTab.h"
#include "payroll/tests/PayrollFixture.h"
#include "testsupport/WidgetDriver.h"

// The payroll tab on a real database, with the editor it opens driven through control names.
class PayrollWidgetFixture : public PayrollFixture {
protected:
    void SetUp() override {
        PayrollFixture::SetUp();
        tab_ = std::make_unique<LaborageTab>(*db_, prompter_, status_);
        tab_->resetLaborage();
    }
    void TearDown() override {
        tab_.reset();
        PayrollFixture::TearDown();
    }

    StatusPanels status_;
    std::unique_ptr<LaborageTab> tab_;
};
