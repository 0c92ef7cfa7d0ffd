#pragma once

#include <sys/types.h>

// The largest of the user's files the programs read or rewrite, in bytes
// ("larger than 16 MiB" in the refusals): no list of dates comes near it.
inline constexpr off_t kLargestUserFile = off_t{16} * 1024 * 1024;
