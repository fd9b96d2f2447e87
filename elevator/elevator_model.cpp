#include "elevator/elevator_model.hpp"

#include <cmath>

#include "common/error.hpp"
#include "common/numerics.hpp"
#include "common/parse.hpp"

namespace zun {
namespace {

constexpr double kOneSixtieth = 1.0 / 60.0;
constexpr double kTwoToThe31 = 2147483648.0;

// The integer part of a voltage box; a value beyond the integer range is an
// invalid operation, as the conversion would be.
int IntegerPart(const std::string& text) {
    const double value = std::trunc(ParseDecimal(text));
    if (!(value > -kTwoToThe31 - 1 && value < kTwoToThe31)) throw Error(kInvalidOperation);
    return static_cast<int>(value);
}

// Inertia power of each segment: acceleration, none while running, deceleration.
float InertiaPower(const ElevatorLoad& load, int segment) {
    switch (segment % 3) {
        case 0: return load.inertiaPowerAcc;
        case 2: return load.inertiaPowerDec;
        default: return 0.0f;
    }
}

int RoundedTimeIndex(double tenths, const std::string& what, float seconds) {
    const double index = std::nearbyint(tenths);
    if (!(index >= 1 && index <= kTimeSteps)) {
        throw Error("The " + what + " of " + FormatSingle(seconds) +
                    " s lies outside the derating table: it must lie between 0.05 and 400.05 s");
    }
    return static_cast<int>(index);
}

void CheckDuty(float duty, const std::string& what) {
    if (!(duty >= 1.0f && duty <= 100.0f)) {
        throw Error("The " + what + " of " + FormatSingle(duty) +
                    " %ED lies outside the derating table: it must lie between 1 and 100 %ED");
    }
}

}  // namespace

std::optional<std::string> CheckWeighting(const std::string& weightingText) {
    if (ParseDecimal(weightingText) > kMaxWeighting) return std::string(kWeightingReplacement);
    return std::nullopt;
}

ElevatorInputs ReadElevatorInputs(const ElevatorTexts& t) {
    if (!t.suspension) throw Error(kSuspensionMissingText);
    ElevatorInputs in;
    in.pfMotor = ParseSingle(t.pfMotor);
    in.pfGenerator = ParseSingle(t.pfGenerator);
    in.t1 = ParseSingle(t.t1);
    in.t2 = ParseSingle(t.t2);
    in.t3 = ParseSingle(t.t3);
    in.t4 = ParseSingle(t.t4);
    in.sourceVoltage = IntegerPart(t.sourceVoltage);
    in.vfdVoltage = IntegerPart(t.vfdVoltage);
    in.maxLoad = ParseSingle(t.maxLoad);
    in.carWeight = ParseSingle(t.carWeight);
    in.weighting = ParseSingle(t.weighting);
    in.speed = ParseSingle(t.speed);
    in.cableDiameter = ParseSingle(t.cableDiameter);
    in.meEfficiency = ParseSingle(t.meEfficiency);
    in.motorEfficiency = ParseSingle(t.motorEfficiency);
    in.vfdEfficiency = ParseSingle(t.vfdEfficiency);
    in.inertia = ParseSingle(t.inertia);
    in.reductionRatio = ParseSingle(t.reductionRatio);
    in.suspension = *t.suspension;
    in.voltage = t.voltage;
    return in;
}

void ComputeMassesAndLoadPowers(const ElevatorInputs& in, ElevatorLoad& l) {
    l.carMass = Store(static_cast<double>(in.maxLoad) + in.carWeight);
    l.counterMass = Store(static_cast<double>(in.weighting) * in.maxLoad + in.carWeight);
    l.carSpeed = Store(in.speed * kOneSixtieth);
    l.ropeSpeed = in.suspension == Suspension::OneToOne ? l.carSpeed : Store(2.0 * l.carSpeed);
    l.massSum = Store(static_cast<double>(l.carMass) + l.counterMass);
    l.massDifference = Store(static_cast<double>(l.carMass) - l.counterMass);
    const double v = l.carSpeed;
    const double s = l.massSum;
    const double lift = Checked(static_cast<double>(l.massDifference) * kGravity);
    const double accel = Div(v, in.t1);
    const double decel = Div(-v, in.t3);
    const double p[kSegmentCount] = {
        (s * accel + lift) * v, lift * v, (s * decel + lift) * v,
        (s * accel - lift) * v, -lift * v, (s * decel - lift) * v,
    };
    for (int k = 0; k < kSegmentCount; ++k) l.segments[static_cast<std::size_t>(k)].loadPower = Store(p[k]);
}

void ComputeMotorSpeed(const ElevatorInputs& in, ElevatorLoad& l) {
    l.motorSpeed = Store(Div(60.0 * in.reductionRatio * l.ropeSpeed, kPi * in.cableDiameter));
}

void ComputeInertiaPowers(const ElevatorInputs& in, ElevatorLoad& l) {
    l.angularSpeed = Store(l.motorSpeed * 2.0 * kPi * kOneSixtieth);
    const double energy = Checked(static_cast<double>(in.inertia) * l.angularSpeed * l.angularSpeed);
    l.inertiaPowerAcc = Store(Div(energy, in.t1));
    l.inertiaPowerDec = Store(Div(energy, in.t3));
}

void ComputeShaftPower(const ElevatorInputs& in, ElevatorLoad& l, int segment) {
    SegmentLoad& s = l.segments[static_cast<std::size_t>(segment)];
    const double pj = InertiaPower(l, segment);
    // The inertia power enlarges the magnitude in either mode.
    if (s.loadPower >= 0.0f) {
        s.mode = Mode::Motor;
        s.shaftPower = Store(Div(s.loadPower, in.meEfficiency) + pj);
    } else {
        s.mode = Mode::Generator;
        s.shaftPower = Store(static_cast<double>(s.loadPower) * in.meEfficiency - pj);
    }
}

void ComputeTorques(ElevatorLoad& l) {
    const double pm1 = l.segments[0].shaftPower;
    const double pm2 = l.segments[1].shaftPower;
    l.demandTorque = Store(Div(pm2 * 60.0, l.motorSpeed * kPi * 2.0 * kGravity));
    l.maxTorque = Store(Div(pm1, pm2) * l.demandTorque);
}

ElevatorLoad ComputeElevatorLoad(const ElevatorInputs& in) {
    ElevatorLoad l;
    ComputeMassesAndLoadPowers(in, l);
    ComputeMotorSpeed(in, l);
    ComputeInertiaPowers(in, l);
    for (int k = 0; k < kSegmentCount; ++k) ComputeShaftPower(in, l, k);
    ComputeTorques(l);
    return l;
}

SegmentCurrents ComputeSegmentCurrent(const ElevatorInputs& in, const SegmentLoad& s) {
    SegmentCurrents c;
    const double pm = s.shaftPower;
    if (s.mode == Mode::Motor) {
        c.electricalPower = Store(Div(pm, in.motorEfficiency));
        c.vfdCurrent = Store(Div(c.electricalPower, in.vfdVoltage * kSqrt3 * in.pfMotor));
        c.dcPower = Store(Div(Div(pm, in.motorEfficiency), in.vfdEfficiency));
        c.unitCurrent = 0.0f;
    } else {
        c.electricalPower = Store(pm * in.motorEfficiency);
        c.vfdCurrent = Store(Div(c.electricalPower, in.vfdVoltage * kSqrt3 * in.pfGenerator));
        c.dcPower = Store(pm * in.motorEfficiency * in.vfdEfficiency);
        c.unitCurrent = Store(Div(kUnitCurrentFactor * c.dcPower, in.sourceVoltage * kSqrt3));
    }
    return c;
}

std::array<SegmentCurrents, kSegmentCount> ComputeSegmentCurrents(const ElevatorLoad& load, const ElevatorInputs& in) {
    std::array<SegmentCurrents, kSegmentCount> c{};
    for (std::size_t k = 0; k < c.size(); ++k) c[k] = ComputeSegmentCurrent(in, load.segments[k]);
    return c;
}

std::optional<ElevatorRequirement> ComputeElevatorRequirement(const std::array<SegmentCurrents, kSegmentCount>& c,
                                                              const ElevatorInputs& in, const DeratingTable& table) {
    auto feeds = [&](int segment) { return c[static_cast<std::size_t>(segment - 1)].dcPower < 0.0f; };
    auto iu = [&](int segment) { return c[static_cast<std::size_t>(segment - 1)].unitCurrent; };

    ElevatorRequirement r;
    if (feeds(3) && feeds(5) && feeds(6) && iu(4) == 0.0f) {
        r.pattern = FeedbackPattern::A;
    } else if (feeds(4) && feeds(5) && feeds(6) && iu(3) == 0.0f) {
        r.pattern = FeedbackPattern::B;
    } else if (feeds(3) && feeds(4) && feeds(5) && feeds(6)) {
        r.pattern = FeedbackPattern::AB;
    }
    // Every pattern, and the general rule for other sign combinations, takes
    // the down travel's charge over the down deceleration's current; a
    // segment in motor mode carries no unit current and adds nothing.
    if (!feeds(6) || iu(6) == 0.0f) return std::nullopt;

    const double period = Checked(static_cast<double>(in.t1) + in.t2 + in.t3 + in.t4);
    const double charge = Checked(static_cast<double>(iu(4)) * in.t1 + static_cast<double>(iu(5)) * in.t2 +
                                  static_cast<double>(iu(6)) * in.t3);
    r.workingTime = Store(Div(charge, iu(6)));
    r.duty = Store(Div(r.workingTime * 100.0, period));
    CheckDuty(r.duty, "down-travel duty");
    r.timeIndex = RoundedTimeIndex(10.0 * r.workingTime, "down-travel working time", r.workingTime);
    r.permissibleCurrent = PermissibleCurrent(table, r.duty, r.timeIndex);
    r.equivalentCurrent = Store(EquivalentCurrent(std::fabs(iu(6)), r.permissibleCurrent));

    const bool upFeeds = r.pattern ? *r.pattern != FeedbackPattern::B : feeds(3);
    float x2 = 0.0f;
    if (upFeeds) {
        r.upComputed = true;
        r.upDuty = Store(Div(in.t3 * 100.0, period));
        CheckDuty(r.upDuty, "up-deceleration duty");
        r.upTimeIndex = RoundedTimeIndex(10.0 * in.t3, "up-deceleration time T3", in.t3);
        r.upPermissibleCurrent = PermissibleCurrent(table, r.upDuty, r.upTimeIndex);
        r.upEquivalentCurrent = Store(EquivalentCurrent(std::fabs(iu(3)), r.upPermissibleCurrent));
        x2 = r.upEquivalentCurrent;
    }
    r.selectionCurrent = x2 >= r.equivalentCurrent ? x2 : r.equivalentCurrent;
    return r;
}

const char* ElevatorOverCurrentText(VoltageClass voltage) {
    return voltage == VoltageClass::V220 ? kElevatorOverCurrent220Text : kOverCurrentText;
}

double ReturnedEnergy(const std::array<SegmentCurrents, kSegmentCount>& c, const ElevatorInputs& in) {
    const double durations[kSegmentCount] = {in.t1 / 2.0, in.t2, in.t3 / 2.0, in.t1 / 2.0, in.t2, in.t3 / 2.0};
    double energy = 0;
    for (std::size_t k = 0; k < c.size(); ++k) {
        if (c[k].dcPower < 0.0f) energy += -static_cast<double>(c[k].dcPower) * durations[k];
    }
    return energy;
}

const char* PatternText(FeedbackPattern pattern) {
    switch (pattern) {
        case FeedbackPattern::A: return "A";
        case FeedbackPattern::B: return "B";
        case FeedbackPattern::AB: return "AB";
    }
    return "";
}

}  // namespace zun
