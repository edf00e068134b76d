#pragma once
// An event done to a session as its button or field would do it; the batch tool's runs and a lesson in the
// window both fire their events here, so that both give the same run.
#include "lesson/BatchEvent.h"

#include <string>

namespace vartel {

class Session;

// Returns "" or, for a parameter text that is not a number, the commit's message; nothing is changed then.
std::string FireEvent(Session& session, const BatchEvent& event);

} // namespace vartel
