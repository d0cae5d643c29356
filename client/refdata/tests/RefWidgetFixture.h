#pragma once

#include "page/StatusPanels.h"
#include "refdata/tests/RefFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <memory>
#include <string>
#include <vector>

// A reference tab on a real database, driven through its controls' names.
class RefWidgetFixture : public RefFixture {
protected:
    template <class T> T* find(const char* name) const {
        T* found = page_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void setText(const char* name, const QString& text) const {
        if (auto* edit = page_->findChild<QLineEdit*>(QLatin1String(name)))
            edit->setText(text);
        else
            find<QComboBox>(name)->setEditText(text);
    }
    QString text(const char* name) const {
        const QWidget* field = find<QWidget>(name);
        if (const auto* edit = qobject_cast<const QLineEdit*>(field))
            return edit->text();
        if (const auto* combo = qobject_cast<const QComboBox*>(field))
            return combo->currentText();
        return static_cast<const QLabel*>(field)->text();
    }
    void click(const char* name) const { find<QAbstractButton>(name)->click(); }
    // A mouse click on a grid row (1 for the first record).
    void clickRow(const char* grid, int row) const {
        QTableView* view = find<QTableView>(grid);
        emit view->clicked(view->model()->index(row - 1, 1));
    }
    QString cell(const char* grid, int row, int column) const {
        const QTableView* view = find<QTableView>(grid);
        return view->model()->index(row - 1, column).data().toString();
    }
    int gridRows(const char* grid) const { return find<QTableView>(grid)->model()->rowCount(); }
    // The tab as the clerk has it in front of him, taking the keyboard.
    void showActive() const {
        page_->show();
        QApplication::setActiveWindow(page_);
    }
    // The clerk is back in `field` with its whole text selected, to type it anew.
    void expectBackIn(const char* field) const {
        const auto* box = find<QLineEdit>(field);
        EXPECT_TRUE(box->hasFocus()) << field;
        EXPECT_EQ(box->selectedText(), box->text()) << field;
    }
    // Enter in each field of `order` takes the focus to the next one, as a clerk types a row in.
    void expectEnterWalks(const std::vector<const char*>& order) const {
        showActive();
        find<QWidget>(order.front())->setFocus();
        for (size_t i = 1; i < order.size(); ++i) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &enter);
            const QWidget* focused = QApplication::focusWidget();
            EXPECT_EQ(focused ? focused->objectName().toStdString() : std::string(), order[i])
                << "after Enter in " << order[i - 1];
        }
        EXPECT_TRUE(prompter_.boxes().empty());
    }

    StatusPanels status_;
    QWidget* page_ = nullptr;
};

// A reference tab of the given class, listed as the main window lists it when its tab is shown.
template <class Tab> class RefTabFixture : public RefWidgetFixture {
protected:
    void SetUp() override {
        RefWidgetFixture::SetUp();
        tab_ = std::make_unique<Tab>(*db_, prompter_, status_);
        page_ = tab_.get();
        tab_->reload();
    }
    void TearDown() override {
        tab_.reset();
        RefWidgetFixture::TearDown();
    }

    std::unique_ptr<Tab> tab_;
};
