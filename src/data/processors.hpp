// The processor count that sizes the program's worker threads: the tensor
// sum of a long data text, the density grid and the window-wide value.
#pragma once

namespace velkar::data {

// The number of processors the system reports, at least 1 (also where the
// system cannot tell).
int SystemProcessorCount();

}  // namespace velkar::data
