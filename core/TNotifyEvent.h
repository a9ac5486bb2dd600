#pragma once

#include <functional>

namespace tavelor {

// A handler that receives the object raising the event; handlers shared by several
// sources tell them apart through it.
using TNotifyEvent = std::function<void(void *Sender)>;

} // namespace tavelor
