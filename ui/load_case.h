#pragma once

namespace ipb {

enum class LoadCase {
    UniformLoad = 1, // self weight plus a uniform load, span typed
    PointLoad = 2,   // plus one point load F at la from A and lb from B; the span is la + lb
};

} // namespace ipb
