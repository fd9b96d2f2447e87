#pragma once
// The calculate button of the "Current Selection" tab.
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zun::ui {

class MessageSink;

struct SimpleSelectionControls {
    QComboBox* voltage;     // ComboBox1
    QComboBox* condition;   // ComboBox4
    QLineEdit* current;     // Edit3
    QLineEdit* temperature; // Edit22
    QLineEdit* workingTime; // Edit1
    QLineEdit* period;      // Edit2
    QCheckBox* continuous;  // CheckBox1
    QLabel* duty;           // Panel1
    QLabel* model;          // Panel2
};

// Loads the derating table, runs the selection on the boxes' texts and shows
// what it reached: the duty, the temperature message and correction, the
// model or the over-current message. An error ends it after what was shown
// by then; it is raised to the caller's guard.
void RunSimpleSelection(const SimpleSelectionControls& controls, MessageSink& messages);

}  // namespace zun::ui
