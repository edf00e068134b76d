#pragma once
// What a front end's clock does next after a call to the session: the session decides when the next pass
// of the run is due, the front end's timer (or loop, or animation frame) calls Session::RunPass then.
namespace vartel {

struct NextPass {
    enum class When {
        Unchanged, // keep whatever pass is planned
        Soon,      // at the next turn of the event loop, unless a pass is planned already
        After,     // in `Milliseconds`, instead of any pass planned
        Never,     // drop any pass planned
    };
    When Due = When::Unchanged;
    int Milliseconds = 0;

    friend bool operator==(const NextPass&, const NextPass&) = default;
};

} // namespace vartel
