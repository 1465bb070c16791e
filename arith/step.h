// SPDX-License-Identifier: GPL-3.0-or-later
// Which step of a worksheet computation is under way, and what a
// floating-point fault at that step means for the survey.
//
// The computations catch nothing: an error ends the run and goes straight to
// the error report. So that the report can still say where the run ended and
// why, each step is named where it begins, by a StepMarker that lives until
// the next step's marker or the end of the run. A floating-point error is
// raised deep inside the checked operations (Div, Trunc, Store); when it is
// constructed it reads the innermost marker and takes the step's line for its
// own fault as its second line. The checked operations keep their signatures
// and know nothing of worksheets, and a computation gains one line per step.
#pragma once

namespace zas {

// One step's causes, one line for each floating-point fault its inputs can
// bring about there, in the sheet's terms. nullptr where that fault cannot
// arise at this step.
struct StepCauses {
    const char* divisionByZero = nullptr;
    const char* invalidOperation = nullptr;
    const char* overflow = nullptr;
};

// Marks a step for as long as it lives. Markers nest: the newest one alive is
// the step under way; when it goes, the one before it is current again.
class StepMarker {
  public:
    explicit StepMarker(const StepCauses& causes);
    ~StepMarker();
    StepMarker(const StepMarker&) = delete;
    StepMarker& operator=(const StepMarker&) = delete;

  private:
    const StepCauses* previous_;
};

// The causes of the step under way, or nullptr outside any step.
const StepCauses* CurrentStep();

}  // namespace zas
