// SPDX-License-Identifier: GPL-3.0-or-later
// The errors a worksheet computation can raise. Each carries the text the user
// is shown; the window layer catches them in one place and shows that text.
#pragma once

#include <stdexcept>
#include <string>

#include "arith/step.h"

namespace zas {

// Base of every error this program raises itself.
class WorksheetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A field text that is not a number in the user's format. Its text quotes the
// field text so that every character of it shows (see errors.cpp).
class ConversionError : public WorksheetError {
  public:
    explicit ConversionError(const std::string& fieldText);
    // The field text exactly as it was typed.
    const std::string& fieldText() const { return fieldText_; }

  private:
    std::string fieldText_;
};

// Division by zero, invalid operation and overflow: the three floating-point
// faults that end a computation. Underflow, denormals and inexact results are
// not faults. The text is the fault's name; raised at a marked step of a
// computation, it gains a second line with that step's cause of the fault.
class FloatingPointError : public WorksheetError {
  public:
    using WorksheetError::WorksheetError;

  protected:
    FloatingPointError(const char* fault, const char* StepCauses::*cause);
};

class DivisionByZeroError : public FloatingPointError {
  public:
    DivisionByZeroError();
};

class InvalidOperationError : public FloatingPointError {
  public:
    InvalidOperationError();
};

class OverflowError : public FloatingPointError {
  public:
    OverflowError();
};

}  // namespace zas
