#pragma once

#include <QLabel>
#include <QStatusBar>

#include <array>

// The main window's status bar of six numbered panels. The page of the shown tab fills them when
// it reloads (for example "总笔数" and the count in panels 1 and 2).
class StatusPanels : public QStatusBar {
public:
    static constexpr int kPanelCount = 6;

    explicit StatusPanels(QWidget* parent = nullptr)
        : QStatusBar(parent) {
        setObjectName(QStringLiteral("StatusBar1"));
        setSizeGripEnabled(false);
        for (int number = 1; number <= kPanelCount; ++number) {
            QLabel* label = new QLabel(this);
            label->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(number));
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setMinimumWidth(80);
            addWidget(label, number == kPanelCount ? 1 : 0);
            panels_[static_cast<size_t>(number - 1)] = label;
        }
    }

    // Panels are numbered 1 to 6.
    void setPanel(int number, const QString& text) { label(number)->setText(text); }
    QString panel(int number) const { return label(number)->text(); }
    void clearPanels() {
        for (QLabel* label : panels_)
            label->clear();
    }

private:
    QLabel* label(int number) const { return panels_.at(static_cast<size_t>(number - 1)); }

    std::array<QLabel*, kPanelCount> panels_{};
};
