// EQUILB is declared with the low-frequency loads, which read the vessel heading and the hull plan
// form from it; the SALM stages that fill it include it from here.
#pragma once

#include "lowfreq/equilb.h"
