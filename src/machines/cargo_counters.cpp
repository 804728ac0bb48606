#include "machines/cargo_counters.h"

#include <limits>

void countCargo(CargoCounters& counters, CargoType cargo)
{
    if (!isCargoType(cargo)) return;
    int& counter = counters[static_cast<std::size_t>(cargo)];
    if (counter < std::numeric_limits<int>::max()) ++counter;
}
