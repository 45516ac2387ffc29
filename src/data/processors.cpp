#include "data/processors.hpp"

#include <algorithm>
#include <thread>

namespace velkar::data {

int SystemProcessorCount() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

}  // namespace velkar::data
