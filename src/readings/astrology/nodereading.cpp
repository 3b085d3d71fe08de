#include "nodereading.h"

namespace Lumo {

NodeReadingData &NodeReading()
{
    static NodeReadingData reading;
    return reading;
}

} // namespace Lumo
