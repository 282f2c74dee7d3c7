#pragma once

#include "support/record_file.h"

// Two valid tables that the rewriter saves by turns, so a test can tell a whole file of either
// from a torn one.
inline const RecordRows kFirstTable = tableOf({{QStringLiteral("Анна"), 250},
                                               {QStringLiteral("Boris"), 120},
                                               {QStringLiteral("Clara"), 120},
                                               {QStringLiteral("Дмитрий"), 40}});
inline const RecordRows kSecondTable = tableOf({{QStringLiteral("Ёжик"), 200},
                                                {QStringLiteral("Fedor"), 190},
                                                {QStringLiteral("Galina"), 180},
                                                {QStringLiteral("Hugo"), 170},
                                                {QStringLiteral("Irina"), 160},
                                                {QStringLiteral("Jan"), 150},
                                                {QStringLiteral("Kira"), 140},
                                                {QStringLiteral("Lev"), 130},
                                                {QStringLiteral("Маша"), 120},
                                                {QStringLiteral("Nina"), 110}});
