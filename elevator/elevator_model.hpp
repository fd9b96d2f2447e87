#pragma once
// The elevator model: one up-and-down trip of the fully loaded car, its load
// and shaft powers, the motor figures, the drive and unit currents of each
// travel segment and the feedback unit's requirement.
#include <array>
#include <optional>
#include <string>

#include "rating/derating_table.hpp"
#include "rating/unit_catalogue.hpp"

namespace zun {

inline constexpr int kSegmentCount = 6;
inline constexpr double kGravity = 9.8;
inline constexpr double kPi = 3.14;        // the model's value of pi
inline constexpr double kSqrt3 = 1.732;    // the model's value of the square root of 3
inline constexpr double kUnitCurrentFactor = 1.1;
inline constexpr double kMaxWeighting = 0.61;
inline constexpr const char* kWeightingLimitText = "最大配重係數0.6";
inline constexpr const char* kWeightingReplacement = "0.6";
inline constexpr const char* kSuspensionMissingText = "Choose a suspension ratio (1:1 or 2:1) before calculating";

enum class Suspension { OneToOne = 0, TwoToOne = 1 };

// The entry texts of both elevator pages, in the order they are read.
struct ElevatorTexts {
    std::string pfMotor = "0.8";        // Edit9
    std::string pfGenerator = "0.8";    // Edit21
    std::string t1, t2, t3, t4;         // Edit16 to Edit19
    std::string sourceVoltage;          // Edit15
    std::string vfdVoltage;             // Edit14
    std::string maxLoad;                // Edit4
    std::string carWeight;              // Edit5
    std::string weighting = "0.5";      // Edit6
    std::string speed;                  // Edit8, m/min
    std::string cableDiameter;          // Edit7
    std::string meEfficiency = "0.9";   // Edit10
    std::string motorEfficiency = "0.8";// Edit13
    std::string vfdEfficiency = "0.9";  // Edit20
    std::string inertia;                // Edit11
    std::string reductionRatio;         // Edit12
    std::optional<Suspension> suspension;      // ComboBox3
    std::optional<VoltageClass> voltage;       // ComboBox2
};

struct ElevatorInputs {
    float pfMotor = 0, pfGenerator = 0;
    float t1 = 0, t2 = 0, t3 = 0, t4 = 0;
    int sourceVoltage = 0, vfdVoltage = 0;
    float maxLoad = 0, carWeight = 0, weighting = 0, speed = 0, cableDiameter = 0;
    float meEfficiency = 0, motorEfficiency = 0, vfdEfficiency = 0, inertia = 0, reductionRatio = 0;
    Suspension suspension = Suspension::OneToOne;
    std::optional<VoltageClass> voltage;
};

// The weighting-coefficient check: the replacement text "0.6" when the
// value exceeds 0.61, else nothing. A text that is not a number fails.
std::optional<std::string> CheckWeighting(const std::string& weightingText);

// Converts the texts in reading order; the first bad text is reported. The
// two voltages keep their integer part. A missing suspension is refused
// before any text is read.
ElevatorInputs ReadElevatorInputs(const ElevatorTexts& texts);

enum class Mode { Motor, Generator };

struct SegmentLoad {
    float loadPower = 0;   // P, W
    Mode mode = Mode::Motor;
    float shaftPower = 0;  // Pm, W
};

struct ElevatorLoad {
    float carSpeed = 0;     // v, m/s
    float carMass = 0;      // M_car, kg
    float counterMass = 0;  // M_cw, kg
    float massSum = 0;
    float massDifference = 0;
    float ropeSpeed = 0;    // v_r, m/s
    float motorSpeed = 0;   // n, rpm
    float angularSpeed = 0; // ω, rad/s
    float inertiaPowerAcc = 0;
    float inertiaPowerDec = 0;
    std::array<SegmentLoad, kSegmentCount> segments{};
    float demandTorque = 0; // Td, kg-m
    float maxTorque = 0;    // Tmax, kg-m
};

// The steps of the load model, each usable alone so that the click handler
// can interleave them in its order.
void ComputeMassesAndLoadPowers(const ElevatorInputs& in, ElevatorLoad& load);
void ComputeMotorSpeed(const ElevatorInputs& in, ElevatorLoad& load);
void ComputeInertiaPowers(const ElevatorInputs& in, ElevatorLoad& load);
void ComputeShaftPower(const ElevatorInputs& in, ElevatorLoad& load, int segment);  // segment 0 to 5
void ComputeTorques(ElevatorLoad& load);

// All of the load model at once.
ElevatorLoad ComputeElevatorLoad(const ElevatorInputs& in);

struct SegmentCurrents {
    float electricalPower = 0;  // Pe, W
    float vfdCurrent = 0;       // I_vfd, A
    float dcPower = 0;          // P_dc, W
    float unitCurrent = 0;      // I_u, A
};

SegmentCurrents ComputeSegmentCurrent(const ElevatorInputs& in, const SegmentLoad& segment);
std::array<SegmentCurrents, kSegmentCount> ComputeSegmentCurrents(const ElevatorLoad& load,
                                                                  const ElevatorInputs& in);

enum class FeedbackPattern { A, B, AB };

struct ElevatorRequirement {
    std::optional<FeedbackPattern> pattern;  // none: the general rule was used
    float workingTime = 0;                   // t1, s
    float duty = 0;                          // d1, %ED
    int timeIndex = 0;                       // idx1
    float permissibleCurrent = 0;            // p1, %
    float equivalentCurrent = 0;             // x1, A
    bool upComputed = false;                 // d2 to x2 formed
    float upDuty = 0, upPermissibleCurrent = 0, upEquivalentCurrent = 0;
    int upTimeIndex = 0;
    float selectionCurrent = 0;              // x, A
};

inline constexpr const char* kNoFeedbackText =
    "The down travel returns no braking energy to the mains (its deceleration does not feed back): this cycle "
    "needs no feedback unit";

// The unit's requirement from the segments that feed back; nothing when the
// down deceleration (segment 6) does not feed back. A duty or working time
// outside the table raises an Error naming the figure and its range.
std::optional<ElevatorRequirement> ComputeElevatorRequirement(const std::array<SegmentCurrents, kSegmentCount>& currents,
                                               const ElevatorInputs& in, const DeratingTable& table);

// The over-current text of the elevator for a voltage class.
const char* ElevatorOverCurrentText(VoltageClass voltage);

// Energy returned to the mains per round trip, J: the DC-bus power magnitude
// of every feeding segment times its duration, ramps at half their peak.
double ReturnedEnergy(const std::array<SegmentCurrents, kSegmentCount>& currents, const ElevatorInputs& in);

const char* PatternText(FeedbackPattern pattern);

}  // namespace zun
