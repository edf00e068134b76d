#pragma once
// The batch tool's window: nothing to show, but a parameter's range correction is told on a stream
// (stderr), as the window's "Invalid data" box tells it.
#include "model/QuietHost.h"

#include <ostream>

namespace vartel {

class BatchHost final : public QuietHost {
public:
    explicit BatchHost(std::ostream& messages) : messages_(messages) {}
    void ShowCorrection(const std::string& message) override { messages_ << message << '\n'; }

private:
    std::ostream& messages_;
};

} // namespace vartel
