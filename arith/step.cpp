// SPDX-License-Identifier: GPL-3.0-or-later
#include "arith/step.h"

namespace zas {

namespace {
thread_local const StepCauses* gCurrentStep = nullptr;
}

StepMarker::StepMarker(const StepCauses& causes) : previous_(gCurrentStep) {
    gCurrentStep = &causes;
}

StepMarker::~StepMarker() {
    gCurrentStep = previous_;
}

const StepCauses* CurrentStep() {
    return gCurrentStep;
}

}  // namespace zas
