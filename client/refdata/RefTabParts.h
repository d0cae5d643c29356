#pragma once

#include <QString>

#include <functional>
#include <vector>

class DBAccess;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;
class GridTableModel;
class QObject;
class RefList;
class StatusPanels;

// The pieces every reference tab is built from.
namespace RefTabParts {

// The read-only grid: whole rows selected, column widths given in twips. `clicked` gets the grid
// row (1 for the first record) on a mouse click or Enter on a row.
// The grid model of a reference list; the blank row of an empty list has no number either.
GridTableModel* makeRefModel(const RefList& list, QObject* parent);

QTableView* makeGrid(QWidget* parent, const QString& name, GridTableModel* model,
                     const std::function<void(int row)>& clicked);
// Column widths given in twips, widened where a value or heading would be cut off; call after
// each reload.
void fitColumns(QTableView* grid, const std::vector<int>& twips);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text);
QLabel* makeNotice(QWidget* parent, const QString& name, const QString& text);
QLineEdit* makeEdit(QWidget* parent, const QString& name);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        const std::function<void()>& run);

// The tab's layout inside a frame named prefix + "Frame": the grid on the left, the form's rows
// beside it, the widgets below them and the buttons. Returns the grid layout for the form's rows
// (label in column 0, field in column 1).
QGridLayout* layoutTab(QWidget* page, const QString& prefix, QTableView* grid,
                       const std::vector<QWidget*>& belowForm,
                       const std::vector<QPushButton*>& buttons);

// The two help notices of a tab that edits its list, named prefix + "lblNotice" + first and
// the number after it.
std::vector<QWidget*> editNotices(QWidget* parent, const QString& prefix, int first);

// A row of the form below its last one: the label in column 0, the field in column 1.
QLabel* addFormRow(QWidget* parent, QGridLayout* form, const char* labelName, const char* caption,
                   QWidget* field);

// Enter in a field (text box, box of choices or option) moves the focus to the next shown text box
// or box of choices and selects its text.
void chainEnter(const std::vector<QWidget*>& fields);

// Panel 1 "总笔数", panel 2 the count, the others emptied.
void showCount(StatusPanels& status, DBAccess& db, const QString& countQuery);

} // namespace RefTabParts
