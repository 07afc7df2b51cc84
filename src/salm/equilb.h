// EQUILB is declared with the disc hull model, the lowest stage that reads it (hull/equilb.h); the
// SALM stages that fill it include it from here.
#pragma once

#include "hull/equilb.h"
