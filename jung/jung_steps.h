// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the Jung computation at which a floating-point fault can arise,
// each with what the fault means on the sheet. The interior angles β1 (at A)
// and β2 (at B) belong to the triangle A–B–P, β1′ (at B) and β2′ (at C) to
// B–C–P. Faults no input can bring about at a step are left out:
// - a cotangent's sine is exactly zero only at 0°, and is never 0 / 0; its
//   cosine over a tiny sine stays far inside the extended range, and only its
//   cut to five decimals can fail;
// - the sums of two cut cotangents, and the means of two cut coordinates,
//   are small enough for any double;
// - a determination's quotient stays inside the extended range; it is cut
//   before it is stored, so only the cut fails when it is too large; and Y′P
//   (Y″P) divides by the sum that X′P (X″P) has already divided by.
#pragma once

#include "arith/step.h"

namespace zas::jung {

inline constexpr StepCauses kAngleB1{
    .overflow =
        "Угол β1 не переводится в градусы: его градусы, минуты и секунды вместе "
        "слишком велики."};
inline constexpr StepCauses kAngleB2{
    .overflow =
        "Угол β2 не переводится в градусы: его градусы, минуты и секунды вместе "
        "слишком велики."};
inline constexpr StepCauses kAngleBB2{
    .overflow =
        "Угол β2′ не переводится в градусы: его градусы, минуты и секунды вместе "
        "слишком велики."};
inline constexpr StepCauses kAngleBB1{
    .overflow =
        "Угол β1′ не переводится в градусы: его градусы, минуты и секунды вместе "
        "слишком велики."};

inline constexpr StepCauses kCtgB1{
    .divisionByZero =
        "Котангенс β1 не существует: угол β1 равен 0°, точки A, B и P лежат на "
        "одной прямой, треугольник A–B–P не решается.",
    .invalidOperation =
        "Котангенс β1 бесконечен: угол β1 равен или почти равен 0° или 180°, "
        "точки A, B и P лежат на одной прямой, треугольник A–B–P не решается."};
inline constexpr StepCauses kCtgB2{
    .divisionByZero =
        "Котангенс β2 не существует: угол β2 равен 0°, точки A, B и P лежат на "
        "одной прямой, треугольник A–B–P не решается.",
    .invalidOperation =
        "Котангенс β2 бесконечен: угол β2 равен или почти равен 0° или 180°, "
        "точки A, B и P лежат на одной прямой, треугольник A–B–P не решается."};
inline constexpr StepCauses kCtgBB1{
    .divisionByZero =
        "Котангенс β1′ не существует: угол β1′ равен 0°, точки B, C и P лежат на "
        "одной прямой, треугольник B–C–P не решается.",
    .invalidOperation =
        "Котангенс β1′ бесконечен: угол β1′ равен или почти равен 0° или 180°, "
        "точки B, C и P лежат на одной прямой, треугольник B–C–P не решается."};
inline constexpr StepCauses kCtgBB2{
    .divisionByZero =
        "Котангенс β2′ не существует: угол β2′ равен 0°, точки B, C и P лежат на "
        "одной прямой, треугольник B–C–P не решается.",
    .invalidOperation =
        "Котангенс β2′ бесконечен: угол β2′ равен или почти равен 0° или 180°, "
        "точки B, C и P лежат на одной прямой, треугольник B–C–P не решается."};

inline constexpr StepCauses kXp1{
    .divisionByZero =
        "X′P: сумма котангенсов β1 и β2 равна нулю — угол при P равен 0° или "
        "180°, точки A, B и P лежат на одной прямой, засечка не решается.",
    .invalidOperation =
        "X′P не вычисляется: сумма котангенсов β1 и β2 равна нулю или почти "
        "равна нулю (угол при P близок к 0° или 180°), либо координаты A и B "
        "слишком велики."};
inline constexpr StepCauses kYp1{
    .invalidOperation =
        "Y′P не вычисляется: угол при P близок к 0° или 180° или координаты A "
        "и B слишком велики."};
inline constexpr StepCauses kXp2{
    .divisionByZero =
        "X″P: сумма котангенсов β1′ и β2′ равна нулю — угол при P равен 0° или "
        "180°, точки B, C и P лежат на одной прямой, засечка не решается.",
    .invalidOperation =
        "X″P не вычисляется: сумма котангенсов β1′ и β2′ равна нулю или почти "
        "равна нулю (угол при P близок к 0° или 180°), либо координаты B и C "
        "слишком велики."};
inline constexpr StepCauses kYp2{
    .invalidOperation =
        "Y″P не вычисляется: угол при P близок к 0° или 180° или координаты B "
        "и C слишком велики."};

}  // namespace zas::jung
