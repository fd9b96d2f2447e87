#pragma once
// The calculate button of the second elevator page.
class QComboBox;
class QLabel;
class QLineEdit;
class QChartView;
class QLineSeries;

namespace zun::ui {

class MessageSink;

struct ElevatorControls {
    QComboBox* suspension;  // ComboBox3
    QComboBox* voltage;     // ComboBox2
    QLineEdit* pfMotor;     // Edit9
    QLineEdit* pfGenerator; // Edit21
    QLineEdit* t1;          // Edit16
    QLineEdit* t2;          // Edit17
    QLineEdit* t3;          // Edit18
    QLineEdit* t4;          // Edit19
    QLineEdit* sourceVoltage;   // Edit15
    QLineEdit* vfdVoltage;      // Edit14
    QLineEdit* maxLoad;         // Edit4
    QLineEdit* carWeight;       // Edit5
    QLineEdit* weighting;       // Edit6
    QLineEdit* speed;           // Edit8
    QLineEdit* cableDiameter;   // Edit7
    QLineEdit* meEfficiency;    // Edit10
    QLineEdit* motorEfficiency; // Edit13
    QLineEdit* vfdEfficiency;   // Edit20
    QLineEdit* inertia;         // Edit11
    QLineEdit* reductionRatio;  // Edit12
    QLabel* torque;             // Panel3
    QLabel* speedPanel;         // Panel4
    QLabel* maxTorque;          // Panel5
    QLabel* model;              // Panel6
    QLabel* picture;            // Image2
    QChartView* currentChart;   // Chart1
    QChartView* speedChart;     // Chart2
    QLineSeries* vfdSeries;     // Series1
    QLineSeries* unitSeries;    // Series2
    QLineSeries* speedSeries;   // Series3
};

// The elevator calculation in the handler's order: suspension and weighting
// checks, charts shown and emptied, table loaded, entries read, motor speed,
// torques, charts filled, model or message. An error ends it after what was
// shown by then and is raised to the caller's guard.
void RunElevatorCalculation(const ElevatorControls& controls, MessageSink& messages);

}  // namespace zun::ui
