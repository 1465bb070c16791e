// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the Gauss computation at which a floating-point fault can
// arise, each with what the fault means on the sheet. The directional angles
// run from A (α1) and B (α2) towards P in the first determination, from B
// (α2′) and C (α3) in the second. Faults no input can bring about at a step
// are left out:
// - a tangent's cosine is never exactly zero (90° has no exact radian value),
//   so only the cut of a huge tangent to five decimals can fail;
// - the differences of two cut tangents, and the mean of the two X, are
//   small enough for any double;
// - an X is truncated before it is stored, so only the truncation fails when
//   it is too large;
// - the mean Y is formed from the Y through A and the Y through B, each
//   already cut to two decimals by a step before it.
#pragma once

#include "arith/step.h"

namespace zas::gauss {

inline constexpr StepCauses kAngleA1{
    .overflow =
        "Дирекционный угол α1 не переводится в градусы: его градусы, минуты и секунды "
        "вместе слишком велики."};
inline constexpr StepCauses kAngleA2{
    .overflow =
        "Дирекционный угол α2 не переводится в градусы: его градусы, минуты и секунды "
        "вместе слишком велики."};
inline constexpr StepCauses kAngleA3{
    .overflow =
        "Дирекционный угол α3 не переводится в градусы: его градусы, минуты и секунды "
        "вместе слишком велики."};
inline constexpr StepCauses kAngleAA2{
    .overflow =
        "Дирекционный угол α2′ не переводится в градусы: его градусы, минуты и секунды "
        "вместе слишком велики."};

inline constexpr StepCauses kTgA1{
    .invalidOperation =
        "Тангенс α1 не определён: при дирекционном угле 90° или 270° тангенс "
        "бесконечен, и это направление по формулам Гаусса не решается; "
        "воспользуйтесь формулами Юнга."};
inline constexpr StepCauses kTgA2{
    .invalidOperation =
        "Тангенс α2 не определён: при дирекционном угле 90° или 270° тангенс "
        "бесконечен, и это направление по формулам Гаусса не решается; "
        "воспользуйтесь формулами Юнга."};

inline constexpr StepCauses kXp1{
    .divisionByZero =
        "X′P: тангенсы α1 и α2 равны — направления из A и из B на P параллельны "
        "(совпадают или противоположны), засечка не решается.",
    .invalidOperation =
        "X′P не вычисляется: тангенсы α1 и α2 равны или почти равны (направления "
        "из A и из B на P почти параллельны), либо координаты A и B слишком "
        "велики."};
inline constexpr StepCauses kYp1Forms{
    .overflow = "Y′P через A и через B не вычисляется: координаты A и B слишком велики."};
inline constexpr StepCauses kYp1{
    .invalidOperation =
        "Y′P не вычисляется: точка P слишком далеко по оси Y — направления из A "
        "и из B близки к 90° или 270°, либо координаты A и B слишком велики."};

inline constexpr StepCauses kTgAA2{
    .invalidOperation =
        "Тангенс α2′ не определён: при дирекционном угле 90° или 270° тангенс "
        "бесконечен, и это направление по формулам Гаусса не решается; "
        "воспользуйтесь формулами Юнга."};
inline constexpr StepCauses kTgA3{
    .invalidOperation =
        "Тангенс α3 не определён: при дирекционном угле 90° или 270° тангенс "
        "бесконечен, и это направление по формулам Гаусса не решается; "
        "воспользуйтесь формулами Юнга."};

inline constexpr StepCauses kXp2{
    .divisionByZero =
        "X″P: тангенсы α2′ и α3 равны — направления из B и из C на P параллельны "
        "(совпадают или противоположны), засечка не решается.",
    .invalidOperation =
        "X″P не вычисляется: тангенсы α2′ и α3 равны или почти равны "
        "(направления из B и из C на P почти параллельны), либо координаты B и C "
        "слишком велики."};
inline constexpr StepCauses kYp2{
    .invalidOperation =
        "Y″P не вычисляется: точка P слишком далеко по оси Y — направления из B "
        "и из C близки к 90° или 270°, либо координаты B и C слишком велики.",
    .overflow = "Y″P через B не вычисляется: координаты B и C слишком велики."};

}  // namespace zas::gauss
