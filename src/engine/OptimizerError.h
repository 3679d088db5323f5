#pragma once

namespace sorvale::engine {

// The failure of a tool step of the universal-binary optimiser.
enum class OptimizerError { toolFailed };

} // namespace sorvale::engine
