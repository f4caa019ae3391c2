#pragma once

#include "acquisition/probefamily.h"

#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>

namespace FamilyDispatch {
template <std::size_t Index>
using ProbeIdAt = std::integral_constant<int, probeFamilies[Index].probeId>;

template <class Make, std::size_t... Index>
auto forProbeFamily(int id, Make make, std::index_sequence<Index...>)
{
    decltype(make(ProbeIdAt<0>())) made{};
    (void)((probeFamilies[Index].probeId == id && (made = make(ProbeIdAt<Index>()), true)) || ...);
    return made;
}
} // namespace FamilyDispatch

// Gives what `make` builds for the family of `id`, a value-initialised result (null) for an id
// outside the catalogue. `make` gets the family's probe id as a compile-time constant
// (std::integral_constant<int, id>), so that one walk over the family table serves every
// factory of a family's types.
template <class Make>
auto forProbeFamily(int id, Make make)
{
    return FamilyDispatch::forProbeFamily(id, make, std::make_index_sequence<std::size(probeFamilies)>());
}
