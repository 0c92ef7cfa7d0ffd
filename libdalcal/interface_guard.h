#pragma once

#include <exception>
#include <new>
#include <string_view>

#include "dalcal/dalcal.h"
#include "engine/almanac.h"
#include "runtime/exception.h"

// What every function of the C interface does around its work: a null
// pointer refused, and no exception crossing into the caller's C.

// Writes message (cut to fit, never inside a UTF-8 sequence) into error, if given.
void Explain(dalcal_error* error, std::string_view message) noexcept;

// Runs work, which returns a status; an exception becomes the status it
// means: EConvertError where a value was refused (status refused, its
// message explained), out of memory or anything else DALCAL_E_INTERNAL.
template <typename Work>
dalcal_status Guarded(dalcal_error* error, dalcal_status refused, Work work) noexcept
{
    try {
        return work();
    } catch (const EConvertError& refusal) {
        Explain(error, refusal.what());
        return refused;
    } catch (const std::bad_alloc&) {
        Explain(error, "out of memory");
        return DALCAL_E_INTERNAL;
    } catch (...) {
        Explain(error, "a fault of the library");
        return DALCAL_E_INTERNAL;
    }
}

// The almanac a C value names; false for a value outside the enum, explained
// ("unknown almanac 7: 0 (DALCAL_KOREA) or 1 (DALCAL_CLASSIC)").
bool AlmanacOf(std::int32_t almanac, Almanac& chosen, dalcal_error* error);
