#pragma once

#include "runtime/civil_date.h"

// Today's local date, from the system clock (or the one a test pinned with
// Sysutils::SetClock). Raises Exception where the local time is not available.
GregorianDate Today();
